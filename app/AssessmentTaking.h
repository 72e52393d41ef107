#pragma once

#include <wx/dynarray.h>

#include <vector>

class CAssessmentMgr;
class CQuestionData;

// Where a test taker stands in an assessment and what they answered. The
// pages come in this order: one page per question, the submit page, the review
// page, the congratulations page. Going back is possible up to the submit
// page; once submitted, the answers are final.
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
    // The question shown on a question page (0 for the first).
    unsigned getQuestionIndex() const { return m_questionIndex; }
    unsigned getNumQuestions() const { return static_cast<unsigned>(m_answers.size()); }
    // Null when the assessment names a question it does not hold.
    CQuestionData* getQuestion(unsigned index) const;
    CQuestionData* getCurrentQuestion() const { return getQuestion(m_questionIndex); }

    bool canGoPrevious() const;
    bool canGoNext() const;
    bool canSubmit() const;
    // Each returns false and stays on the page when the move is not offered.
    bool goPrevious();
    bool goNext();
    bool submit();

    // The checked answers of a question, ascending.
    void setAnswers(unsigned index, const wxArrayInt& answers);
    const wxArrayInt& getAnswers(unsigned index) const { return m_answers.at(index); }
    // Exactly the correct answers checked, no more and no fewer.
    bool isAnsweredRight(unsigned index) const;
    unsigned countMissedQuestions() const;

private:
    CAssessmentMgr* m_assessment;
    std::vector<wxArrayInt> m_answers;
    ePage m_page = eQuestionPage;
    unsigned m_questionIndex = 0;
};
