#include "app/InstalledFiles.h"

#include <wx/filename.h>

#include <unistd.h>

wxString CInstalledFiles::programFolder()
{
    // Read from the system rather than from wxStandardPaths, which needs an
    // application object that the modes without windows do not all have.
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return wxString();
    path[length] = '\0';
    return wxFileName(wxString::FromUTF8(path)).GetPath();
}

wxString CInstalledFiles::find(const wxString& folder, const wxString& buildFolder, const wxString& name)
{
    const wxString below = name.empty() ? wxString() : "/" + name;
    wxFileName installed(programFolder() + "/../share/" + folder + below);
    installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    if (wxFileName::Exists(installed.GetFullPath()))
        return installed.GetFullPath();
    if (wxFileName::Exists(buildFolder + below))
        return buildFolder + below;
    return wxString();
}
