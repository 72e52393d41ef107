#include "app/ImageCache.h"

#include "external/data/EVAttributes.h"
#include "external/widgets/PictureLoader.h"

#include <wx/intl.h>

bool CImageCache::getImage(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image)
{
    m_lastError.clear();
    if (id == CEVImageSelections::eNoImage)
    {
        *image = wxImage();
        return true;
    }
    const CImageSelectionsInfo* info = attributes->getImageSelections()->getImageSelectionsInfoFor(id);
    if (info == nullptr)
    {
        m_lastError = wxString::Format(_("The assessment asks for an unknown picture (%d)."), int(id));
        return false;
    }
    const wxString path = info->getAbsolutePath();
    if (path.empty())
    {
        m_lastError = wxString::Format(_("No picture is chosen for \"%s\"."), info->getLabel());
        return false;
    }
    auto known = m_images.find(path);
    if (known != m_images.end())
    {
        *image = known->second;
        return true;
    }
    if (!load(info->getLabel(), path, image))
        return false;
    m_images[path] = *image;
    return true;
}

bool CImageCache::load(const wxString& label, const wxString& path, wxImage* image)
{
    // The loader refuses, before decoding, whatever could crash the program
    // or exhaust its memory, and logs nothing: the reason is reported here,
    // once, with the picture's name.
    wxString reason;
    if (!CPictureLoader::load(path, image, &reason))
    {
        m_lastError = wxString::Format(_("The picture \"%s\" cannot be loaded.\n%s."), label, reason);
        return false;
    }
    ++m_numDecoded;
    return true;
}

void CImageCache::clear()
{
    m_images.clear();
    m_lastError.clear();
    m_numDecoded = 0;
}
