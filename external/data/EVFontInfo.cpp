#include "external/data/EVFontInfo.h"

#include <cmath>
#include <wx/translation.h>

// DejaVu Sans is on every Debian desktop; white reads well on the dark
// backgrounds assessments are usually drawn on.
// Definitions for the in-class constants, so they can be bound to references.
const unsigned short CEVFontInfo::kDefaultFontSize;
const unsigned short CEVFontInfo::kMinFontSize;
const unsigned short CEVFontInfo::kMaxFontSize;

CEVFontInfo::CEVFontInfo() : m_faceName("DejaVu Sans"), m_size(kDefaultFontSize), m_colour(*wxWHITE)
{
}

void CEVFontInfo::setStyle(bool bold, bool italic, bool underlined)
{
    m_bold = bold;
    m_italic = italic;
    m_underlined = underlined;
}

wxFont CEVFontInfo::getAsFont() const
{
    return wxFont(
        wxFontInfo(m_size).FaceName(m_faceName).Bold(m_bold).Italic(m_italic).Underlined(m_underlined));
}

void CEVFontInfo::setAsFont(const wxFont& font)
{
    if (!font.IsOk())
    {
        return;
    }
    m_faceName = font.GetFaceName();
    // A font given in pixels has no point size; keep the size we have then.
    const long size = std::lround(font.GetFractionalPointSize());
    if (size > 0 && size <= 0xFFFF)
    {
        m_size = static_cast<unsigned short>(size);
    }
    m_bold = font.GetWeight() >= wxFONTWEIGHT_BOLD;
    m_italic = font.GetStyle() != wxFONTSTYLE_NORMAL;
    m_underlined = font.GetUnderlined();
}

bool CEVFontInfo::validateData(wxString* reasons) const
{
    wxString found;
    if (m_faceName.empty())
    {
        found += _("Font: no face name chosen") + "\n";
    }
    if (m_size < kMinFontSize || m_size > kMaxFontSize)
    {
        found += wxString::Format(_("Font: size %u is outside %u to %u") + "\n", unsigned(m_size),
                                  unsigned(kMinFontSize), unsigned(kMaxFontSize));
    }
    if (!m_colour.IsOk())
    {
        found += _("Font: no valid colour chosen") + "\n";
    }
    if (reasons != nullptr)
    {
        *reasons += found;
    }
    return found.empty();
}

bool CEVFontInfo::operator==(const CEVFontInfo& other) const
{
    return m_faceName == other.m_faceName && m_size == other.m_size && m_bold == other.m_bold &&
           m_italic == other.m_italic && m_underlined == other.m_underlined && m_colour == other.m_colour;
}
