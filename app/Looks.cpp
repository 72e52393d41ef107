#include "app/Looks.h"

#include "app/InstalledFiles.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/intl.h>

const char CLooks::kDefaultLook[] = "default";

namespace
{

const char kLookFileName[] = "look.eva";

} // namespace

wxString CLooks::getFolder()
{
    // The build's copy of the looks is given by the build (app/CMakeLists.txt).
    return CInstalledFiles::find("evalon/looks", EVALON_BUILD_LOOKS_DIR);
}

wxArrayString CLooks::getNames()
{
    wxArrayString names;
    const wxString folder = getFolder();
    wxDir dir;
    if (folder.empty() || !wxDir::Exists(folder) || !dir.Open(folder))
        return names;
    wxString name;
    for (bool found = dir.GetFirst(&name, wxString(), wxDIR_DIRS); found; found = dir.GetNext(&name))
        if (wxFileName(folder + wxFILE_SEP_PATH + name, kLookFileName).FileExists())
            names.Add(name);
    names.Sort();
    return names;
}

bool CLooks::apply(const wxString& name, CEVAttributes* attributes, wxString* error)
{
    const wxString root = getFolder();
    if (root.empty())
    {
        *error = _("No looks are installed (share/evalon/looks is missing).");
        return false;
    }
    const wxString folder = root + wxFILE_SEP_PATH + name;
    const wxFileName lookFile(folder, kLookFileName);
    if (!lookFile.FileExists())
    {
        *error = wxString::Format(_("The look folder %s is missing or has no %s."), folder, kLookFileName);
        return false;
    }
    CAssessmentMgr look;
    CAssessmentSerializer reader(&look, lookFile.GetFullPath());
    if (!reader.load())
    {
        *error = wxString::Format(_("The look folder %s is damaged: %s"), folder, reader.getLastError());
        return false;
    }
    CEVImageSelections* pictures = look.getAttributes()->getImageSelections();
    for (unsigned id = 0; id < CEVImageSelections::kNumImages; ++id)
    {
        CImageSelectionsInfo* info = pictures->getImageSelectionsInfoFor(CEVImageSelections::imageID(id));
        wxFileName picture(info->getRelativePath());
        picture.MakeAbsolute(folder);
        if (info->getRelativePath().empty() || !picture.FileExists())
        {
            *error = wxString::Format(_("The look folder %s lacks the picture for \"%s\" (%s)."), folder,
                                      info->getLabel(), picture.GetFullPath());
            return false;
        }
        info->setRelativePath(picture.GetFullPath());
        info->setAbsolutePath(picture.GetFullPath());
    }
    *attributes = *look.getAttributes();
    return true;
}

bool CLooks::applyDefault(CEVAttributes* attributes, wxString* notice)
{
    wxString error;
    if (apply(kDefaultLook, attributes, &error))
        return true;
    *notice = error + "\n" + _("The new assessment has no pictures: choose them in Attributes.");
    return false;
}
