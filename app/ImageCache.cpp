#include "app/ImageCache.h"

#include "external/data/EVAttributes.h"

#include <wx/filename.h>
#include <wx/log.h>

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
        m_lastError = wxString::Format("The assessment asks for an unknown picture (%d).", int(id));
        return false;
    }
    const wxString path = info->getAbsolutePath();
    if (path.empty())
    {
        m_lastError = wxString::Format("No picture is chosen for \"%s\".", info->getLabel());
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
    const wxString problem =
        wxString::Format("The picture \"%s\" cannot be loaded from the file\n%s\n", label, path);
    if (!wxFileName::FileExists(path))
    {
        m_lastError = problem + "The file does not exist.";
        return false;
    }
    wxImage loaded;
    {
        wxLogNull quiet; // the reason is reported here, once, in our words
        loaded.LoadFile(path, wxBITMAP_TYPE_ANY);
    }
    ++m_numDecoded;
    if (!loaded.IsOk())
    {
        m_lastError = problem + "The file is not a picture in a format the program reads.";
        return false;
    }
    *image = loaded;
    return true;
}

void CImageCache::clear()
{
    m_images.clear();
    m_lastError.clear();
    m_numDecoded = 0;
}
