#pragma once

#include "external/data/QuestionData.h"
#include "views/AssessmentViewPanelBase.h"

#include <vector>

class CAssessmentMgr;
class CAssessmentTaking;
class CImageCache;
class CVeltoStaticCtrl;

// Sent to the panel's parent when the taker goes on from the last missed
// question, and when a page cannot be shown (the event's string says why).
wxDECLARE_EVENT(EVT_MISSED_REVIEW_DONE, wxCommandEvent);
wxDECLARE_EVENT(EVT_MISSED_PAGE_FAILED, wxCommandEvent);

// The review of the questions a taker missed, after the review page: each
// missed question's page with the assessment's pictures and font, the
// taker's answers checked (and not to be changed), every answer's text
// marked in words and symbols as the correct answer, the taker's answer, or
// both, and the question's reference text under the answers. Previous and
// Next move between the missed questions.
class CMissedQuestionsPanel : public CAssessmentViewPanelBase
{
public:
    CMissedQuestionsPanel(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                          const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL);

    // The three objects must outlive the panel, or the next initialize().
    // Finds the missed questions; showMissed() puts one on the screen.
    bool initialize(CAssessmentMgr* assessment, CImageCache* images, const CAssessmentTaking* taking);

    // The positions (0 for the first question) of the questions missed.
    const std::vector<unsigned>& getMissedPositions() const { return m_missed; }
    // Which of them is shown (0 for the first).
    unsigned getShownIndex() const { return m_shown; }
    // Shows missed question `index`; false, with the reason in
    // getLastError(), when its page cannot be shown.
    bool showMissed(unsigned index);
    // Previous and Next, for the keyboard; Next on the last missed question
    // ends the review. False where the move is not offered.
    bool goBack();
    bool goForward();

    // An answer's text with its marks: "✔ correct answer", "✘ your answer,
    // not correct", or both ways right.
    static wxString markedAnswer(const wxString& text, bool correct, bool chosen);
    // The text under the answers: the question's reference text.
    static wxString referenceLabel(const wxString& referenceText);

    CVeltoStaticCtrl* getReferenceText() const { return m_reference; }
    wxString getLastError() const { return m_lastError; }

protected:
    void handlePreviousButtonClicked() override;
    void handleNextButtonClicked() override;
    void handleSubmitButtonClicked() override;
    bool getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image) override;

private:
    void zeroInit();
    bool createControls();

    void showTakersAnswers();
    void placeReferenceText();
    void fail(const wxEventType& type);

    // The taker's answers stay as they were: a click puts them back.
    void OnAnswerClicked(wxCommandEvent& event);
    void OnResize(wxSizeEvent& event);

    CAssessmentMgr* m_assessment;
    CImageCache* m_images;
    const CAssessmentTaking* m_taking;
    std::vector<unsigned> m_missed;
    unsigned m_shown;
    // The question as shown: its answers carry the marks.
    CQuestionData m_shownQuestion;
    CVeltoStaticCtrl* m_reference;
    wxString m_lastError;

    wxDECLARE_EVENT_TABLE();
};
