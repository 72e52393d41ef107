#include "app/ResultsSettings.h"

#include "results/StoreUrl.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

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
    const wxString configured = wxConfigBase::Get()->Read(kStoreKey, wxString());
    return configured.empty() ? defaultStoreUrl() : configured;
}

wxString CResultsSettings::outboxPath()
{
    return wxFileName(dataFolder(), "outbox.sqlite").GetFullPath();
}

wxString CResultsSettings::rememberedTaker()
{
    return wxConfigBase::Get()->Read(kTakerKey, wxString());
}

void CResultsSettings::rememberTaker(const wxString& name)
{
    wxConfigBase::Get()->Write(kTakerKey, name);
    wxConfigBase::Get()->Flush();
}
