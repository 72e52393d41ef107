// The assessment list reader on arbitrary bytes: a refused list keeps the
// manager as it was and says why; a list that is read writes back and reads
// back to the same files.
#include "fuzz/FuzzSupport.h"

#include "external/data/AssessmentsMgr.h"

#include <vector>

namespace
{
std::vector<wxString> listedFiles(CAssessmentsMgr& list)
{
    std::vector<wxString> files;
    for (int index = 0; index < list.getCount(); ++index)
    {
        files.push_back(list.getDataAtIndex(index)->getAssessmentFileName());
    }
    return files;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const wxString folder = evfuzz::scratchFolder();
    const wxString input = folder + "/assessments.xml";
    evfuzz::writeBytes(input, data, size);

    CAssessmentsMgr list;
    wxString error;
    if (!list.load(input, &error))
    {
        if (error.empty() || list.getCount() != 0 || !list.getListFileName().empty())
        {
            evfuzz::invariantBroken("a refused list gave no reason or changed the manager");
        }
        return 0;
    }

    const wxString copy = folder + "/copy.xml";
    list.setListFileName(copy);
    if (!list.store(&error))
    {
        evfuzz::invariantBroken("a list that was read cannot be written");
    }
    CAssessmentsMgr again;
    if (!again.load(copy, &error) || listedFiles(again) != listedFiles(list))
    {
        evfuzz::invariantBroken("a list changed on its way through a file");
    }
    return 0;
}
