#include "external/data/AssessmentMgr.h"

#include <utility>

CAssessmentMgr::~CAssessmentMgr()
{
    clear();
}

CAssessmentMgrData* CAssessmentMgr::getDataAtIndex(unsigned index)
{
    return index < m_entries.GetCount() ? m_entries[index] : nullptr;
}

bool CAssessmentMgr::addData(CAssessmentMgrData& data)
{
    if (m_questions.getQuestionDataForID(data.m_questionID) == nullptr)
    {
        return false;
    }
    m_entries.Add(new CAssessmentMgrData(data));
    return true;
}

bool CAssessmentMgr::removeAtIndex(unsigned index)
{
    if (index >= m_entries.GetCount())
    {
        return false;
    }
    const int questionID = m_entries[index]->m_questionID;
    delete m_entries[index];
    m_entries.RemoveAt(index);
    // A question no entry names any more would never be written to the
    // assessment file again: drop it now so the model matches the file.
    for (CAssessmentMgrData* entry : m_entries)
    {
        if (entry->m_questionID == questionID)
        {
            return true;
        }
    }
    m_questions.removeQuestion(questionID);
    return true;
}

bool CAssessmentMgr::moveUp(unsigned index)
{
    if (index == 0 || index >= m_entries.GetCount())
    {
        return false;
    }
    std::swap(m_entries[index - 1], m_entries[index]);
    return true;
}

bool CAssessmentMgr::moveDown(unsigned index)
{
    if (index >= m_entries.GetCount() || index + 1 == m_entries.GetCount())
    {
        return false;
    }
    std::swap(m_entries[index], m_entries[index + 1]);
    return true;
}

void CAssessmentMgr::clear()
{
    for (CAssessmentMgrData* entry : m_entries)
    {
        delete entry;
    }
    m_entries.Clear();
    m_questions.clear();
    m_attributes = CEVAttributes();
    m_delivery = CDeliveryOptions();
}
