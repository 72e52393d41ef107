#include "app/HelpActions.h"

#include "app/CommandLine.h"
#include "app/HostMessages.h"

#include <wx/aboutdlg.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
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
    const wxFileName program(wxStandardPaths::Get().GetExecutablePath());
    wxFileName installed(program.GetPath() + "/../share/doc/evalon-ui", kGuideFileName);
    installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    if (installed.FileExists())
        return installed.GetFullPath();
#ifdef EVALON_SOURCE_DOCS_DIR
    const wxFileName source(EVALON_SOURCE_DOCS_DIR, kGuideFileName);
    if (source.FileExists())
        return source.GetFullPath();
#endif
    return wxString();
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
    info.SetDescription("Write multiple-choice assessments, take them, and see how takers did.");
    wxAboutBox(info, parent);
}
