#include "app/AssessmentState.h"

#include "external/data/AssessmentMgr.h"

CAssessmentState CAssessmentState::of(CAssessmentMgr& assessment)
{
    CAssessmentState state;
    for (unsigned i = 0; i < assessment.getCount(); ++i)
        state.m_entries.push_back(assessment.getDataAtIndex(i)->m_questionID);
    CQuestionDataMgr* questions = assessment.getQuestionDataMgr();
    for (int id : questions->getIDs())
        state.m_questions.emplace(id, *questions->getQuestionDataForID(id));
    state.m_attributes = *assessment.getAttributes();
    state.m_delivery = *assessment.getDeliveryOptions();
    return state;
}

void CAssessmentState::restoreInto(CAssessmentMgr* assessment) const
{
    while (assessment->getCount() > 0)
        assessment->removeAtIndex(assessment->getCount() - 1);
    // Removed and inserted one by one rather than cleared: clearing would let
    // the identifiers of later questions collide with those undone.
    CQuestionDataMgr* questions = assessment->getQuestionDataMgr();
    for (int id : questions->getIDs())
        questions->removeQuestion(id);
    for (const auto& [id, question] : m_questions)
        questions->insertQuestion(id, question);
    for (int id : m_entries)
    {
        CAssessmentMgrData entry(id);
        assessment->addData(entry);
    }
    *assessment->getAttributes() = m_attributes;
    *assessment->getDeliveryOptions() = m_delivery;
}

bool CAssessmentState::operator==(const CAssessmentState& other) const
{
    return m_entries == other.m_entries && m_questions == other.m_questions &&
           m_attributes == other.m_attributes && m_delivery == other.m_delivery;
}
