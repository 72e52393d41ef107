#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

/// The font and colour in which an assessment's question and answer texts are
/// presented.
class EVALON_DATA_EXPORT CEVFontInfo
{
public:
    /// The point size of a new description.
    static const unsigned short kDefaultFontSize = 20;
    /// The point sizes validateData() accepts.
    ///@{
    static const unsigned short kMinFontSize = 4;
    static const unsigned short kMaxFontSize = 400;
    ///@}

    /// White DejaVu Sans at kDefaultFontSize, plain.
    CEVFontInfo();

    /// The parts of the description, each stored as given (validateData()
    /// tells whether they make a usable font).
    ///@{
    wxString getFontFaceName() const { return m_faceName; }
    unsigned short getFontSize() const { return m_size; }
    bool isBold() const { return m_bold; }
    bool isItalic() const { return m_italic; }
    bool isUnderlined() const { return m_underlined; }
    wxColour getFontColour() const { return m_colour; }
    void setFontFaceName(const wxString& faceName) { m_faceName = faceName; }
    void setFontSize(unsigned short size) { m_size = size; }
    void setStyle(bool bold, bool italic, bool underlined);
    void setFontColour(const wxColour& colour) { m_colour = colour; }
    ///@}

    /// The description as a toolkit font (without the colour), and back.
    /// setAsFont ignores an invalid font.
    ///@{
    wxFont getAsFont() const;
    void setAsFont(const wxFont& font);
    ///@}

    /// False, with one line per reason appended to `reasons`, when the font
    /// cannot be used (no face name, size out of range, invalid colour).
    bool validateData(wxString* reasons) const;

    /// Equal when every part, colour included, is.
    ///@{
    bool operator==(const CEVFontInfo& other) const;
    bool operator!=(const CEVFontInfo& other) const { return !(*this == other); }
    ///@}

private:
    wxString m_faceName;
    unsigned short m_size;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underlined = false;
    wxColour m_colour;
};
