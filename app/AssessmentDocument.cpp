#include "app/AssessmentDocument.h"

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
