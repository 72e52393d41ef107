#include "app/UserAssessments.h"

#include "external/data/AssessmentsMgr.h"

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/stdpaths.h>

const char CUserAssessments::kListFileName[] = "assessments.xml";

CUserAssessments::CUserAssessments(const wxString& folder) : m_folder(folder)
{
}

wxString CUserAssessments::getDefaultFolder()
{
    return wxFileName(wxStandardPaths::Get().GetDocumentsDir(), "Evalon").GetFullPath();
}

wxString CUserAssessments::getListFileName() const
{
    return wxFileName(m_folder, kListFileName).GetFullPath();
}

bool CUserAssessments::open(CAssessmentsMgr* manager, const wxString& sampleFile)
{
    m_lastError.clear();
    const bool firstStart = !wxFileName::FileExists(getListFileName());
    if (!wxFileName::Mkdir(m_folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
    {
        m_lastError = wxString::Format(_("The folder %s cannot be created."), m_folder);
        return false;
    }
    if (!manager->load(getListFileName(), &m_lastError))
        return false;
    if (!firstStart)
        return true;

    wxString copy;
    if (!copySample(sampleFile, &copy))
        return false;
    manager->addExisting(copy);
    // Written here in any case, so that only this start is the first.
    return manager->store(&m_lastError);
}

bool CUserAssessments::copySample(const wxString& sampleFile, wxString* copy)
{
    const wxFileName sample(sampleFile);
    if (!sample.FileExists())
    {
        m_lastError = wxString::Format(_("The sample assessment %s is missing."), sampleFile);
        return false;
    }
    const wxString source = sample.GetPath();
    const wxString target = wxFileName(m_folder, sample.GetName()).GetFullPath();
    wxArrayString files;
    wxDir::GetAllFiles(source, &files);
    for (const wxString& file : files)
    {
        wxFileName to(file);
        to.MakeRelativeTo(source);
        to.MakeAbsolute(target);
        if (to.FileExists())
            continue;
        if (!to.Mkdir(wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) || !wxCopyFile(file, to.GetFullPath(), false))
        {
            m_lastError = wxString::Format(_("The sample cannot be copied to %s."), to.GetFullPath());
            return false;
        }
    }
    *copy = wxFileName(target, sample.GetFullName()).GetFullPath();
    return true;
}
