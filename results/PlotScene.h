#pragma once

#include "results/EvalonResultsExport.h"

#include <cstdint>
#include <string>
#include <vector>

/// One mark of a plot, in pixels from the top left corner.
struct EVALON_RESULTS_EXPORT SPlotShape
{
    enum eKind
    {
        eRectangle, ///< filled, at (x, y) of size (x2 - x, y2 - y)
        eLine,      ///< from (x, y) to (x2, y2)
        eText       ///< `m_text` with its baseline at y
    };
    /// Where a text stands against its x.
    enum eAnchor
    {
        eStart,
        eMiddle,
        eEnd
    };

    eKind m_kind = eLine;
    double m_x = 0, m_y = 0, m_x2 = 0, m_y2 = 0;
    std::uint32_t m_colour = 0; ///< 0xRRGGBB: the fill, the line or the text
    double m_lineWidth = 1;
    bool m_dashed = false;
    double m_fontSize = 10; ///< pixels
    bool m_bold = false;
    eAnchor m_anchor = eStart;
    std::string m_text; ///< UTF-8
};

/// A plot as a list of rectangles, lines and texts, laid out once for a size:
/// the window paints it with the toolkit's drawing and a report writes it as
/// SVG, so both show the same plot.
class EVALON_RESULTS_EXPORT CPlotScene
{
public:
    CPlotScene(double width, double height) : m_width(width), m_height(height) {}

    double width() const { return m_width; }
    double height() const { return m_height; }
    const std::vector<SPlotShape>& shapes() const { return m_shapes; }

    void addRectangle(double x, double y, double x2, double y2, std::uint32_t colour);
    void addLine(double x, double y, double x2, double y2, std::uint32_t colour, double width = 1,
                 bool dashed = false);
    void addText(double x, double baseline, const std::string& text, SPlotShape::eAnchor anchor,
                 double fontSize = 11, bool bold = false, std::uint32_t colour = 0x222222);

    /// The scene as one SVG element (no XML declaration), to stand alone in
    /// a file or inline in HTML.
    std::string toSvg() const;

    /// `text` with &, <, > and " written as XML entities.
    static std::string escaped(const std::string& text);

private:
    double m_width;
    double m_height;
    std::vector<SPlotShape> m_shapes;
};
