#include "app/HelpActions.h"

#include "app/CommandLine.h"
#include "app/HostMessages.h"
#include "app/InstalledFiles.h"

#include <wx/aboutdlg.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/utils.h>

namespace
{

const char kGuideFileName[] = "authoring.md";

CHelpActions::Browser& browser()
{
    static CHelpActions::Browser open = [](const wxString& url) { return wxLaunchDefaultBrowser(url); };
    return open;
}

} // namespace

void CHelpActions::setBrowser(const Browser& replacement)
{
    browser() = replacement;
}

wxString CHelpActions::guideFile()
{
    // The folder of the sources is given by the build (app/CMakeLists.txt).
    return CInstalledFiles::find("doc/evalon-ui", EVALON_SOURCE_DOCS_DIR, kGuideFileName);
}

wxMenu* CHelpActions::createMenu()
{
    auto* menu = new wxMenu;
    menu->Append(wxID_HELP, _("Evalon &Guide\tF1"));
    menu->Append(wxID_ABOUT, _("&About Evalon"));
    return menu;
}

void CHelpActions::showGuide(wxWindow* parent)
{
    const wxString guide = guideFile();
    if (guide.empty())
    {
        CHostMessages::error(wxString::Format(_("The guide (%s) is not installed."), kGuideFileName), parent);
        return;
    }
    const wxString url = wxFileName::FileNameToURL(wxFileName(guide));
    if (!browser()(url))
        CHostMessages::error(wxString::Format(_("No web browser could open the guide %s."), guide), parent);
}

void CHelpActions::showAbout(wxWindow* parent)
{
    wxAboutDialogInfo info;
    info.SetName("Evalon");
    info.SetVersion(CCommandLine::versionNumber());
    info.SetDescription(_("Write multiple-choice assessments, take them, and see how takers did."));
    wxAboutBox(info, parent);
}
