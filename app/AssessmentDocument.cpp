#include "app/AssessmentDocument.h"

#include "app/Looks.h"
#include "external/data/QuestionDataSerializer.h"

#include <wx/filename.h>
#include <wx/intl.h>

bool CAssessmentDocument::open(const wxString& path)
{
    m_lastError.clear();
    wxFileName file(path);
    file.MakeAbsolute();
    if (!file.FileExists())
    {
        m_lastError = wxString::Format(_("The assessment file %s does not exist."), file.GetFullPath());
        return false;
    }
    if (!wxSetWorkingDirectory(file.GetPath()))
    {
        m_lastError = wxString::Format(_("The folder %s cannot be entered."), file.GetPath());
        return false;
    }
    CAssessmentSerializer reader(&m_assessment, file.GetFullPath());
    if (!reader.loadPartially(&m_unreadable))
    {
        m_lastError = _("The assessment cannot be opened.") + "\n" + reader.getLastError();
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
        m_lastError = wxString::Format(_("The assessment file %s already exists."), file.GetFullPath());
        return false;
    }
    CAssessmentMgr fresh;
    CLooks::applyDefault(fresh.getAttributes(), notice);
    CAssessmentSerializer writer(&fresh, file.GetFullPath());
    if (!writer.store())
    {
        m_lastError = _("The assessment cannot be created.") + "\n" + writer.getLastError();
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
    writer.setQuestionsNotWritten(placeholderIDs());
    if (!writer.storeWithQuestions())
    {
        m_lastError = _("The assessment cannot be saved.") + "\n" + writer.getLastError();
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

std::vector<std::pair<unsigned, CAssessmentSerializer::SUnreadable>> CAssessmentDocument::getUnreadable()
{
    std::vector<std::pair<unsigned, CAssessmentSerializer::SUnreadable>> found;
    const std::set<int> placeholders = placeholderIDs();
    for (unsigned i = 0; i < m_assessment.getCount(); ++i)
    {
        const int id = m_assessment.getDataAtIndex(i)->m_questionID;
        for (const CAssessmentSerializer::SUnreadable& entry : m_unreadable)
        {
            if (entry.questionID == id && placeholders.count(id) > 0)
                found.emplace_back(i + 1, entry);
        }
    }
    return found;
}

std::set<int> CAssessmentDocument::placeholderIDs()
{
    std::set<int> ids;
    for (const CAssessmentSerializer::SUnreadable& entry : m_unreadable)
    {
        const CQuestionData* question =
            m_assessment.getQuestionDataMgr()->getQuestionDataForID(entry.questionID);
        if (question &&
            *question == CAssessmentSerializer::placeholderFor(entry.file, question->getFileNameReference()))
            ids.insert(entry.questionID);
    }
    return ids;
}

wxString CAssessmentDocument::describeUnreadable() const
{
    if (m_unreadable.empty())
        return wxString();
    wxString message = wxString::Format(
        wxPLURAL(
            // TRANSLATORS: %s is the assessment's file name, %zu how many of its question files are missing.
            // The English sentence says "files" for one too; "(missing: ...)" is how the list shows such an
            // entry.
            "%s opened without %zu of its question files. Their entries show as \"(missing: ...)\": "
            "remove them or point them at another question file (Edit menu); saving keeps them as they are.",
            "%s opened without %zu of its question files. Their entries show as \"(missing: ...)\": "
            "remove them or point them at another question file (Edit menu); saving keeps them as they are.",
            m_unreadable.size()),
        wxFileName(m_path).GetFullName(), m_unreadable.size());
    message << "\n";
    for (const CAssessmentSerializer::SUnreadable& entry : m_unreadable)
        message << "\n" << entry.reason;
    return message;
}

bool CAssessmentDocument::pointEntryAt(unsigned index, const wxString& path)
{
    m_lastError.clear();
    CAssessmentMgrData* entry = m_assessment.getDataAtIndex(index);
    if (!entry)
    {
        m_lastError = _("No question is selected.");
        return false;
    }
    wxFileName file(path);
    file.MakeAbsolute();
    CQuestionData question;
    CQuestionDataSerializer reader(&question, file.GetFullPath());
    if (!reader.load())
    {
        m_lastError = _("The question file cannot be used.") + "\n" + reader.getLastError();
        return false;
    }
    question.setFileNameReference(file.GetFullPath());
    CQuestionDataMgr* questions = m_assessment.getQuestionDataMgr();
    questions->removeQuestion(entry->m_questionID);
    questions->insertQuestion(entry->m_questionID, question);
    return true;
}
