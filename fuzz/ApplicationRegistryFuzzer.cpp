// The application registry on arbitrary bytes: looking a name up never
// fails hard, and a registration afterwards always works and is found, along
// with what a sound file already held.
#include "fuzz/FuzzSupport.h"

#include "external/widgets/ShellFileTypes.h"

#include <wx/utils.h>

namespace
{
bool lookUp(const wxString& appName, wxString* path)
{
    CShellFileTypes types(nullptr, appName, wxFileName());
    return types.getRegisteredAppFileName(path);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool configured = wxSetEnv("XDG_CONFIG_HOME", evfuzz::scratchFolder() + "/config");
    (void)configured;
    const wxString registry = CShellFileTypes::getRegistryFileName();
    evfuzz::writeBytes(registry, data, size);

    wxString evalon;
    const bool evalonFound = lookUp("Evalon", &evalon);

    const wxString executable = " /opt/evalon \"reader\"/bin\\reader ";
    wxString error;
    if (!CShellFileTypes::registerApplication("Evalon Reader", executable, &error))
    {
        evfuzz::invariantBroken("a registration failed");
    }
    wxString found;
    if (!lookUp("EVALON READER", &found) || found != executable)
    {
        evfuzz::invariantBroken("a registration is not found as it was written");
    }
    // A file the lookup trusted keeps its other entries; a damaged one is
    // replaced, so only the new entry is left.
    wxString evalonAfter;
    if (evalonFound && (!lookUp("Evalon", &evalonAfter) || evalonAfter != evalon))
    {
        evfuzz::invariantBroken("a registration lost another application's entry");
    }
    return 0;
}
