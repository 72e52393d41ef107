#include "app/RecentFiles.h"

#include "app/HostMessages.h"
#include "external/widgets/ShellFileTypes.h"

#include <wx/fileconf.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/menu.h>

#include <memory>

const char CRecentFiles::kConfigGroup[] = "/RecentFiles";

namespace
{

std::unique_ptr<wxFileConfig> openConfig()
{
    const wxFileName file(wxFileName(CShellFileTypes::getRegistryFileName()).GetPath(), "evalon.conf");
    wxLogNull quiet; // a missing or unreadable file reads as empty
    if (!file.DirExists())
        wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    return std::make_unique<wxFileConfig>("evalon", wxString(), file.GetFullPath(), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}

} // namespace

wxFileHistory& CRecentFiles::get()
{
    static wxFileHistory* history = nullptr;
    if (!history)
    {
        // Never deleted: menus of windows still open at exit may refer to it.
        history = new wxFileHistory(9);
        std::unique_ptr<wxFileConfig> config = openConfig();
        config->SetPath(kConfigGroup);
        history->Load(*config);
    }
    return *history;
}

void CRecentFiles::save()
{
    std::unique_ptr<wxFileConfig> config = openConfig();
    config->SetPath(kConfigGroup);
    get().Save(*config);
    // A history that cannot be kept is no reason to bother the author.
    wxLogNull quiet;
    config->Flush();
}

void CRecentFiles::add(const wxString& path)
{
    get().AddFileToHistory(path);
    save();
}

void CRecentFiles::use(wxMenu* menu)
{
    get().UseMenu(menu);
    get().AddFilesToMenu(menu);
}

void CRecentFiles::forget(wxMenu* menu)
{
    get().RemoveMenu(menu);
}

void CRecentFiles::greyMissing(wxMenu* menu)
{
    const wxFileHistory& history = get();
    for (size_t i = 0; i < history.GetCount(); ++i)
    {
        if (wxMenuItem* item = menu->FindItem(history.GetBaseId() + int(i)))
            item->Enable(wxFileName::FileExists(history.GetHistoryFile(i)));
    }
}

wxString CRecentFiles::choose(size_t index, wxWindow* window)
{
    wxFileHistory& history = get();
    if (index >= history.GetCount())
        return wxString();
    const wxString path = history.GetHistoryFile(index);
    if (wxFileName::FileExists(path))
        return path;
    history.RemoveFileFromHistory(index);
    save();
    CHostMessages::information(
        wxString::Format(_("The assessment file %s no longer exists; it is removed from the recent files."), path),
        window);
    return wxString();
}
