#include "external/data/EVAttributes.h"

#include <wx/filename.h>
#include <wx/translation.h>

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
            found += wxString::Format(_("%s: no picture chosen"), info->getLabel()) + "\n";
        }
        else if (!wxFileName::FileExists(path))
        {
            found += wxString::Format(_("%s: file not found: %s"), info->getLabel(), path) + "\n";
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
