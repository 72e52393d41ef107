#pragma once

#include <wx/string.h>

#include <vector>

class wxWindow;

namespace evtest
{

// Runs a shell command; its exit status, and its output and errors in `output`.
int run(const wxString& command, wxString* output);
wxString quoted(const wxString& path);

// What every text of the marked catalog starts with, on every line.
inline const wxString kMarker = "@@";

// Writes, below the catalog prefix `prefix`, the catalog of `language` in which
// every message of the template is its English text with kMarker before each
// line: a window showing it in that language shows which of its texts were
// never marked for translation.
void writeMarkedCatalog(const wxString& prefix, const wxString& language);

// Every text `window` and its descendants show: titles, labels, tool tips,
// page and column headings, choice entries and menus. Placeholders in braces
// and texts without a letter (numbers) are left out.
std::vector<wxString> shownTexts(wxWindow* window);

} // namespace evtest
