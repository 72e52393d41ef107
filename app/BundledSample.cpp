#include "app/BundledSample.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace
{

const char kSampleFileName[] = "solar-system.eva";

} // namespace

wxString CBundledSample::getFile()
{
    const wxFileName program(wxStandardPaths::Get().GetExecutablePath());
    wxFileName installed(program.GetPath() + "/../share/evalon-ui/sample", kSampleFileName);
    installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    if (installed.FileExists())
        return installed.GetFullPath();
#ifdef EVALON_SOURCE_SAMPLE_DIR
    const wxFileName source(EVALON_SOURCE_SAMPLE_DIR, kSampleFileName);
    if (source.FileExists())
        return source.GetFullPath();
#endif
    return wxString();
}
