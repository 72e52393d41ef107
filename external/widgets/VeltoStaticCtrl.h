#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/control.h>

/// The window name CVeltoStaticCtrl is given by default.
EVALON_WIDGETS_EXPORT extern const char kVeltoStaticCtrlNameStr[];

/// A text drawn in its font and foreground colour, words wrapped at its width,
/// over whatever its parent paints: it draws no background of its own, so the
/// parent's picture shows around the letters. setWidth() fixes the width and
/// makes the height that of the wrapped text (a width given to the constructor
/// fixes it too). An empty label is one line high. Text beyond 32767 pixels
/// either way, the most a window can show, is not laid out.
class EVALON_WIDGETS_EXPORT CVeltoStaticCtrl : public wxControl
{
public:
    /// A text showing `label`. A width in `size` fixes the width as
    /// setWidth() does. The arguments are the toolkit's.
    CVeltoStaticCtrl(wxWindow* parent, wxWindowID id, const wxString& label,
                     const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                     long style = wxBORDER_NONE, const wxString& name = kVeltoStaticCtrlNameStr);

    /// Fixes the width and sets the height to the wrapped label's; GetSize()
    /// then gives the final size. SetLabel and SetFont re-wrap at this width.
    void setWidth(unsigned width);
    /// The fixed width; 0 when the width follows the label.
    unsigned getFixedWidth() const { return m_fixedWidth; }
    /// The size the label would take wrapped at `width` (0: unwrapped), in
    /// the current font, without changing the control: for a host that
    /// works out how much room a page needs before it lays the page out.
    wxSize measureWrapped(unsigned width) const;
    /// The label broken into the lines it is drawn in.
    wxArrayString getWrappedLines() const { return m_lines; }

    /// Change the text or its font; the text is wrapped again and the
    /// control resized.
    ///@{
    void SetLabel(const wxString& label) override;
    bool SetFont(const wxFont& font) override;
    ///@}
    /// The parent's background shows through.
    bool HasTransparentBackground() override { return true; }
    /// A text to read, not a stop for the keyboard.
    bool AcceptsFocus() const override { return false; }
    /// The theme's defaults, asked of GTK once: every paint asks for them.
    wxVisualAttributes GetDefaultAttributes() const override;

protected:
    /// The wrapped text's size.
    wxSize DoGetBestSize() const override;

private:
    void rewrap();
    void measureFont() const;
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);

    unsigned m_fixedWidth = 0; // 0: not fixed, the label's natural width
    wxArrayString m_lines;
    int m_lineHeight = 1;
    int m_widestLine = 0;
    bool m_wrapped = false; // the lines are those of the label, font and width
    // The current font's sizes that every wrap starts from, measured when
    // first needed; a line height of 0 means not measured yet.
    mutable int m_fontLineHeight = 0;
    mutable int m_spaceWidth = 0;
    mutable int m_letterWidth = 1; // the average letter, for a first guess at a cut

    wxDECLARE_EVENT_TABLE();
};
