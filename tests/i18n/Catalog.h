#pragma once

#include <wx/string.h>

#include <map>
#include <set>
#include <vector>

class wxWindow;

namespace evtest
{

// The messages of a .po or .pot file: each identifier with its translation
// (the singular form's), the header and obsolete entries left out.
std::map<wxString, wxString> readCatalog(const wxString& path);
std::set<wxString> msgids(const std::map<wxString, wxString>& catalog);

// Whether `text` is one of `texts`, or what one of them with placeholders
// (%s, %lu, ...) makes.
bool madeFrom(const std::set<wxString>& texts, const wxString& text);

// Every text `window` and its descendants show: titles, labels, tool tips,
// page and column headings, choice entries and menus. Placeholders in braces
// and texts without a letter (numbers) are left out.
std::vector<wxString> shownTexts(wxWindow* window);

} // namespace evtest
