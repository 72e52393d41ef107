#include "external/data/Translations.h"

#include "external/data/RunningProgram.h"

#include <wx/filename.h>
#include <wx/translation.h>

#include <dlfcn.h>

#ifndef EVALON_BUILD_LOCALE_DIR
#define EVALON_BUILD_LOCALE_DIR ""
#endif
#ifndef EVALON_LIBRARY_TO_LOCALE
#define EVALON_LIBRARY_TO_LOCALE "../share/locale"
#endif

const char* const CTranslations::kCatalogName = "evalon-ui";

namespace
{

// The folder of the file this library was loaded from, so that an installed
// tree finds its catalogs wherever it was moved.
wxString libraryFolder()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<void*>(&CTranslations::addLookupPaths), &info) || !info.dli_fname)
        return wxString();
    return wxFileName(wxString::FromUTF8(info.dli_fname)).GetPath();
}

void addPrefix(const wxString& folder)
{
    if (!folder.empty() && wxFileName::DirExists(folder))
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder);
}

} // namespace

void CTranslations::addLookupPaths()
{
    static bool added = false;
    if (added)
        return;
    added = true;
    // The program's prefix first: a host's own install (bin/../share/locale),
    // which for a program of the build tree is the build tree's.
    addPrefix(CRunningProgram::folder() + "/../share/locale");
    const wxString library = libraryFolder();
    if (!library.empty())
        addPrefix(library + "/" + EVALON_LIBRARY_TO_LOCALE);
    addPrefix(EVALON_BUILD_LOCALE_DIR);
}

bool CTranslations::useLanguage(const wxString& language)
{
    addLookupPaths();
    auto* translations = new wxTranslations;
    if (language.empty())
        translations->SetLanguage(wxLANGUAGE_DEFAULT);
    else
        translations->SetLanguage(language);
    // Stock buttons and the file and font dialogs: the toolkit's own catalog.
    translations->AddStdCatalog();
    // The English texts are the messages themselves: no catalog to find.
    const bool english = language == "en" || language.StartsWith("en_");
    const bool found = translations->AddCatalog(kCatalogName) || english;
    wxTranslations::Set(translations);
    return found;
}

void CTranslations::useSystemLanguageUnlessChosen()
{
    if (!wxTranslations::Get())
        useLanguage(wxString());
}
