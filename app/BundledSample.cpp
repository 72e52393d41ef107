#include "app/BundledSample.h"

#include "app/InstalledFiles.h"

namespace
{

const char kSampleFileName[] = "solar-system.eva";

} // namespace

wxString CBundledSample::getFile()
{
    // The folder of the sources is given by the build (app/CMakeLists.txt).
    return CInstalledFiles::find("evalon-ui/sample", EVALON_SOURCE_SAMPLE_DIR, kSampleFileName);
}
