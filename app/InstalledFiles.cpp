#include "app/InstalledFiles.h"

#include "external/data/RunningProgram.h"

#include <wx/filename.h>

wxString CInstalledFiles::find(const wxString& folder, const wxString& buildFolder, const wxString& name)
{
    const wxString below = name.empty() ? wxString() : "/" + name;
    wxFileName installed(CRunningProgram::folder() + "/../share/" + folder + below);
    installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    if (wxFileName::Exists(installed.GetFullPath()))
        return installed.GetFullPath();
    if (wxFileName::Exists(buildFolder + below))
        return buildFolder + below;
    return wxString();
}
