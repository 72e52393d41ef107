#pragma once

#include "app/AssessmentTaking.h"
#include "external/data/QuestionData.h"
#include "views/AssessmentViewPanelBase.h"

#include <array>
#include <memory>

class CAssessmentMgr;
class CImageCache;
class CVeltoStaticCtrl;

// Sent to the panel's parent when a page cannot be shown (a picture is
// missing or unreadable); the event's string says which picture and why.
wxDECLARE_EVENT(EVT_TAKE_PAGE_FAILED, wxCommandEvent);
// Sent to the panel's parent after every move to another page, before the
// page is shown, so that the answers so far can be kept.
wxDECLARE_EVENT(EVT_TAKE_PAGE_TURNED, wxCommandEvent);
// Sent instead of moving on from the review page when the review of missed
// questions is offered and there are some.
wxDECLARE_EVENT(EVT_TAKE_REVIEW_MISSED, wxCommandEvent);

// The test taker's side of an assessment: the pages in our order (the
// questions, the submit page, the review page, the congratulations page), the
// answers kept while going back and forth, the score, and the pictures from
// an image cache. Beside what the presentation panel shows, a question page
// says "Question n of N" above the question (and "Choose all that apply."
// below it when several answers may be right), the submit page says how many
// questions are unanswered, a click on an answer's text toggles the answer,
// and the window is kept large enough for the page (minimumClientSize()).
class CTakeAssessmentPanel : public CAssessmentViewPanelBase
{
public:
    CTakeAssessmentPanel(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL);
    ~CTakeAssessmentPanel() override;

    // Both objects are the host's and must outlive the panel. Starts at the
    // first question; showCurrentPage() puts it on the screen.
    bool initialize(CAssessmentMgr* assessment, CImageCache* images);
    // The order this attempt shows the questions and answers in; before the
    // first page.
    void setDeliveryOrder(const CDeliveryOrder& order);
    // Where a resumed attempt stood (see CAssessmentTaking::restore()); before
    // the first page.
    void restoreTaking(const std::vector<wxArrayInt>& answers, unsigned page);
    // False, with the reason in getLastError(), when the page cannot be shown.
    bool showCurrentPage();

    // The keyboard's way through the pages: back is Previous where offered,
    // forward is Next or Submit. Answers are kept, never changed.
    bool goBack();
    bool goForward();

    // Checks exactly these answer slots (0 to 9, as shown) of the question shown.
    void selectAnswers(const wxArrayInt& answers);
    // Toggles the answer in `slot` (0 to 9, as shown) as a click on it does;
    // false when the page shows no such answer.
    bool toggleAnswer(unsigned slot);
    // Takes the checked answers of the question shown into the taking.
    void keepAnswersOfQuestionShown();

    // The time left of a timed attempt, shown on the question pages and the
    // submit page above the navigation buttons; negative for an attempt
    // without a time limit (the default).
    void setSecondsLeft(long long seconds);
    static wxString clockText(long long seconds);
    // Submits with the answers given so far, from a question page or the
    // submit page; false elsewhere.
    bool submitNow();
    CVeltoStaticCtrl* getClockText() const { return m_clockText; }

    // Whether Next on the review page asks the parent to review the missed
    // questions first (EVT_TAKE_REVIEW_MISSED); off by default.
    void setMissedReviewOffered(bool offered) { m_missedReviewOffered = offered; }
    // Goes on from the review page to the congratulations page.
    bool finishReview();

    // The smallest client area at which every control of the page shown is
    // inside it and none overlaps another, at the page's fonts.
    wxSize minimumClientSize() const;
    // "Question n of N" on a question page, empty elsewhere.
    wxString getProgressText() const;
    // The text the submit page shows above its buttons.
    wxString getUnansweredText() const;
    // What the review page says below the score when the assessment has a
    // pass mark: passed or not, and the mark; empty elsewhere.
    wxString getPassText() const;
    CVeltoStaticCtrl* getPassControl() const { return m_passText; }

    // In English: shown through wxGetTranslation().
    static const wxString kSeveralAnswersCue;

    const CAssessmentTaking* getTaking() const { return m_taking.get(); }
    wxString getLastError() const { return m_lastError; }

protected:
    void handlePreviousButtonClicked() override;
    void handleNextButtonClicked() override;
    void handleSubmitButtonClicked() override;
    bool getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image) override;

private:
    void zeroInit();
    bool createControls();

    bool showPage();
    void showNavigationButtons();
    void focusFirstControl();
    void placeNavigationButtons();
    void placeSubmitText();
    void placePassText();
    void placeClockText();
    bool showsClock() const;
    // The height the clock takes above the buttons, with its gap; 0 without.
    int clockHeight() const;
    // Gives the window the page's minimum size, growing it when it is smaller.
    void keepWindowLargeEnough();
    void showTitle();
    wxSize minimumQuestionPageSize() const;
    wxSize minimumSubmitPageSize() const;
    wxSize minimumReviewPageSize() const;

    void OnSize(wxSizeEvent& event);
    void OnAnswerTextClicked(wxMouseEvent& event);
    // Shows the page the taking moved to, and tells the parent when it cannot.
    void turnPage();

    CAssessmentMgr* m_assessment;
    CImageCache* m_images;
    std::unique_ptr<CAssessmentTaking> m_taking;
    wxString m_lastError;
    bool m_missedReviewOffered;
    // What the question page shows: the author's question with the progress
    // above it and the cue below; the answers stay the author's.
    CQuestionData m_shownQuestion;
    CVeltoStaticCtrl* m_questionText;
    CVeltoStaticCtrl* m_submitText;
    CVeltoStaticCtrl* m_clockText;
    CVeltoStaticCtrl* m_passText;
    long long m_secondsLeft;
    std::array<CVeltoStaticCtrl*, CQuestionData::kMaxAnswers> m_answerTexts;
    std::array<CVeltoStaticCtrl*, 2> m_reviewTexts;

    wxDECLARE_EVENT_TABLE();
};
