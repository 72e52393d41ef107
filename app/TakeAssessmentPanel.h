#pragma once

#include "app/AssessmentTaking.h"
#include "views/AssessmentViewPanelBase.h"

#include <memory>

class CAssessmentMgr;
class CImageCache;

// Sent to the panel's parent when a page cannot be shown (a picture is
// missing or unreadable); the event's string says which picture and why.
wxDECLARE_EVENT(EVT_TAKE_PAGE_FAILED, wxCommandEvent);

// The test taker's side of an assessment: the pages in our order (the
// questions, the submit page, the review page, the congratulations page), the
// answers kept while going back and forth, the score, and the pictures from
// an image cache.
class CTakeAssessmentPanel : public CAssessmentViewPanelBase
{
public:
    CTakeAssessmentPanel(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL);
    ~CTakeAssessmentPanel() override;

    // Both objects are the host's and must outlive the panel. Starts at the
    // first question; showCurrentPage() puts it on the screen.
    bool initialize(CAssessmentMgr* assessment, CImageCache* images);
    // False, with the reason in getLastError(), when the page cannot be shown.
    bool showCurrentPage();

    // The keyboard's way through the pages: back is Previous where offered,
    // forward is Next or Submit. Answers are kept, never changed.
    bool goBack();
    bool goForward();

    // Checks exactly these answers (indexes 0 to 9) of the question shown.
    void selectAnswers(const wxArrayInt& answers);

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
    void keepAnswersOfQuestionShown();
    void showNavigationButtons();
    void focusFirstControl();
    // Shows the page the taking moved to, and tells the parent when it cannot.
    void turnPage();

    CAssessmentMgr* m_assessment;
    CImageCache* m_images;
    std::unique_ptr<CAssessmentTaking> m_taking;
    wxString m_lastError;

    wxDECLARE_EVENT_TABLE();
};
