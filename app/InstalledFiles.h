#pragma once

#include <wx/string.h>

// Where the files the program is installed with are found: below share/ of
// its installation prefix (the folder above the program's own), or, for a
// program run from its build tree, where the build keeps them.
class CInstalledFiles
{
public:
    // The folder of the running program; also for the commands that run
    // without the toolkit (--import), before any application object exists.
    static wxString programFolder();
    // The absolute path of `below` under the installation's share/ folder
    // ("evalon-ui/sample/x.eva") when that file or folder exists; else
    // `fallback` when it exists (may be empty); else empty.
    static wxString find(const wxString& below, const wxString& fallback);
};
