#include "interchange/ItemSource.h"

#include <wx/arrstr.h>
#include <wx/intl.h>

namespace
{
const size_t kMaxTitleLength = 60;
}

wxString CItemSource::describe() const
{
    wxArrayString parts;
    if (!m_file.empty())
    {
        parts.Add(m_file);
    }
    if (m_line > 0)
    {
        parts.Add(wxString::Format(_("line %u"), m_line));
    }
    if (!m_item.empty())
    {
        parts.Add(wxString::Format(_("item \"%s\""), m_item));
    }
    if (!m_title.empty())
    {
        parts.Add(wxString::Format(_("\"%s\""), m_title));
    }
    wxString text;
    for (const wxString& part : parts)
    {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

wxString CItemSource::titleFromText(const wxString& text)
{
    wxString title = text.BeforeFirst('\n');
    title.Trim(true).Trim(false);
    if (title.length() > kMaxTitleLength)
    {
        title = title.Left(kMaxTitleLength - 1).Trim(true) + wxString::FromUTF8("\u2026");
    }
    return title;
}
