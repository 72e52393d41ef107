#include "external/data/EVImageSelections.h"

#include <wx/filefn.h>
#include <wx/filename.h>

namespace
{
struct ImageNames
{
    const char* key;
    const char* label;
};

// In imageID order.
const ImageNames kImageNames[CEVImageSelections::kNumImages] = {
    {"questionBackground", "Question Background"},
    {"answerButtonCold", "Answer Button (Cold)"},
    {"answerButtonHot", "Answer Button (Hot)"},
    {"answerButtonChecked", "Answer Button (Checked)"},
    {"previousCold", "Previous Button (Cold)"},
    {"previousHot", "Previous Button (Hot)"},
    {"nextCold", "Next Button (Cold)"},
    {"nextHot", "Next Button (Hot)"},
    {"submitCold", "Submit Button (Cold)"},
    {"submitHot", "Submit Button (Hot)"},
    {"answersSubmittalBackground", "Answers Submittal Background"},
    {"reviewBackground", "Review Background"},
    {"congratulationsBackground", "Congratulations Background"},
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
