#include "results/PlotScene.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace
{
std::string colourText(std::uint32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", unsigned(colour & 0xffffff));
    return text;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    // snprintf follows the C locale's decimal point, which a host may change.
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text;
}

} // namespace

std::string CPlotScene::escaped(const std::string& text)
{
    std::string out;
    for (char c : text)
    {
        switch (c)
        {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

namespace
{
const char* anchorText(SPlotShape::eAnchor anchor)
{
    switch (anchor)
    {
    case SPlotShape::eMiddle: return "middle";
    case SPlotShape::eEnd: return "end";
    default: return "start";
    }
}

// A shape of `kind` at (x, y) in `colour`; each kind adds what else it needs.
SPlotShape shapeAt(SPlotShape::eKind kind, double x, double y, std::uint32_t colour)
{
    SPlotShape shape;
    shape.m_kind = kind;
    shape.m_x = x;
    shape.m_y = y;
    shape.m_colour = colour;
    return shape;
}
} // namespace

void CPlotScene::addRectangle(double x, double y, double x2, double y2, std::uint32_t colour)
{
    SPlotShape shape = shapeAt(SPlotShape::eRectangle, std::min(x, x2), std::min(y, y2), colour);
    shape.m_x2 = std::max(x, x2);
    shape.m_y2 = std::max(y, y2);
    m_shapes.push_back(shape);
}

void CPlotScene::addLine(double x, double y, double x2, double y2, std::uint32_t colour, double width, bool dashed)
{
    SPlotShape shape = shapeAt(SPlotShape::eLine, x, y, colour);
    shape.m_x2 = x2;
    shape.m_y2 = y2;
    shape.m_lineWidth = width;
    shape.m_dashed = dashed;
    m_shapes.push_back(shape);
}

void CPlotScene::addText(double x, double baseline, const std::string& text, SPlotShape::eAnchor anchor,
                         double fontSize, bool bold, std::uint32_t colour)
{
    SPlotShape shape = shapeAt(SPlotShape::eText, x, baseline, colour);
    shape.m_text = text;
    shape.m_anchor = anchor;
    shape.m_fontSize = fontSize;
    shape.m_bold = bold;
    m_shapes.push_back(shape);
}

std::string CPlotScene::toSvg() const
{
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << number(m_width) << "\" height=\""
        << number(m_height) << "\" viewBox=\"0 0 " << number(m_width) << " " << number(m_height)
        << "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n";
    svg << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const SPlotShape& shape : m_shapes)
    {
        switch (shape.m_kind)
        {
        case SPlotShape::eRectangle:
            svg << "<rect x=\"" << number(shape.m_x) << "\" y=\"" << number(shape.m_y) << "\" width=\""
                << number(shape.m_x2 - shape.m_x) << "\" height=\"" << number(shape.m_y2 - shape.m_y)
                << "\" fill=\"" << colourText(shape.m_colour) << "\"/>\n";
            break;
        case SPlotShape::eLine:
            svg << "<line x1=\"" << number(shape.m_x) << "\" y1=\"" << number(shape.m_y) << "\" x2=\""
                << number(shape.m_x2) << "\" y2=\"" << number(shape.m_y2) << "\" stroke=\""
                << colourText(shape.m_colour) << "\" stroke-width=\"" << number(shape.m_lineWidth) << "\""
                << (shape.m_dashed ? " stroke-dasharray=\"4 3\"" : "") << "/>\n";
            break;
        case SPlotShape::eText:
            svg << "<text x=\"" << number(shape.m_x) << "\" y=\"" << number(shape.m_y) << "\" font-size=\""
                << number(shape.m_fontSize) << "\" text-anchor=\"" << anchorText(shape.m_anchor) << "\" fill=\""
                << colourText(shape.m_colour) << "\"" << (shape.m_bold ? " font-weight=\"bold\"" : "") << ">"
                << escaped(shape.m_text) << "</text>\n";
            break;
        }
    }
    svg << "</svg>\n";
    return svg.str();
}
