#pragma once

#include <wx/string.h>

#include <vector>

class wxWindow;

namespace evtest
{

// Whether every non-empty line of `text` starts with the marker that the
// build's marked catalog (language "xx", below EVALON_MARKED_CATALOGS) puts
// before each line of every message.
bool isMarked(const wxString& text);

// Every text `window` and its descendants show: titles, labels, tool tips,
// page and column headings, choice entries and menus. Placeholders in braces
// and texts without a letter (numbers) are left out.
std::vector<wxString> shownTexts(wxWindow* window);

} // namespace evtest
