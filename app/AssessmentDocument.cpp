#include "app/AssessmentDocument.h"

#include "app/Looks.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/filename.h>

bool CAssessmentDocument::open(const wxString& path)
{
    m_lastError.clear();
    wxFileName file(path);
    file.MakeAbsolute();
    if (!file.FileExists())
    {
        m_lastError = wxString::Format("The assessment file %s does not exist.", file.GetFullPath());
        return false;
    }
    if (!wxSetWorkingDirectory(file.GetPath()))
    {
        m_lastError = wxString::Format("The folder %s cannot be entered.", file.GetPath());
        return false;
    }
    CAssessmentSerializer reader(&m_assessment, file.GetFullPath());
    if (!reader.load())
    {
        m_lastError = "The assessment cannot be opened.\n" + reader.getLastError();
        return false;
    }
    m_assessment.getAttributes()->getImageSelections()->updateAbsolutePaths();
    m_path = file.GetFullPath();
    rememberSavedState();
    return true;
}

bool CAssessmentDocument::create(const wxString& path, wxString* notice)
{
    m_lastError.clear();
    wxFileName file(path);
    file.MakeAbsolute();
    if (file.FileExists())
    {
        m_lastError = wxString::Format("The assessment file %s already exists.", file.GetFullPath());
        return false;
    }
    CAssessmentMgr fresh;
    CLooks::applyDefault(fresh.getAttributes(), notice);
    CAssessmentSerializer writer(&fresh, file.GetFullPath());
    if (!writer.store())
    {
        m_lastError = "The assessment cannot be created.\n" + writer.getLastError();
        return false;
    }
    return open(file.GetFullPath());
}

bool CAssessmentDocument::saveAs(const wxString& path)
{
    wxFileName file(path);
    file.MakeAbsolute();
    // Pictures are named relative to the assessment's folder: absolute ones
    // still name the same files from another folder.
    CEVAttributes before = *m_assessment.getAttributes();
    CEVImageSelections* pictures = m_assessment.getAttributes()->getImageSelections();
    for (unsigned id = 0; id < CEVImageSelections::kNumImages; ++id)
    {
        CImageSelectionsInfo* info = pictures->getImageSelectionsInfoFor(CEVImageSelections::imageID(id));
        if (!info->getRelativePath().empty())
            info->setRelativePath(info->getAbsolutePath());
    }
    const wxString previous = m_path;
    m_path = file.GetFullPath();
    if (save())
    {
        wxSetWorkingDirectory(file.GetPath());
        return true;
    }
    m_path = previous;
    *m_assessment.getAttributes() = before;
    return false;
}

bool CAssessmentDocument::save()
{
    m_lastError.clear();
    CAssessmentSerializer writer(&m_assessment, m_path);
    if (!writer.storeWithQuestions())
    {
        m_lastError = "The assessment cannot be saved.\n" + writer.getLastError();
        return false;
    }
    rememberSavedState();
    return true;
}

bool CAssessmentDocument::isModified()
{
    return CAssessmentSerializer::toText(m_assessment, m_path) != m_savedText ||
           questionsNow() != m_savedQuestions;
}

void CAssessmentDocument::rememberSavedState()
{
    m_savedText = CAssessmentSerializer::toText(m_assessment, m_path);
    m_savedQuestions = questionsNow();
}

std::map<int, CQuestionData> CAssessmentDocument::questionsNow()
{
    std::map<int, CQuestionData> questions;
    CQuestionDataMgr* manager = m_assessment.getQuestionDataMgr();
    for (int id : manager->getIDs())
        questions.emplace(id, *manager->getQuestionDataForID(id));
    return questions;
}
