#include "external/data/EVAttributes.h"

#include <wx/filename.h>

bool CEVAttributes::validateData(wxString* reasons) const
{
    wxString found;
    for (unsigned id = 0; id < CEVImageSelections::kNumImages; ++id)
    {
        const CImageSelectionsInfo* info =
            m_imageSelections.getImageSelectionsInfoFor(static_cast<CEVImageSelections::imageID>(id));
        const wxString path = info->getAbsolutePath();
        if (path.empty())
        {
            found += info->getLabel() + ": no picture chosen\n";
        }
        else if (!wxFileName::FileExists(path))
        {
            found += info->getLabel() + ": file not found: " + path + "\n";
        }
    }
    m_fontInfo.validateData(&found);
    if (reasons != nullptr)
    {
        *reasons += found;
    }
    return found.empty();
}

bool CEVAttributes::operator==(const CEVAttributes& other) const
{
    return m_fontInfo == other.m_fontInfo && m_imageSelections == other.m_imageSelections;
}
