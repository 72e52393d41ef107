#include "app/BundledSample.h"

#include "app/InstalledFiles.h"

namespace
{

const char kSampleFileName[] = "solar-system.eva";

} // namespace

wxString CBundledSample::getFile()
{
    wxString source;
#ifdef EVALON_SOURCE_SAMPLE_DIR
    source = wxString(EVALON_SOURCE_SAMPLE_DIR "/") + kSampleFileName;
#endif
    return CInstalledFiles::find(wxString("evalon-ui/sample/") + kSampleFileName, source);
}
