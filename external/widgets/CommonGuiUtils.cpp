#include "external/widgets/CommonGuiUtils.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace
{

// One wildcard string from "Description|pattern" entries; a bare pattern
// serves as its own description.
wxString joinFilters(const wxArrayString& filters)
{
    wxString wildcard;
    for (const wxString& filter : filters)
    {
        if (filter.empty())
            continue;
        if (!wildcard.empty())
            wildcard += "|";
        wildcard += filter.Contains("|") ? filter : filter + "|" + filter;
    }
    return wildcard.empty() ? wxString(wxFileSelectorDefaultWildcardStr) : wildcard;
}

wxString withDefaultExtension(const wxString& path, const wxString& defaultExtension)
{
    wxString extension = defaultExtension;
    if (extension.StartsWith("."))
        extension.erase(0, 1);
    wxFileName name(path);
    if (extension.empty() || name.HasExt())
        return path;
    name.SetExt(extension);
    return name.GetFullPath();
}

} // namespace

bool CCommonGuiUtils::BrowseForFile(bool useCurrentDirectory, const wxArrayString& filters, wxString& path,
                                    const wxString& message, const wxString& defaultExtension,
                                    long filterIndex, long style, wxWindow* parent)
{
    const wxFileName proposed(path);
    const wxString folder = useCurrentDirectory ? wxGetCwd() : proposed.GetPath();
    const wxString wildcard = joinFilters(filters);
    wxFileDialog dialog(parent, message.empty() ? wxString(wxFileSelectorPromptStr) : message, folder,
                        proposed.GetFullName(), wildcard, style);
    const long filterCount = long(wildcard.Freq('|') + 1) / 2;
    if (filterIndex >= 1 && filterIndex <= filterCount)
        dialog.SetFilterIndex(int(filterIndex - 1));

    if (dialog.ShowModal() != wxID_OK || dialog.GetPath().empty())
        return false;
    path = withDefaultExtension(dialog.GetPath(), defaultExtension);
    return true;
}
