#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/arrstr.h>
#include <wx/string.h>

class wxWindow;

/// Small GUI helpers shared by the panels.
class EVALON_WIDGETS_EXPORT CCommonGuiUtils
{
public:
    /// Opens a file dialog and returns true when the user chose a file, whose
    /// full path is then in `path`.
    ///  - useCurrentDirectory: true opens in the process's working directory;
    ///    false opens in the folder of `path` (or the toolkit's default).
    ///  - filters: "Description|pattern" entries, joined into the wildcard.
    ///  - path: the file proposed on entry, the file chosen on return.
    ///  - message: the dialog's title; empty gives the toolkit's prompt.
    ///  - defaultExtension: added to a chosen name that has no extension
    ///    (without dot); empty adds nothing.
    ///  - filterIndex: 1-based index of the filter selected at first.
    ///  - style: wxFileDialog style (wxFD_OPEN, wxFD_SAVE | wxFD_OVERWRITE_PROMPT ...).
    static bool BrowseForFile(bool useCurrentDirectory, const wxArrayString& filters, wxString& path,
                              const wxString& message, const wxString& defaultExtension, long filterIndex,
                              long style, wxWindow* parent = nullptr);
};
