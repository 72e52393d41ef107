#include "app/AssessmentTaking.h"

#include "external/data/AssessmentMgr.h"

CAssessmentTaking::CAssessmentTaking(CAssessmentMgr* assessment)
    : m_assessment(assessment), m_answers(assessment->getCount())
{
    std::vector<CDeliveryOrder::SShape> shapes(m_answers.size());
    for (unsigned i = 0; i < shapes.size(); ++i)
        if (const CQuestionData* question = getQuestion(i))
            shapes[i].numAnswers = question->getNumAnswers();
    m_order = CDeliveryOrder::identity(shapes);
    if (m_answers.empty())
        m_page = eSubmitPage;
}

void CAssessmentTaking::setOrder(const CDeliveryOrder& order)
{
    if (order.getNumEntries() == m_answers.size())
        m_order = order;
}

CQuestionData* CAssessmentTaking::getQuestion(unsigned index) const
{
    CAssessmentMgrData* entry = m_assessment->getDataAtIndex(index);
    return entry ? m_assessment->getQuestionDataMgr()->getQuestionDataForID(entry->m_questionID) : nullptr;
}

bool CAssessmentTaking::canGoPrevious() const
{
    return (m_page == eQuestionPage && m_questionIndex > 0) || (m_page == eSubmitPage && !m_answers.empty());
}

bool CAssessmentTaking::canGoNext() const
{
    return m_page == eQuestionPage || m_page == eReviewPage;
}

bool CAssessmentTaking::canSubmit() const
{
    // The review divides by the number of questions.
    return m_page == eSubmitPage && !m_answers.empty();
}

bool CAssessmentTaking::goPrevious()
{
    if (!canGoPrevious())
        return false;
    if (m_page == eSubmitPage)
        m_page = eQuestionPage;
    else
        --m_questionIndex;
    return true;
}

bool CAssessmentTaking::goNext()
{
    if (!canGoNext())
        return false;
    if (m_page == eReviewPage)
        m_page = eCongratulationsPage;
    else if (m_questionIndex + 1 < m_answers.size())
        ++m_questionIndex;
    else
        m_page = eSubmitPage;
    return true;
}

bool CAssessmentTaking::submit()
{
    if (!canSubmit())
        return false;
    m_page = eReviewPage;
    return true;
}

void CAssessmentTaking::restore(const std::vector<wxArrayInt>& answers, unsigned page)
{
    if (answers.size() != m_answers.size() || m_answers.empty())
        return;
    m_answers = answers;
    m_page = page >= m_answers.size() ? eSubmitPage : eQuestionPage;
    m_questionIndex = page >= m_answers.size() ? unsigned(m_answers.size()) - 1 : page;
}

bool CAssessmentTaking::submitNow()
{
    if (m_answers.empty() || (m_page != eQuestionPage && m_page != eSubmitPage))
        return false;
    m_page = eReviewPage;
    return true;
}

void CAssessmentTaking::setAnswers(unsigned index, const wxArrayInt& answers)
{
    if (index < m_answers.size())
        m_answers[index] = answers;
}

bool CAssessmentTaking::isAnsweredRight(unsigned index) const
{
    const CQuestionData* question = getQuestion(index);
    if (question == nullptr)
        return false;
    wxArrayInt correct;
    question->getCorrectAnswerIndexes(&correct);
    // Both lists are ascending and free of repeats.
    const wxArrayInt& given = m_answers.at(index);
    if (given.size() != correct.size())
        return false;
    for (size_t i = 0; i < given.size(); ++i)
        if (given[i] != correct[i])
            return false;
    return true;
}

unsigned CAssessmentTaking::countMissedQuestions() const
{
    unsigned missed = 0;
    for (unsigned i = 0; i < m_answers.size(); ++i)
        if (!isAnsweredRight(i))
            ++missed;
    return missed;
}
