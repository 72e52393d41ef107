#pragma once

#include "app/DeliveryOrder.h"

#include <wx/dynarray.h>

#include <vector>

class CAssessmentMgr;
class CQuestionData;

// Where a test taker stands in an assessment and what they answered. The
// pages come in this order: one page per question, the submit page, the review
// page, the congratulations page. Going back is possible up to the submit
// page; once submitted, the answers are final. The question pages show the
// entries in the delivery order (the author's by default); everything taking
// an index below counts entries in the author's order, and the answers are
// kept in the author's order too.
class CAssessmentTaking
{
public:
    enum ePage
    {
        eQuestionPage,
        eSubmitPage,
        eReviewPage,
        eCongratulationsPage
    };

    // The assessment is the host's and must outlive this object.
    explicit CAssessmentTaking(CAssessmentMgr* assessment);

    ePage getPage() const { return m_page; }
    // The delivery order of this attempt; set before the first page.
    void setOrder(const CDeliveryOrder& order);
    const CDeliveryOrder& getOrder() const { return m_order; }
    // The page position of the question shown on a question page (0 for the
    // first page), and the entry that page shows.
    unsigned getQuestionIndex() const { return m_questionIndex; }
    unsigned getCurrentEntry() const { return m_order.entryAt(m_questionIndex); }
    unsigned getNumQuestions() const { return static_cast<unsigned>(m_answers.size()); }
    // Null when the assessment names a question it does not hold.
    CQuestionData* getQuestion(unsigned index) const;
    CQuestionData* getCurrentQuestion() const { return getQuestion(getCurrentEntry()); }

    bool canGoPrevious() const;
    bool canGoNext() const;
    bool canSubmit() const;
    // Each returns false and stays on the page when the move is not offered.
    bool goPrevious();
    bool goNext();
    bool submit();
    // Back where an earlier run of the attempt stood: `answers` by entry (in
    // the author's order), `page` the page position (the number of
    // questions for the submit page). Only before the submit.
    void restore(const std::vector<wxArrayInt>& answers, unsigned page);
    // Submits from a question page as well, when the time is up.
    bool submitNow();

    // The checked answers of a question, ascending.
    void setAnswers(unsigned index, const wxArrayInt& answers);
    const wxArrayInt& getAnswers(unsigned index) const { return m_answers.at(index); }
    // Exactly the correct answers checked, no more and no fewer.
    bool isAnsweredRight(unsigned index) const;
    unsigned countMissedQuestions() const;

private:
    CAssessmentMgr* m_assessment;
    CDeliveryOrder m_order;
    std::vector<wxArrayInt> m_answers;
    ePage m_page = eQuestionPage;
    unsigned m_questionIndex = 0;
};
