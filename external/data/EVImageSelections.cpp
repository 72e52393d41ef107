#include "external/data/EVImageSelections.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/translation.h>

namespace
{
struct ImageNames
{
    const char* key;
    const char* label;
};

// In imageID order. The labels are the English names; CImageSelectionsInfo
// translates them when asked.
const ImageNames kImageNames[CEVImageSelections::kNumImages] = {
    {"questionBackground", wxTRANSLATE("Question Background")},
    {"answerButtonCold", wxTRANSLATE("Answer Button (Cold)")},
    {"answerButtonHot", wxTRANSLATE("Answer Button (Hot)")},
    {"answerButtonChecked", wxTRANSLATE("Answer Button (Checked)")},
    {"previousCold", wxTRANSLATE("Previous Button (Cold)")},
    {"previousHot", wxTRANSLATE("Previous Button (Hot)")},
    {"nextCold", wxTRANSLATE("Next Button (Cold)")},
    {"nextHot", wxTRANSLATE("Next Button (Hot)")},
    {"submitCold", wxTRANSLATE("Submit Button (Cold)")},
    {"submitHot", wxTRANSLATE("Submit Button (Hot)")},
    {"answersSubmittalBackground", wxTRANSLATE("Answers Submittal Background")},
    {"reviewBackground", wxTRANSLATE("Review Background")},
    {"congratulationsBackground", wxTRANSLATE("Congratulations Background")},
};

bool isImage(int id)
{
    return id >= 0 && id < static_cast<int>(CEVImageSelections::kNumImages);
}
} // namespace

// Definition for the in-class constant, so it can be bound to references.
const unsigned CEVImageSelections::kNumImages;

CEVImageSelections::CEVImageSelections()
{
    for (unsigned id = 0; id < kNumImages; ++id)
    {
        m_infos[id] = CImageSelectionsInfo(kImageNames[id].label);
    }
}

CImageSelectionsInfo* CEVImageSelections::getImageSelectionsInfoFor(imageID id)
{
    return isImage(id) ? &m_infos[id] : nullptr;
}

const CImageSelectionsInfo* CEVImageSelections::getImageSelectionsInfoFor(imageID id) const
{
    return isImage(id) ? &m_infos[id] : nullptr;
}

bool CEVImageSelections::updateAbsolutePaths()
{
    const wxString cwd = wxGetCwd();
    if (cwd.empty())
    {
        return false;
    }
    for (CImageSelectionsInfo& info : m_infos)
    {
        const wxString relative = info.getRelativePath();
        if (relative.empty())
        {
            info.setAbsolutePath(wxString());
            continue;
        }
        wxFileName absolute(relative);
        absolute.MakeAbsolute(cwd);
        info.setAbsolutePath(absolute.GetFullPath());
    }
    return true;
}

wxString CEVImageSelections::keyFor(imageID id)
{
    return isImage(id) ? wxString(kImageNames[id].key) : wxString();
}

CEVImageSelections::imageID CEVImageSelections::idForKey(const wxString& key)
{
    for (unsigned id = 0; id < kNumImages; ++id)
    {
        if (key == kImageNames[id].key)
        {
            return static_cast<imageID>(id);
        }
    }
    return eNoImage;
}

bool CEVImageSelections::operator==(const CEVImageSelections& other) const
{
    for (unsigned id = 0; id < kNumImages; ++id)
    {
        if (!(m_infos[id] == other.m_infos[id]))
        {
            return false;
        }
    }
    return true;
}
