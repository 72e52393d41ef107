#pragma once

#include <wx/string.h>

// Where the files the program is installed with are found: below share/ of
// its installation prefix (the folder above the program's own), or, for a
// program run from its build tree, where the build keeps them.
class CInstalledFiles
{
public:
    // The absolute path of `name` in `folder` below the installation's
    // share/ ("evalon-ui/sample"), else in the build's `buildFolder`: the
    // first that exists, or empty. An empty `name` looks for the folder.
    static wxString find(const wxString& folder, const wxString& buildFolder,
                         const wxString& name = wxString());
};
