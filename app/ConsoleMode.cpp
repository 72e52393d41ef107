#include "app/ConsoleMode.h"

#include "external/data/Translations.h"

#include <wx/app.h>

CConsoleMode::SConsoleApp::SConsoleApp()
{
    // The toolkit deletes the application when it stops, as it does for wxEntry.
    wxAppConsole* console = new wxAppConsole;
    wxAppConsole::SetInstance(console);
    console->SetAppName("evalon");
}

CConsoleMode::CConsoleMode(const wxString& language)
{
    if (m_initializer.IsOk())
        CTranslations::useLanguage(language);
}
