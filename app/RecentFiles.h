#pragma once

#include <wx/string.h>

class wxFileHistory;
class wxMenu;
class wxWindow;

// The assessment files opened last, shared by every window's File menu
// through one wxFileHistory and kept in evalon.conf (beside the application
// registry) between runs. A file that no longer exists is shown greyed when a
// menu opens, and is removed with a message when chosen.
class CRecentFiles
{
public:
    static const char kConfigGroup[];

    // The history, read from the configuration on first use.
    static wxFileHistory& get();
    // Puts `path` first and writes the configuration.
    static void add(const wxString& path);
    // Lists the files in `menu` (and keeps it up to date) until forget().
    static void use(wxMenu* menu);
    static void forget(wxMenu* menu);
    // Greys the entries of `menu` whose files are gone; called as the menu opens.
    static void greyMissing(wxMenu* menu);
    // The file of entry `index` (from 0) when it still exists; otherwise the
    // entry is removed, the author told so (parented to `window`), and the
    // result is empty.
    static wxString choose(size_t index, wxWindow* window);

private:
    static void save();
};
