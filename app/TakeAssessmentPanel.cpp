#include "app/TakeAssessmentPanel.h"

#include "app/ImageCache.h"
#include "external/data/AssessmentMgr.h"

wxDEFINE_EVENT(EVT_TAKE_PAGE_FAILED, wxCommandEvent);
wxDEFINE_EVENT(EVT_TAKE_PAGE_TURNED, wxCommandEvent);
wxDEFINE_EVENT(EVT_TAKE_REVIEW_MISSED, wxCommandEvent);

// Navigation and painting are handled by the base panel.
// clang-format off
wxBEGIN_EVENT_TABLE(CTakeAssessmentPanel, CAssessmentViewPanelBase)
wxEND_EVENT_TABLE()
// clang-format on

CTakeAssessmentPanel::CTakeAssessmentPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                           long style)
    : CAssessmentViewPanelBase(parent, id, pos, size, style)
{
    zeroInit();
    createControls();
}

CTakeAssessmentPanel::~CTakeAssessmentPanel() = default;

void CTakeAssessmentPanel::zeroInit()
{
    m_assessment = nullptr;
    m_images = nullptr;
    m_missedReviewOffered = false;
}

bool CTakeAssessmentPanel::createControls()
{
    // Every control belongs to the base panel.
    return true;
}

bool CTakeAssessmentPanel::initialize(CAssessmentMgr* assessment, CImageCache* images)
{
    m_assessment = assessment;
    m_images = images;
    m_taking = std::make_unique<CAssessmentTaking>(assessment);
    return true;
}

bool CTakeAssessmentPanel::showCurrentPage()
{
    m_lastError.clear();
    if (!m_taking)
    {
        m_lastError = "No assessment to take.";
        return false;
    }
    if (!showPage())
    {
        if (m_lastError.empty())
            m_lastError = m_images->getLastError();
        return false;
    }
    showNavigationButtons();
    focusFirstControl();
    return true;
}

bool CTakeAssessmentPanel::showPage()
{
    CEVAttributes* attributes = m_assessment->getAttributes();
    switch (m_taking->getPage())
    {
    case CAssessmentTaking::eQuestionPage:
    {
        CQuestionData* question = m_taking->getCurrentQuestion();
        if (question == nullptr)
        {
            m_lastError = wxString::Format("Question %u of the assessment is missing.",
                                           m_taking->getQuestionIndex() + 1);
            return false;
        }
        setLayoutMode(eQuestionLayout);
        if (!initializeForQuestion(attributes, question))
            return false;
        // Answers given before come back when the test taker returns.
        selectAnswers(m_taking->getAnswers(m_taking->getQuestionIndex()));
        return true;
    }
    case CAssessmentTaking::eSubmitPage:
        setLayoutMode(eSubmitLayout);
        return initializeForSubmit(attributes);
    case CAssessmentTaking::eReviewPage:
        setLayoutMode(eReviewLayout);
        return initializeForReview(attributes, m_taking->countMissedQuestions(), m_taking->getNumQuestions());
    case CAssessmentTaking::eCongratulationsPage:
        setLayoutMode(eCongratulationsLayout);
        return initializeForCongratulations(attributes);
    }
    return false;
}

void CTakeAssessmentPanel::selectAnswers(const wxArrayInt& answers)
{
    for (unsigned i = 0; i < CQuestionData::kMaxAnswers; ++i)
        setButtonSelection(i, false, false);
    for (int index : answers)
        if (index >= 0 && unsigned(index) < CQuestionData::kMaxAnswers)
            setButtonSelection(unsigned(index), true, false);
}

void CTakeAssessmentPanel::showNavigationButtons()
{
    wxWindow* previous = FindWindow(kPreviousButtonID);
    wxWindow* next = FindWindow(kNextButtonID);
    wxWindow* submit = FindWindow(kSubmitButtonID);
    previous->Show(m_taking->canGoPrevious());
    next->Show(m_taking->canGoNext());
    submit->Show(m_taking->canSubmit());
    // Submit takes the place of Next, so that the test taker who kept
    // pressing Next finds it under the pointer.
    if (m_taking->canSubmit() && getLayoutMode() == eSubmitLayout)
        submit->Move(next->GetPosition());
}

void CTakeAssessmentPanel::focusFirstControl()
{
    int id = wxID_NONE;
    switch (m_taking->getPage())
    {
    case CAssessmentTaking::eQuestionPage:
        id = kFirstAnswerButtonID;
        break;
    case CAssessmentTaking::eSubmitPage:
        id = kSubmitButtonID;
        break;
    case CAssessmentTaking::eReviewPage:
        id = kNextButtonID;
        break;
    case CAssessmentTaking::eCongratulationsPage:
        break;
    }
    // A page without controls keeps the focus in the panel itself, so that
    // the window still hears its keys; with controls, Tab skips the panel.
    wxWindow* control = id == wxID_NONE ? nullptr : FindWindow(id);
    const bool focusControl = control && control->IsShown();
    SetCanFocus(!focusControl);
    if (focusControl)
        control->SetFocus();
    else
        SetFocus();
}

void CTakeAssessmentPanel::keepAnswersOfQuestionShown()
{
    if (m_taking->getPage() != CAssessmentTaking::eQuestionPage)
        return;
    wxArrayInt answers;
    getSelectedAnswerIndexes(&answers);
    m_taking->setAnswers(m_taking->getQuestionIndex(), answers);
}

void CTakeAssessmentPanel::turnPage()
{
    wxCommandEvent turned(EVT_TAKE_PAGE_TURNED, GetId());
    turned.SetEventObject(this);
    ProcessWindowEvent(turned);
    if (showCurrentPage())
        return;
    wxCommandEvent failed(EVT_TAKE_PAGE_FAILED, GetId());
    failed.SetEventObject(this);
    failed.SetString(m_lastError);
    ProcessWindowEvent(failed);
}

void CTakeAssessmentPanel::handlePreviousButtonClicked()
{
    keepAnswersOfQuestionShown();
    if (m_taking->goPrevious())
        turnPage();
}

void CTakeAssessmentPanel::handleNextButtonClicked()
{
    if (m_taking->getPage() == CAssessmentTaking::eReviewPage && m_missedReviewOffered &&
        m_taking->countMissedQuestions() > 0)
    {
        wxCommandEvent review(EVT_TAKE_REVIEW_MISSED, GetId());
        review.SetEventObject(this);
        ProcessWindowEvent(review);
        return;
    }
    keepAnswersOfQuestionShown();
    if (m_taking->goNext())
        turnPage();
}

void CTakeAssessmentPanel::handleSubmitButtonClicked()
{
    if (m_taking->submit())
        turnPage();
}

bool CTakeAssessmentPanel::finishReview()
{
    if (!m_taking || m_taking->getPage() != CAssessmentTaking::eReviewPage || !m_taking->goNext())
        return false;
    turnPage();
    return true;
}

bool CTakeAssessmentPanel::goBack()
{
    if (!m_taking || !m_taking->canGoPrevious())
        return false;
    handlePreviousButtonClicked();
    return true;
}

bool CTakeAssessmentPanel::goForward()
{
    if (!m_taking)
        return false;
    if (m_taking->canGoNext())
        handleNextButtonClicked();
    else if (m_taking->canSubmit())
        handleSubmitButtonClicked();
    else
        return false;
    return true;
}

bool CTakeAssessmentPanel::getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id,
                                         wxImage* image)
{
    return m_images != nullptr && m_images->getImage(attributes, id, image);
}
