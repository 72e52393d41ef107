#include "app/TakeAssessmentPanel.h"

#include "app/ImageCache.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/EVAttributes.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "results/Attempt.h"

#include <wx/intl.h>
#include <wx/toplevel.h>

#include <algorithm>

wxDEFINE_EVENT(EVT_TAKE_PAGE_FAILED, wxCommandEvent);
wxDEFINE_EVENT(EVT_TAKE_PAGE_TURNED, wxCommandEvent);
wxDEFINE_EVENT(EVT_TAKE_REVIEW_MISSED, wxCommandEvent);

const wxString CTakeAssessmentPanel::kSeveralAnswersCue = wxTRANSLATE("Choose all that apply.");

namespace
{

// The narrowest an answer's text may get, in average letters of its font.
const int kMinAnswerTextLetters = 16;

} // namespace

// Navigation and painting are handled by the base panel; a resize is laid
// out by it first.
// clang-format off
wxBEGIN_EVENT_TABLE(CTakeAssessmentPanel, CAssessmentViewPanelBase)
    EVT_SIZE(CTakeAssessmentPanel::OnSize)
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
    m_questionText = nullptr;
    m_submitText = nullptr;
    m_clockText = nullptr;
    m_passText = nullptr;
    m_secondsLeft = -1;
    m_answerTexts.fill(nullptr);
    m_reviewTexts.fill(nullptr);
}

bool CTakeAssessmentPanel::createControls()
{
    // The base panel made its texts in a fixed order: the question, the ten
    // answers, then the score and the number of questions to review.
    std::vector<CVeltoStaticCtrl*> texts;
    for (wxWindow* child : GetChildren())
        if (auto* text = dynamic_cast<CVeltoStaticCtrl*>(child))
            texts.push_back(text);
    wxCHECK_MSG(texts.size() == 1 + m_answerTexts.size() + m_reviewTexts.size(), false,
                "the presentation panel's texts are not as expected");
    m_questionText = texts[0];
    std::copy_n(texts.begin() + 1, m_answerTexts.size(), m_answerTexts.begin());
    std::copy_n(texts.begin() + 1 + m_answerTexts.size(), m_reviewTexts.size(), m_reviewTexts.begin());
    for (CVeltoStaticCtrl* text : m_answerTexts)
    {
        text->SetCursor(wxCursor(wxCURSOR_HAND));
        text->Bind(wxEVT_LEFT_UP, &CTakeAssessmentPanel::OnAnswerTextClicked, this);
    }
    m_submitText = new CVeltoStaticCtrl(this, wxID_ANY, wxEmptyString);
    m_submitText->Hide();
    m_clockText = new CVeltoStaticCtrl(this, wxID_ANY, wxEmptyString);
    m_clockText->Hide();
    m_passText = new CVeltoStaticCtrl(this, wxID_ANY, wxEmptyString);
    m_passText->Hide();
    return true;
}

bool CTakeAssessmentPanel::initialize(CAssessmentMgr* assessment, CImageCache* images)
{
    m_assessment = assessment;
    m_images = images;
    m_taking = std::make_unique<CAssessmentTaking>(assessment);
    return true;
}

void CTakeAssessmentPanel::setDeliveryOrder(const CDeliveryOrder& order)
{
    if (m_taking)
        m_taking->setOrder(order);
}

void CTakeAssessmentPanel::restoreTaking(const std::vector<wxArrayInt>& answers, unsigned page)
{
    if (m_taking)
        m_taking->restore(answers, page);
}

bool CTakeAssessmentPanel::showCurrentPage()
{
    m_lastError.clear();
    if (!m_taking)
    {
        m_lastError = _("No assessment to take.");
        return false;
    }
    if (!showPage())
    {
        if (m_lastError.empty())
            m_lastError = m_images->getLastError();
        return false;
    }
    showNavigationButtons();
    m_submitText->Show(m_taking->getPage() == CAssessmentTaking::eSubmitPage);
    if (m_submitText->IsShown())
    {
        const CEVFontInfo* font = m_assessment->getAttributes()->getFontInfo();
        m_submitText->SetFont(font->getAsFont());
        m_submitText->SetForegroundColour(font->getFontColour());
        m_submitText->SetLabel(getUnansweredText());
    }
    m_clockText->Show(showsClock());
    if (m_clockText->IsShown())
    {
        const CEVFontInfo* font = m_assessment->getAttributes()->getFontInfo();
        m_clockText->SetFont(font->getAsFont());
        m_clockText->SetForegroundColour(font->getFontColour());
        m_clockText->SetLabel(clockText(m_secondsLeft));
    }
    m_passText->Show(!getPassText().empty());
    if (m_passText->IsShown())
    {
        // One more line of the review page, in its look.
        m_passText->SetFont(m_reviewTexts[0]->GetFont());
        m_passText->SetForegroundColour(m_reviewTexts[0]->GetForegroundColour());
        m_passText->SetLabel(getPassText());
    }
    placeNavigationButtons();
    placeSubmitText();
    placePassText();
    placeClockText();
    keepWindowLargeEnough();
    showTitle();
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
            m_lastError = wxString::Format(_("Question %u of the assessment is missing."),
                                           m_taking->getQuestionIndex() + 1);
            return false;
        }
        setLayoutMode(eQuestionLayout);
        const unsigned entry = m_taking->getCurrentEntry();
        m_shownQuestion = m_taking->getOrder().shownQuestion(entry, *question);
        wxString text = getProgressText() + "\n" + question->getQuestion();
        if (question->getCategoryType() == CQuestionData::eMultipleAnswers)
            text += "\n" + wxGetTranslation(kSeveralAnswersCue);
        m_shownQuestion.setQuestion(text);
        if (!initializeForQuestion(attributes, &m_shownQuestion))
            return false;
        // Answers given before come back when the test taker returns.
        selectAnswers(m_taking->getOrder().toShown(entry, m_taking->getAnswers(entry)));
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
}

// The question page's layout places the buttons itself; the other pages
// leave them where the last question page put them, which a resize would
// take out of the window, so they get the same column here.
void CTakeAssessmentPanel::placeNavigationButtons()
{
    if (getLayoutMode() == eQuestionLayout)
        return;
    wxWindow* previous = FindWindow(kPreviousButtonID);
    wxWindow* next = FindWindow(kNextButtonID);
    wxWindow* submit = FindWindow(kSubmitButtonID);
    const wxSize client = GetClientSize();
    const int widest = std::max({previous->GetSize().x, next->GetSize().x, submit->GetSize().x});
    const int inter = int(kInterControlPixelMargin);
    const int stack = previous->GetSize().y + next->GetSize().y + submit->GetSize().y + 2 * inter;
    const int x = client.x - widest - int(kOutsidePixelMargin);
    int y = client.y - stack - int(kOutsidePixelMargin);
    for (wxWindow* button : {previous, next, submit})
    {
        button->Move(x, y);
        y += button->GetSize().y + inter;
    }
    // Submit takes the place of Next, so that the test taker who kept
    // pressing Next finds it under the pointer.
    if (getLayoutMode() == eSubmitLayout)
        submit->Move(next->GetPosition());
}

// The count of unanswered questions stands where a question page has its
// question, in the same font.
void CTakeAssessmentPanel::placeSubmitText()
{
    if (!m_submitText->IsShown())
        return;
    const int outside = int(kOutsidePixelMargin);
    m_submitText->setWidth(unsigned(std::max(1, GetClientSize().x - 2 * outside)));
    m_submitText->Move(outside, outside);
}

// Below the number of questions to review, one gap lower, as wide.
void CTakeAssessmentPanel::placePassText()
{
    if (!m_passText->IsShown())
        return;
    const CVeltoStaticCtrl* missed = m_reviewTexts[1];
    m_passText->setWidth(unsigned(std::max(1, missed->GetSize().x)));
    m_passText->Move(missed->GetPosition().x,
                     missed->GetPosition().y + missed->GetSize().y + int(kInterControlPixelMargin));
}

wxString CTakeAssessmentPanel::getPassText() const
{
    if (!m_taking || m_taking->getPage() != CAssessmentTaking::eReviewPage)
        return wxString();
    const CDeliveryOptions* options = m_assessment->getDeliveryOptions();
    if (!options->hasPassMark())
        return wxString();
    // The score the review page shows above, against the mark.
    const unsigned score =
        CAttempt::scorePercent(m_taking->countMissedQuestions(), m_taking->getNumQuestions());
    if (score >= options->getPassMark())
        return wxString::Format(_("Passed: the pass mark is %u%%."), options->getPassMark());
    return wxString::Format(_("Not passed: the pass mark is %u%%."), options->getPassMark());
}

wxString CTakeAssessmentPanel::getProgressText() const
{
    if (!m_taking || m_taking->getPage() != CAssessmentTaking::eQuestionPage)
        return wxString();
    return wxString::Format(_("Question %u of %u"), m_taking->getQuestionIndex() + 1,
                            m_taking->getNumQuestions());
}

wxString CTakeAssessmentPanel::getUnansweredText() const
{
    if (!m_taking)
        return wxString();
    const unsigned total = m_taking->getNumQuestions();
    unsigned unanswered = 0;
    for (unsigned i = 0; i < total; ++i)
        if (m_taking->getAnswers(i).IsEmpty())
            ++unanswered;
    if (unanswered == 0)
        return wxString::Format(
            wxPLURAL("All %u questions are answered.", "All %u questions are answered.", total), total);
    // TRANSLATORS: how many questions are unanswered, of how many.
    return wxString::Format(wxPLURAL("%u of the %u questions is not answered yet.",
                                     "%u of the %u questions are not answered yet.", unanswered),
                            unanswered, total);
}

void CTakeAssessmentPanel::showTitle()
{
    wxTopLevelWindow* window = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this));
    if (!window)
        return;
    const wxString progress = getProgressText();
    window->SetTitle(progress.empty() ? wxString("Evalon") : progress + " - Evalon");
}

// ---------------------------------------------------------------------------
// The room each page needs. The texts wrap, so a page needs more height the
// narrower it is: the minimum is taken at the narrowest width allowed, and
// then every wider window has room as well.

wxSize CTakeAssessmentPanel::minimumClientSize() const
{
    if (!m_taking)
        return wxSize(1, 1);
    switch (m_taking->getPage())
    {
    case CAssessmentTaking::eQuestionPage:
        return minimumQuestionPageSize();
    case CAssessmentTaking::eSubmitPage:
        return minimumSubmitPageSize();
    case CAssessmentTaking::eReviewPage:
        return minimumReviewPageSize();
    case CAssessmentTaking::eCongratulationsPage:
        break;
    }
    const wxWindow* next = FindWindow(kNextButtonID);
    return wxSize(2 * int(kOutsidePixelMargin) + next->GetSize().x,
                  2 * int(kOutsidePixelMargin) + next->GetSize().y);
}

namespace
{

struct SNavigationColumn
{
    int width = 0;
    int height = 0; // the three buttons and the gaps between them
};

SNavigationColumn navigationColumn(const wxWindow* panel, int inter)
{
    SNavigationColumn column;
    for (int id : {CAssessmentViewPanelBase::kPreviousButtonID, CAssessmentViewPanelBase::kNextButtonID,
                   CAssessmentViewPanelBase::kSubmitButtonID})
    {
        const wxSize size = panel->FindWindow(id)->GetSize();
        column.width = std::max(column.width, size.x);
        column.height += size.y;
    }
    column.height += 2 * inter;
    return column;
}

} // namespace

wxSize CTakeAssessmentPanel::minimumQuestionPageSize() const
{
    const int outside = int(kOutsidePixelMargin);
    const int inter = int(kInterControlPixelMargin);
    const SNavigationColumn column = navigationColumn(this, inter);
    const wxSize answerButton = FindWindow(kFirstAnswerButtonID)->GetSize();
    const int previousWidth = FindWindow(kPreviousButtonID)->GetSize().x;
    const int answerWidth = kMinAnswerTextLetters * m_answerTexts[0]->GetCharWidth();
    // The layout gives the answers' texts what the answer button, the
    // Previous button and the margins leave.
    const int width = 2 * outside + answerButton.x + previousWidth + 2 * inter + answerWidth;

    const int questionHeight = m_questionText->measureWrapped(unsigned(width - 2 * outside)).y;
    int answersHeight = 0;
    for (const CVeltoStaticCtrl* text : m_answerTexts)
        if (text->IsShown())
            answersHeight += std::max(answerButton.y, text->measureWrapped(unsigned(answerWidth)).y) + inter;
    // The answers end one gap above the bottom; the question, which runs the
    // whole width, ends one gap above the navigation buttons.
    const int answersBottom = outside + questionHeight + 2 * inter + answersHeight;
    const int questionOverButtons = outside + questionHeight + inter + clockHeight() + column.height + outside;
    return wxSize(std::max(width, 2 * outside + column.width), std::max(answersBottom, questionOverButtons));
}

wxSize CTakeAssessmentPanel::minimumSubmitPageSize() const
{
    const int outside = int(kOutsidePixelMargin);
    const int inter = int(kInterControlPixelMargin);
    const SNavigationColumn column = navigationColumn(this, inter);
    const int width = 2 * outside + column.width + kMinAnswerTextLetters * m_submitText->GetCharWidth();
    const int textHeight = m_submitText->measureWrapped(unsigned(width - 2 * outside)).y;
    return wxSize(width, outside + textHeight + inter + clockHeight() + column.height + outside);
}

// The review page puts its two texts a quarter in from the left and three
// eighths down, the second one line below the first: the texts must not
// wrap, and the buttons' column must fit below them.
wxSize CTakeAssessmentPanel::minimumReviewPageSize() const
{
    const int outside = int(kOutsidePixelMargin);
    const int inter = int(kInterControlPixelMargin);
    const SNavigationColumn column = navigationColumn(this, inter);
    const CVeltoStaticCtrl* score = m_reviewTexts[0];
    const CVeltoStaticCtrl* missed = m_reviewTexts[1];
    const bool passShown = m_passText->IsShown();
    const int widest = std::max({score->measureWrapped(0).x, missed->measureWrapped(0).x,
                                 passShown ? m_passText->measureWrapped(0).x : 0}) +
                       1;
    const int width = std::max((4 * widest + 2) / 3, 2 * outside + column.width);
    const int passHeight = passShown ? m_passText->measureWrapped(0).y + inter : 0;
    const int belowTexts = score->GetCharHeight() + inter + missed->measureWrapped(0).y + inter + passHeight +
                           column.height + outside;
    return wxSize(width, (8 * belowTexts + 4) / 5 + 1);
}

void CTakeAssessmentPanel::keepWindowLargeEnough()
{
    wxTopLevelWindow* window = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this));
    if (!window)
        return;
    const wxSize minimum = minimumClientSize();
    window->SetMinClientSize(minimum);
    const wxSize client = window->GetClientSize();
    if (client.x < minimum.x || client.y < minimum.y)
        window->SetClientSize(wxSize(std::max(client.x, minimum.x), std::max(client.y, minimum.y)));
}

void CTakeAssessmentPanel::OnSize(wxSizeEvent& event)
{
    CAssessmentViewPanelBase::OnSize(event);
    placeNavigationButtons();
    placeSubmitText();
    placePassText();
    placeClockText();
}

// ---------------------------------------------------------------------------
// The clock of a timed attempt

bool CTakeAssessmentPanel::showsClock() const
{
    return m_secondsLeft >= 0 && m_taking &&
           (m_taking->getPage() == CAssessmentTaking::eQuestionPage ||
            m_taking->getPage() == CAssessmentTaking::eSubmitPage);
}

// The warnings are words on the page, in the clock's first line: a box
// would stop the taker in the middle of an answer.
wxString CTakeAssessmentPanel::clockText(long long seconds)
{
    const long long shown = std::max(0LL, seconds);
    const wxString time = wxString::Format("%lld:%02lld", shown / 60, shown % 60);
    if (shown <= 60)
        return _("Only 1 minute left") + "\n" + time;
    if (shown <= 5 * 60)
        return _("Only 5 minutes left") + "\n" + time;
    return _("Time left") + "\n" + time;
}

void CTakeAssessmentPanel::setSecondsLeft(long long seconds)
{
    m_secondsLeft = seconds;
    const bool shown = showsClock();
    if (shown)
    {
        m_clockText->SetLabel(clockText(seconds));
        placeClockText();
    }
    if (shown != m_clockText->IsShown())
    {
        m_clockText->Show(shown);
        keepWindowLargeEnough();
    }
}

// In the navigation column, above its top button: the answers' texts end
// left of that column and the question ends above the buttons with room for
// the clock (minimumClientSize() counts it in).
void CTakeAssessmentPanel::placeClockText()
{
    if (!m_clockText->IsShown())
        return;
    const SNavigationColumn column = navigationColumn(this, int(kInterControlPixelMargin));
    const wxPoint top = FindWindow(kPreviousButtonID)->GetPosition();
    m_clockText->setWidth(unsigned(column.width));
    const int x = GetClientSize().x - column.width - int(kOutsidePixelMargin);
    m_clockText->Move(x, top.y - int(kInterControlPixelMargin) - m_clockText->GetSize().y);
}

int CTakeAssessmentPanel::clockHeight() const
{
    if (!showsClock())
        return 0;
    // The longest of its texts, so that a warning never needs more room.
    const int width = navigationColumn(this, int(kInterControlPixelMargin)).width;
    CVeltoStaticCtrl* clock = m_clockText;
    const wxString label = clock->GetLabel();
    clock->wxControl::SetLabel(clockText(5 * 60));
    const int height = clock->measureWrapped(unsigned(width)).y;
    clock->wxControl::SetLabel(label);
    return height + int(kInterControlPixelMargin);
}

bool CTakeAssessmentPanel::submitNow()
{
    if (!m_taking)
        return false;
    keepAnswersOfQuestionShown();
    if (!m_taking->submitNow())
        return false;
    turnPage();
    return true;
}

// A click on an answer's text is a click on its button.
void CTakeAssessmentPanel::OnAnswerTextClicked(wxMouseEvent& event)
{
    event.Skip();
    const auto found = std::find(m_answerTexts.begin(), m_answerTexts.end(), event.GetEventObject());
    if (found != m_answerTexts.end())
        toggleAnswer(unsigned(found - m_answerTexts.begin()));
}

// As a click on the button does: the button toggles, takes the focus and
// tells the panel, which applies the one-answer rule.
bool CTakeAssessmentPanel::toggleAnswer(unsigned slot)
{
    if (!m_taking || m_taking->getPage() != CAssessmentTaking::eQuestionPage || slot >= m_answerTexts.size())
        return false;
    auto* button = dynamic_cast<CVeltoCheckedButton*>(FindWindow(kFirstAnswerButtonID + int(slot)));
    if (!button || !button->IsShown())
        return false;
    button->SetFocus();
    button->setChecked(!button->isChecked(), false);
    wxCommandEvent clicked(wxEVT_BUTTON, button->GetId());
    clicked.SetEventObject(button);
    clicked.SetInt(button->isChecked() ? 1 : 0);
    button->HandleWindowEvent(clicked);
    return true;
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
    const unsigned entry = m_taking->getCurrentEntry();
    m_taking->setAnswers(entry, m_taking->getOrder().toAuthor(entry, answers));
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
