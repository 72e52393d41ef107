#include "external/data/RunningProgram.h"

#include <wx/filename.h>

#include <stdlib.h>

wxString CRunningProgram::folder()
{
    char* path = realpath("/proc/self/exe", nullptr);
    if (!path)
        return wxString();
    const wxString folder = wxFileName(wxString::FromUTF8(path)).GetPath();
    free(path);
    return folder;
}
