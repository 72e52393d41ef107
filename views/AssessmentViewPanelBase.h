#pragma once

#include "views/EvalonViewsExport.h"
#include "external/data/EVImageSelections.h"
#include "views/ControlSlot.h"
#include "views/QuestionPageControls.h"

#include <wx/dynarray.h>
#include <wx/image.h>
#include <wx/panel.h>

class CEVAttributes;
class CQuestionData;
class CVeltoCheckedButton;
class CVeltoStaticCtrl;
class wxTopLevelWindow;

/// The panel on which a test taker works through an assessment, page by page:
/// question pages, a submit page, a review page and a congratulations page, each
/// over its own background picture. The host derives from it, decides which page
/// comes next, hands in the data of that page, reads the checked answers back,
/// answers the navigation buttons and supplies the pictures. The panel shows no
/// navigation button itself: the host shows the ones it wants (identifiers
/// kPreviousButtonID, kNextButtonID, kSubmitButtonID) after each page operation.
class EVALON_VIEWS_EXPORT CAssessmentViewPanelBase : public wxPanel
{
public:
    /// The layout a resize re-applies; the host sets it for the page it shows.
    enum eLayoutMode
    {
        eQuestionLayout = 0,        ///< question text, answers and navigation buttons
        eSubmitLayout = 1,          ///< nothing to lay out
        eCongratulationsLayout = 2, ///< nothing to lay out
        eReviewLayout = 3           ///< the score and the number of questions to review
    };

    /// The margins, in pixels, of the hand-made layout: around the page and
    /// between controls.
    ///@{
    static const unsigned kOutsidePixelMargin = CQuestionPageControls::kOutsidePixelMargin;
    static const unsigned kInterControlPixelMargin = CQuestionPageControls::kInterControlPixelMargin;
    ///@}

    /// The identifiers of the buttons: the ten answers, then the navigation
    /// buttons, which the host finds with FindWindow() to show them.
    ///@{
    static const int kFirstAnswerButtonID = 1000;
    static const int kLastAnswerButtonID = 1009;
    static const int kPreviousButtonID = 1010;
    static const int kNextButtonID = 1011;
    static const int kSubmitButtonID = 1012;
    ///@}

    /// Creates the panel and all its controls, hidden until the first page
    /// operation. The arguments are the toolkit's.
    CAssessmentViewPanelBase(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                             const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL);
    ~CAssessmentViewPanelBase() override;

    /// The page operations: the host calls one per page, with the
    /// assessment's attributes (and the page's data), and then shows the
    /// navigation buttons the page offers. Each hides every navigation
    /// button, asks getImageForID() for the page's pictures and paints the
    /// page once, in one piece. False when a picture cannot be had; the page
    /// is then left half set up and not refreshed, and the host decides what
    /// to do. Both objects must stay alive while the page is shown.
    ///
    /// initializeForQuestion() unchecks every answer and shows the question's
    /// text and as many answers as it has. initializeForReview() shows the
    /// score; `numQuestions` is at least 1 and not less than
    /// `numMissedQuestions`.
    ///@{
    bool initializeForQuestion(CEVAttributes* attributes, CQuestionData* question);
    bool initializeForSubmit(CEVAttributes* attributes);
    bool initializeForReview(CEVAttributes* attributes, unsigned int numMissedQuestions,
                             unsigned int numQuestions);
    bool initializeForCongratulations(CEVAttributes* attributes);
    ///@}

    /// Gives `window` a client area of the current background's size, at the
    /// screen's top left corner, so that the pictures show unscaled.
    bool initializeDisplaySize(wxTopLevelWindow* window);

protected:
    /// What the host does when the test taker presses Previous, Next or
    /// Submit: typically read the answers with getSelectedAnswerIndexes() and
    /// call the page operation of the page it chooses next.
    ///@{
    virtual void handlePreviousButtonClicked() = 0;
    virtual void handleNextButtonClicked() = 0;
    virtual void handleSubmitButtonClicked() = 0;
    ///@}
    /// Whether Previous, Next and Submit are enabled, asked at idle time;
    /// they are by default. A host that refuses Next until an answer is
    /// checked overrides handleNextButtonUpdateUI() with answersWereSelected().
    ///@{
    virtual void handlePreviousButtonUpdateUI(wxUpdateUIEvent& event);
    virtual void handleNextButtonUpdateUI(wxUpdateUIEvent& event);
    virtual void handleSubmitButtonUpdateUI(wxUpdateUIEvent& event);
    ///@}
    /// Fills `image` with the picture `attributes` select for `id` (eNoImage
    /// included) and returns true, or returns false when it cannot.
    virtual bool getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image) = 0;

    /// The indexes (0 to 9) of the checked answers, ascending. Returns true.
    bool getSelectedAnswerIndexes(wxArrayInt* indexes);
    /// Whether at least one answer is checked.
    bool answersWereSelected();
    /// Checks or unchecks a button, for a host that restores the answers of
    /// a question the test taker returns to. `index` 0 to 9 names an answer
    /// button, 10 to 12 previous, next and submit; 13 and 14 name slots
    /// without a button and change nothing. `flag` true repaints the button
    /// at once.
    void setButtonSelection(unsigned int index, bool checked, bool flag);
    /// Forgets the question and attributes and unchecks every button; the
    /// question page operation does this first.
    void initMemberVarsForNextQuestion();
    /// The layout a resize re-applies: the host sets the mode of the page it
    /// is about to show.
    ///@{
    eLayoutMode getLayoutMode();
    void setLayoutMode(eLayoutMode mode);
    ///@}

    /// Paint the background, stretched to the panel, and lay the page out
    /// again after a resize.
    ///@{
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);
    ///@}

private:
    static const unsigned kScoreSlot = 14;
    static const unsigned kMissedQuestionsSlot = 15;
    static const unsigned kNumControlSlots = 16;

    void zeroInit();
    bool createControls();
    CQuestionPageControls questionPage() const { return CQuestionPageControls(m_controls); }

    void getCheckedButtonForID(int id, CVeltoCheckedButton** button);
    bool hideAllControls();
    bool showValidWindowsForQuestion();
    bool showValidWindowsForReview();
    bool showValidWindowsForSubmit();
    bool showValidWindowsForCongratulations();

    bool initializeImagesForQuestion();
    bool initializeImagesForSubmit();
    bool initializeImagesForReview();
    bool initializeImagesForCongratulations();
    bool loadBackground(CEVImageSelections::imageID id);
    bool initializeFontsForQuestionAndAnswer();
    bool initializeFontsForReview();
    bool updateControlsForQuestion();
    bool updateControlsForReview(unsigned int numMissedQuestions, unsigned int numQuestions);

    bool layoutControls();
    bool layoutControlsForQuestion();
    bool layoutControlsForReview();
    unsigned int calculateQuestionWidth();
    unsigned int calculateAnswerWidth();
    wxPoint calculateTopLeftNavigationButtons();

    // Ends a page operation: thawed in any case, refreshed only when the page
    // could be set up.
    bool finishPage(bool succeeded);

    void OnAnswerButtonClicked(wxCommandEvent& event);
    void OnPreviousButtonClicked(wxCommandEvent& event);
    void OnPreviousButtonUpdateUI(wxUpdateUIEvent& event);
    void OnNextButtonClicked(wxCommandEvent& event);
    void OnNextButtonUpdateUI(wxUpdateUIEvent& event);
    void OnSubmitButtonClicked(wxCommandEvent& event);
    void OnSubmitButtonUpdateUI(wxUpdateUIEvent& event);

    CQuestionData* m_question = nullptr;
    CEVAttributes* m_attributes = nullptr;
    int m_lastClickedID = -1;
    // Slots 0 to 13 are the question page (see CQuestionPageControls); 14 and
    // 15 hold the score and missed-questions texts of the review page.
    CControlSlot m_controls[kNumControlSlots];
    eLayoutMode m_layoutMode = eQuestionLayout;
    wxImage m_backgroundImage;

    wxDECLARE_EVENT_TABLE();
};
