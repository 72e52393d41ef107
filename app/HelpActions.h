#pragma once

#include <wx/string.h>

#include <functional>

class wxMenu;
class wxWindow;

// The Help menu and its two actions, the same in every window: the authoring
// guide in the web browser and the About box.
class CHelpActions
{
public:
    // Opens a URL; wxLaunchDefaultBrowser unless replaced (tests replace it).
    using Browser = std::function<bool(const wxString& url)>;

    // The guide: installed in share/doc/evalon-ui beside the program's bin
    // folder, else the source tree's docs. Empty when neither exists.
    static wxString guideFile();
    // Opens the guide; tells the author when there is none or no browser.
    static void showGuide(wxWindow* parent);
    // The program's name, version, purpose and home.
    static void showAbout(wxWindow* parent);

    static void setBrowser(const Browser& browser);

    // The menu: wxID_HELP for showGuide, wxID_ABOUT for showAbout, which the
    // window's event table handles.
    static wxMenu* createMenu();
};
