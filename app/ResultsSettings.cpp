#include "app/ResultsSettings.h"

#include "external/widgets/ShellFileTypes.h"
#include "results/StoreUrl.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

#include <memory>

namespace
{
// evalon.conf beside the application registry ($XDG_CONFIG_HOME/evalon):
// not wx's default ~/.evalon, which is the user data folder holding the store.
std::unique_ptr<wxFileConfig> openConfig()
{
    const wxFileName file(wxFileName(CShellFileTypes::getRegistryFileName()).GetPath(), "evalon.conf");
    wxLogNull quiet; // a missing or unreadable file reads as empty
    return std::make_unique<wxFileConfig>("evalon", wxString(), file.GetFullPath(), wxString(),
                                          wxCONFIG_USE_LOCAL_FILE);
}
} // namespace

const char CResultsSettings::kStoreKey[] = "Results/Store";
const char CResultsSettings::kTakerKey[] = "Results/Taker";

wxString CResultsSettings::dataFolder()
{
    const wxString folder = wxStandardPaths::Get().GetUserDataDir();
    // A folder that cannot be made shows in the store's own message.
    if (!wxFileName::DirExists(folder))
        wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    return folder;
}

wxString CResultsSettings::defaultStoreUrl()
{
    const wxString path = wxFileName(dataFolder(), "results.sqlite").GetFullPath();
    return wxString::FromUTF8(CStoreUrl::forSqliteFile(path.utf8_string()));
}

wxString CResultsSettings::storeUrl(const wxString& option)
{
    if (!option.empty())
        return option;
    const wxString configured = openConfig()->Read(kStoreKey, wxString());
    return configured.empty() ? defaultStoreUrl() : configured;
}

wxString CResultsSettings::outboxPath()
{
    return wxFileName(dataFolder(), "outbox.sqlite").GetFullPath();
}

wxString CResultsSettings::rememberedTaker()
{
    return openConfig()->Read(kTakerKey, wxString());
}

bool CResultsSettings::rememberTaker(const wxString& name)
{
    const wxFileName folder = wxFileName::DirName(wxFileName(CShellFileTypes::getRegistryFileName()).GetPath());
    if (!folder.DirExists())
        folder.Mkdir(wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    std::unique_ptr<wxFileConfig> config = openConfig();
    wxLogNull quiet;
    return config->Write(kTakerKey, name) && config->Flush();
}
