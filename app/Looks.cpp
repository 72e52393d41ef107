#include "app/Looks.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/app.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/stdpaths.h>

#include <unistd.h>

const char CLooks::kDefaultLook[] = "default";

namespace
{

const char kLookFileName[] = "look.eva";

// The program's folder, also for the commands that run without the toolkit
// (--import), before any application object exists to ask.
wxString programFolder()
{
    if (wxTheApp)
        return wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return wxString();
    path[length] = '\0';
    return wxFileName(wxString::FromUTF8(path)).GetPath();
}

} // namespace

wxString CLooks::getFolder()
{
    wxFileName installed = wxFileName::DirName(programFolder() + "/../share/evalon/looks");
    installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    if (installed.DirExists())
        return installed.GetPath();
#ifdef EVALON_BUILD_LOOKS_DIR
    if (wxFileName::DirExists(EVALON_BUILD_LOOKS_DIR))
        return EVALON_BUILD_LOOKS_DIR;
#endif
    return wxString();
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
    {
        if (wxFileName(folder + wxFILE_SEP_PATH + name, kLookFileName).FileExists())
            names.Add(name);
    }
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
