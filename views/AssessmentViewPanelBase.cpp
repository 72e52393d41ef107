#include "views/AssessmentViewPanelBase.h"

#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"
#include "external/data/Translations.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoColours.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "views/QuestionPageLayout.h"
#include "views/ScaledBackground.h"

#include <wx/dc.h>
#include <wx/toplevel.h>
#include <wx/translation.h>

#include <cstdint>

wxBEGIN_EVENT_TABLE(CAssessmentViewPanelBase, wxPanel)
    EVT_ERASE_BACKGROUND(CAssessmentViewPanelBase::OnEraseBackground)
    EVT_SIZE(CAssessmentViewPanelBase::OnSize)
    EVT_COMMAND_RANGE(CAssessmentViewPanelBase::kFirstAnswerButtonID,
                      CAssessmentViewPanelBase::kLastAnswerButtonID, wxEVT_BUTTON,
                      CAssessmentViewPanelBase::OnAnswerButtonClicked)
    EVT_BUTTON(CAssessmentViewPanelBase::kPreviousButtonID, CAssessmentViewPanelBase::OnPreviousButtonClicked)
    EVT_UPDATE_UI(CAssessmentViewPanelBase::kPreviousButtonID,
                  CAssessmentViewPanelBase::OnPreviousButtonUpdateUI)
    EVT_BUTTON(CAssessmentViewPanelBase::kNextButtonID, CAssessmentViewPanelBase::OnNextButtonClicked)
    EVT_UPDATE_UI(CAssessmentViewPanelBase::kNextButtonID, CAssessmentViewPanelBase::OnNextButtonUpdateUI)
    EVT_BUTTON(CAssessmentViewPanelBase::kSubmitButtonID, CAssessmentViewPanelBase::OnSubmitButtonClicked)
    EVT_UPDATE_UI(CAssessmentViewPanelBase::kSubmitButtonID, CAssessmentViewPanelBase::OnSubmitButtonUpdateUI)
wxEND_EVENT_TABLE()

CAssessmentViewPanelBase::CAssessmentViewPanelBase(wxWindow* parent, int id, const wxPoint& pos,
                                                   const wxSize& size, long style)
    : wxPanel(parent, id, pos, size, style, wxPanelNameStr)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CAssessmentViewPanelBase::~CAssessmentViewPanelBase() = default;

void CAssessmentViewPanelBase::zeroInit()
{
    for (CControlSlot& slot : m_controls)
        slot = CControlSlot();
    m_question = nullptr;
    m_attributes = nullptr;
    m_lastClickedID = -1;
    m_layoutMode = eQuestionLayout;
    m_backgroundImage.Destroy();
}

bool CAssessmentViewPanelBase::createControls()
{
    CQuestionPageControls::create(this, m_controls, kFirstAnswerButtonID);
    m_controls[kScoreSlot].text = CQuestionPageControls::createText(this, "{score}");
    m_controls[kMissedQuestionsSlot].text = CQuestionPageControls::createText(this, "{num_missed_questions}");
    return true;
}

// ---------------------------------------------------------------------------
// Page operations

bool CAssessmentViewPanelBase::initializeForQuestion(CEVAttributes* attributes, CQuestionData* question)
{
    Freeze();
    initMemberVarsForNextQuestion();
    m_attributes = attributes;
    m_question = question;
    const bool ready = initializeImagesForQuestion() && initializeFontsForQuestionAndAnswer() &&
                       showValidWindowsForQuestion();
    if (ready)
        updateControlsForQuestion();
    return finishPage(ready);
}

bool CAssessmentViewPanelBase::initializeForSubmit(CEVAttributes* attributes)
{
    Freeze();
    m_attributes = attributes;
    return finishPage(initializeImagesForSubmit() && showValidWindowsForSubmit());
}

bool CAssessmentViewPanelBase::initializeForReview(CEVAttributes* attributes, unsigned int numMissedQuestions,
                                                   unsigned int numQuestions)
{
    Freeze();
    m_attributes = attributes;
    const bool ready =
        initializeImagesForReview() && initializeFontsForReview() && showValidWindowsForReview();
    if (ready)
        updateControlsForReview(numMissedQuestions, numQuestions);
    return finishPage(ready);
}

bool CAssessmentViewPanelBase::initializeForCongratulations(CEVAttributes* attributes)
{
    Freeze();
    m_attributes = attributes;
    return finishPage(initializeImagesForCongratulations() && showValidWindowsForCongratulations());
}

bool CAssessmentViewPanelBase::finishPage(bool succeeded)
{
    Thaw();
    // One refresh after all the hiding, showing and moving: the page is
    // painted once, in one piece.
    if (succeeded)
        Refresh(true, NULL);
    return succeeded;
}

bool CAssessmentViewPanelBase::initializeDisplaySize(wxTopLevelWindow* window)
{
    window->SetClientSize(m_backgroundImage.GetWidth(), m_backgroundImage.GetHeight());
    window->Move(0, 0);
    return true;
}

// ---------------------------------------------------------------------------
// Answers

bool CAssessmentViewPanelBase::getSelectedAnswerIndexes(wxArrayInt* indexes)
{
    indexes->Empty();
    const CQuestionPageControls page = questionPage();
    for (unsigned i = 0; i < CQuestionPageControls::kNumAnswers; ++i)
    {
        CVeltoCheckedButton* button = page.answerButton(i);
        if (button && button->isChecked())
            indexes->Add(int(i));
    }
    return true;
}

bool CAssessmentViewPanelBase::answersWereSelected()
{
    wxArrayInt indexes;
    return getSelectedAnswerIndexes(&indexes) && !indexes.IsEmpty();
}

void CAssessmentViewPanelBase::setButtonSelection(unsigned int index, bool checked, bool flag)
{
    const unsigned slot = CQuestionPageControls::kFirstAnswerSlot + index;
    wxCHECK_RET(slot < kNumControlSlots, "no button slot with this index");
    CVeltoCheckedButton* button = m_controls[slot].button;
    if (!button)
        return;
    button->setChecked(checked, flag);
    m_lastClickedID = button->GetId();
}

void CAssessmentViewPanelBase::initMemberVarsForNextQuestion()
{
    m_question = nullptr;
    m_attributes = nullptr;
    m_lastClickedID = -1;
    for (CControlSlot& slot : m_controls)
        if (slot.button)
            slot.button->setChecked(false, true);
}

CAssessmentViewPanelBase::eLayoutMode CAssessmentViewPanelBase::getLayoutMode()
{
    return m_layoutMode;
}

void CAssessmentViewPanelBase::setLayoutMode(eLayoutMode mode)
{
    m_layoutMode = mode;
}

void CAssessmentViewPanelBase::getCheckedButtonForID(int id, CVeltoCheckedButton** button)
{
    // The review slots behind the question page hold no button.
    questionPage().findButtonForID(id, button);
}

// ---------------------------------------------------------------------------
// Which controls each page shows

bool CAssessmentViewPanelBase::hideAllControls()
{
    for (CControlSlot& slot : m_controls)
    {
        if (slot.text)
            slot.text->Show(false);
        if (slot.button)
            slot.button->Show(false);
    }
    return true;
}

bool CAssessmentViewPanelBase::showValidWindowsForQuestion()
{
    hideAllControls();
    const unsigned numAnswers = m_question->getNumAnswers();
    const CQuestionPageControls page = questionPage();
    page.questionText()->Show(true);
    for (unsigned i = 0; i < CQuestionPageControls::kNumAnswers; ++i)
    {
        if (CVeltoStaticCtrl* text = page.answerText(i))
            text->Show(i < numAnswers);
        if (CVeltoCheckedButton* button = page.answerButton(i))
            button->Show(i < numAnswers);
    }
    return true;
}

bool CAssessmentViewPanelBase::showValidWindowsForReview()
{
    hideAllControls();
    m_controls[kScoreSlot].text->Show(true);
    m_controls[kMissedQuestionsSlot].text->Show(true);
    return true;
}

bool CAssessmentViewPanelBase::showValidWindowsForSubmit()
{
    return hideAllControls();
}

bool CAssessmentViewPanelBase::showValidWindowsForCongratulations()
{
    return hideAllControls();
}

// ---------------------------------------------------------------------------
// Pictures

bool CAssessmentViewPanelBase::initializeImagesForQuestion()
{
    if (!loadBackground(CEVImageSelections::eQuestionBackground))
        return false;
    return questionPage().setButtonImages([this](CEVImageSelections::imageID id, wxImage* image)
                                          { return getImageForID(m_attributes, id, image); });
}

bool CAssessmentViewPanelBase::initializeImagesForSubmit()
{
    return loadBackground(CEVImageSelections::eAnswersSubmittalBackground);
}

bool CAssessmentViewPanelBase::initializeImagesForReview()
{
    return loadBackground(CEVImageSelections::eReviewBackground);
}

bool CAssessmentViewPanelBase::initializeImagesForCongratulations()
{
    return loadBackground(CEVImageSelections::eCongratulationsBackground);
}

bool CAssessmentViewPanelBase::loadBackground(CEVImageSelections::imageID id)
{
    return getImageForID(m_attributes, id, &m_backgroundImage) && m_backgroundImage.IsOk();
}

// ---------------------------------------------------------------------------
// Fonts and texts

bool CAssessmentViewPanelBase::initializeFontsForQuestionAndAnswer()
{
    questionPage().applyFont(m_attributes->getFontInfo());
    return true;
}

bool CAssessmentViewPanelBase::initializeFontsForReview()
{
    // The review page has a look of its own, whatever the assessment's font.
    wxFont font(wxFontInfo(26).FaceName("Times New Roman"));
    for (unsigned slot : {kScoreSlot, kMissedQuestionsSlot})
    {
        m_controls[slot].text->SetFont(font);
        m_controls[slot].text->SetForegroundColour(CVeltoColours::kPellantTextColorYellow);
    }
    return true;
}

bool CAssessmentViewPanelBase::updateControlsForQuestion()
{
    const CQuestionPageControls page = questionPage();
    page.questionText()->SetLabel(m_question->getQuestion());
    for (unsigned i = 0; i < CQuestionPageControls::kNumAnswers; ++i)
        if (CVeltoStaticCtrl* text = page.answerText(i))
            text->SetLabel(m_question->getAnswer(i));
    return layoutControlsForQuestion();
}

bool CAssessmentViewPanelBase::updateControlsForReview(unsigned int numMissedQuestions,
                                                       unsigned int numQuestions)
{
    // Truncated, not rounded: 2 of 3 right is 66%.
    const std::uint32_t score =
        (std::uint32_t(numQuestions) * 100u - std::uint32_t(numMissedQuestions) * 100u) /
        std::uint32_t(numQuestions);
    m_controls[kScoreSlot].text->SetLabel(wxString::Format(_("Your score is %lu%%"), (unsigned long)score));
    m_controls[kMissedQuestionsSlot].text->SetLabel(
        wxString::Format(_("Number of questions to review: %lu"), (unsigned long)numMissedQuestions));
    return layoutControlsForReview();
}

// ---------------------------------------------------------------------------
// Layout

bool CAssessmentViewPanelBase::layoutControls()
{
    switch (m_layoutMode)
    {
    case eQuestionLayout:
        return layoutControlsForQuestion();
    case eReviewLayout:
        return layoutControlsForReview();
    default:
        return false;
    }
}

bool CAssessmentViewPanelBase::layoutControlsForQuestion()
{
    return CQuestionPageLayout(questionPage(), kOutsidePixelMargin, kInterControlPixelMargin)
        .layout(GetClientSize());
}

bool CAssessmentViewPanelBase::layoutControlsForReview()
{
    const wxSize client = GetClientSize();
    const int x = client.x / 4;
    const int y = 3 * client.y / 8;
    CVeltoStaticCtrl* score = m_controls[kScoreSlot].text;
    CVeltoStaticCtrl* missed = m_controls[kMissedQuestionsSlot].text;
    score->setWidth(unsigned(client.x - client.x / 4));
    missed->setWidth(unsigned(client.x - client.x / 4));
    score->SetSize(x, y, -1, -1, 0);
    missed->SetSize(x, y + score->GetCharHeight() + int(kInterControlPixelMargin), -1, -1, 0);
    return true;
}

unsigned int CAssessmentViewPanelBase::calculateQuestionWidth()
{
    return CQuestionPageLayout(questionPage(), kOutsidePixelMargin, kInterControlPixelMargin)
        .questionWidth(GetClientSize());
}

unsigned int CAssessmentViewPanelBase::calculateAnswerWidth()
{
    return CQuestionPageLayout(questionPage(), kOutsidePixelMargin, kInterControlPixelMargin)
        .answerWidth(GetClientSize());
}

wxPoint CAssessmentViewPanelBase::calculateTopLeftNavigationButtons()
{
    return CQuestionPageLayout(questionPage(), kOutsidePixelMargin, kInterControlPixelMargin)
        .topLeftNavigationButtons(GetClientSize());
}

// ---------------------------------------------------------------------------
// Events

void CAssessmentViewPanelBase::OnEraseBackground(wxEraseEvent& event)
{
    // Not skipped, also without a picture: the toolkit's own erasing would
    // paint over the page.
    if (wxDC* dc = event.GetDC())
        paintScaledBackground(*dc, m_backgroundImage, GetClientSize());
}

void CAssessmentViewPanelBase::OnSize(wxSizeEvent&)
{
    layoutControls();
}

void CAssessmentViewPanelBase::OnAnswerButtonClicked(wxCommandEvent& event)
{
    // The button has toggled itself already; only the one-answer rule is left.
    questionPage().answerClicked(m_question, event.GetId(), &m_lastClickedID);
}

void CAssessmentViewPanelBase::OnPreviousButtonClicked(wxCommandEvent&)
{
    handlePreviousButtonClicked();
}

void CAssessmentViewPanelBase::OnPreviousButtonUpdateUI(wxUpdateUIEvent& event)
{
    handlePreviousButtonUpdateUI(event);
}

void CAssessmentViewPanelBase::OnNextButtonClicked(wxCommandEvent&)
{
    handleNextButtonClicked();
}

void CAssessmentViewPanelBase::OnNextButtonUpdateUI(wxUpdateUIEvent& event)
{
    handleNextButtonUpdateUI(event);
}

void CAssessmentViewPanelBase::OnSubmitButtonClicked(wxCommandEvent&)
{
    handleSubmitButtonClicked();
}

void CAssessmentViewPanelBase::OnSubmitButtonUpdateUI(wxUpdateUIEvent& event)
{
    handleSubmitButtonUpdateUI(event);
}

void CAssessmentViewPanelBase::handlePreviousButtonUpdateUI(wxUpdateUIEvent& event)
{
    event.Enable(true);
}

void CAssessmentViewPanelBase::handleNextButtonUpdateUI(wxUpdateUIEvent& event)
{
    event.Enable(true);
}

void CAssessmentViewPanelBase::handleSubmitButtonUpdateUI(wxUpdateUIEvent& event)
{
    event.Enable(true);
}
