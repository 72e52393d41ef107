#include "app/TakeAssessmentFrame.h"

#include "app/AttemptRecording.h"
#include "app/HostMessages.h"
#include "app/MissedQuestionsPanel.h"
#include "app/TakeAssessmentPanel.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/EVAttributes.h"

#include <wx/accel.h>
#include <wx/display.h>
#include <wx/intl.h>
#include <wx/sizer.h>

#include <algorithm>
#include <random>

namespace
{

enum eCommandID
{
    kBackCommandID = 100,
    kForwardCommandID,
    kFinishCommandID,
    kFullScreenCommandID,
    kClockTimerID
};

long long systemSeconds()
{
    return (long long)(wxGetUTCTimeMillis().GetValue() / 1000);
}

} // namespace

const wxString CTakeAssessmentFrame::kTimeUpNotice =
    wxTRANSLATE("The time is up. Your answers were submitted as they were when the time ran out.");
const wxString CTakeAssessmentFrame::kLeaveFullScreenQuestion =
    wxTRANSLATE("Leave the full screen and show the test in a window?");
const wxString CTakeAssessmentFrame::kLeaveQuestion =
    wxTRANSLATE("Leave the test now? The answers given so far are kept; the test is not submitted.");

// clang-format off
wxBEGIN_EVENT_TABLE(CTakeAssessmentFrame, wxFrame)
    EVT_MENU(kBackCommandID, CTakeAssessmentFrame::OnBack)
    EVT_MENU(kForwardCommandID, CTakeAssessmentFrame::OnForward)
    EVT_MENU(kFinishCommandID, CTakeAssessmentFrame::OnFinish)
    EVT_MENU(kFullScreenCommandID, CTakeAssessmentFrame::OnToggleFullScreen)
    EVT_COMMAND(wxID_ANY, EVT_TAKE_PAGE_FAILED, CTakeAssessmentFrame::OnPageFailed)
    EVT_COMMAND(wxID_ANY, EVT_MISSED_PAGE_FAILED, CTakeAssessmentFrame::OnPageFailed)
    EVT_COMMAND(wxID_ANY, EVT_TAKE_PAGE_TURNED, CTakeAssessmentFrame::OnPageTurned)
    EVT_COMMAND(wxID_ANY, EVT_TAKE_REVIEW_MISSED, CTakeAssessmentFrame::OnReviewMissed)
    EVT_COMMAND(wxID_ANY, EVT_MISSED_REVIEW_DONE, CTakeAssessmentFrame::OnMissedReviewDone)
    EVT_CLOSE(CTakeAssessmentFrame::OnClose)
    EVT_CHAR_HOOK(CTakeAssessmentFrame::OnCharHook)
    EVT_TIMER(kClockTimerID, CTakeAssessmentFrame::OnClockTimer)
wxEND_EVENT_TABLE()
// clang-format on

CTakeAssessmentFrame::CTakeAssessmentFrame(wxWindow* parent, wxWindowID id, const wxString& title,
                                           const wxPoint& pos, const wxSize& size, long style,
                                           const wxString& name)
    : wxFrame(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CTakeAssessmentFrame::~CTakeAssessmentFrame() = default;

void CTakeAssessmentFrame::zeroInit()
{
    m_panel = nullptr;
    m_missedPanel = nullptr;
    m_assessment = nullptr;
    m_interactive = true;
    m_toldNotice = false;
    m_now = systemSeconds;
    m_deadline = 0;
    m_clockTimer.SetOwner(this, kClockTimerID);
}

bool CTakeAssessmentFrame::createControls()
{
    m_panel = new CTakeAssessmentPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_missedPanel = new CMissedQuestionsPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_missedPanel->Hide();
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_panel, 1, wxEXPAND);
    sizer->Add(m_missedPanel, 1, wxEXPAND);
    SetSizer(sizer);

    // Keys that turn pages and never touch an answer: Space stays with the
    // answer button that has the focus, Enter is OnCharHook's.
    wxAcceleratorEntry keys[] = {
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_LEFT, kBackCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_PAGEUP, kBackCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_RIGHT, kForwardCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_PAGEDOWN, kForwardCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_ESCAPE, kFinishCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_F11, kFullScreenCommandID),
    };
    SetAcceleratorTable(wxAcceleratorTable(int(WXSIZEOF(keys)), keys));
    return true;
}

bool CTakeAssessmentFrame::initialize(CAssessmentMgr* assessment)
{
    m_lastError.clear();
    m_images.clear();
    m_panel->initialize(assessment, &m_images);
    m_panel->setDeliveryOrder(CDeliveryOrder::forAssessment(*assessment, deliverySeed()));
    if (m_panel->getTaking()->getNumQuestions() == 0)
    {
        m_lastError = _("The assessment has no questions to take.");
        return false;
    }
    if (!loadEveryPicture(assessment))
        return false;
    restoreRecordedAttempt();
    if (!m_panel->showCurrentPage())
    {
        m_lastError = m_panel->getLastError();
        return false;
    }
    m_panel->initializeDisplaySize(this);
    m_assessment = assessment;
    startClock(assessment);
    // The attempt is in the store from its first page on.
    record();
    return true;
}

// A recorded attempt shuffles from its identifier, which the store keeps; one
// that is not recorded has nothing to keep and shuffles from chance.
std::uint64_t CTakeAssessmentFrame::deliverySeed() const
{
    if (m_recording)
        return CDeliveryOrder::seedOf(m_recording->getAttempt().m_id);
    std::random_device device;
    return (std::uint64_t(device()) << 32) | device();
}

// A resumed attempt comes back with its answers and at its page; a fresh one
// has neither, and starts at the first question.
void CTakeAssessmentFrame::restoreRecordedAttempt()
{
    if (!m_recording)
        return;
    const CAttempt& attempt = m_recording->getAttempt();
    std::vector<wxArrayInt> answers;
    bool anything = attempt.m_currentPage != 0;
    for (const SQuestionResult& question : attempt.m_questions)
    {
        wxArrayInt chosen;
        for (unsigned index : question.m_chosen)
            chosen.Add(int(index));
        anything = anything || !chosen.empty();
        answers.push_back(chosen);
    }
    if (anything)
        m_panel->restoreTaking(answers, attempt.m_currentPage);
}

// A picture that cannot be had is named before the first answer is given,
// not when its page comes (the review background only after the submit).
bool CTakeAssessmentFrame::loadEveryPicture(CAssessmentMgr* assessment)
{
    for (int id = 0; id < CEVImageSelections::eNoImage; ++id)
    {
        wxImage image;
        if (!m_images.getImage(assessment->getAttributes(), CEVImageSelections::imageID(id), &image))
        {
            m_lastError = m_images.getLastError();
            return false;
        }
    }
    return true;
}

// The clock runs from the attempt's start as the store keeps it, so that
// the time a crash took is not given back.
void CTakeAssessmentFrame::startClock(CAssessmentMgr* assessment)
{
    const unsigned minutes = assessment->getDeliveryOptions()->getTimeLimitMinutes();
    m_deadline = 0;
    if (minutes == 0)
        return;
    long long started = m_now();
    if (m_recording)
        CAttempt::parseUtc(m_recording->getAttempt().m_startedAt, &started);
    m_deadline = started + 60LL * minutes;
    updateClock();
    m_clockTimer.Start(1000);
}

long long CTakeAssessmentFrame::getSecondsLeft() const
{
    return m_deadline == 0 ? -1 : std::max(0LL, m_deadline - m_now());
}

void CTakeAssessmentFrame::updateClock()
{
    if (m_deadline == 0)
        return;
    const long long left = getSecondsLeft();
    m_panel->setSecondsLeft(left);
    if (!isAttemptInProgress())
    {
        m_clockTimer.Stop();
        return;
    }
    if (left > 0)
        return;
    m_clockTimer.Stop();
    m_lastNotice = wxGetTranslation(kTimeUpNotice);
    if (m_missedPanel->IsShown())
        showPanel(m_panel);
    m_panel->submitNow();
    if (m_interactive)
        CHostMessages::information(wxGetTranslation(kTimeUpNotice), this);
}

void CTakeAssessmentFrame::OnClockTimer(wxTimerEvent&)
{
    updateClock();
}

void CTakeAssessmentFrame::setRecording(std::unique_ptr<CAttemptRecording> recording)
{
    m_recording = std::move(recording);
}

void CTakeAssessmentFrame::setMissedReviewOffered(bool offered)
{
    m_panel->setMissedReviewOffered(offered);
}

void CTakeAssessmentFrame::record()
{
    if (!m_recording)
        return;
    switch (m_recording->record(*m_panel->getTaking()))
    {
    case CResultsRecorder::eStored:
        break;
    case CResultsRecorder::eKeptInOutbox:
        tell(wxGetTranslation(CResultsRecorder::kOutboxNotice), wxICON_INFORMATION);
        break;
    case CResultsRecorder::eLost:
        tell(_("Your answers could not be kept, neither in the results store nor on this computer.") + " " +
                 m_recording->getLastError(),
             wxICON_ERROR);
        break;
    }
}

void CTakeAssessmentFrame::tell(const wxString& notice, long icon)
{
    // Told once per attempt, and once more if it happens at the submit.
    const bool submitted = m_panel->getTaking()->getPage() == CAssessmentTaking::eReviewPage;
    m_lastNotice = notice;
    if (m_toldNotice && !submitted)
        return;
    m_toldNotice = true;
    if (m_interactive)
        CHostMessages::show(notice, wxOK | icon, this);
}

void CTakeAssessmentFrame::showPanel(wxWindow* panel)
{
    m_panel->Show(panel == m_panel);
    m_missedPanel->Show(panel == m_missedPanel);
    Layout();
}

void CTakeAssessmentFrame::OnBack(wxCommandEvent&)
{
    if (m_missedPanel->IsShown())
        m_missedPanel->goBack();
    else
        m_panel->goBack();
}

void CTakeAssessmentFrame::OnForward(wxCommandEvent&)
{
    if (m_missedPanel->IsShown())
        m_missedPanel->goForward();
    else if (m_panel->getTaking()->getPage() == CAssessmentTaking::eCongratulationsPage)
        Close();
    else
        m_panel->goForward();
}

void CTakeAssessmentFrame::OnPageTurned(wxCommandEvent&)
{
    record();
}

void CTakeAssessmentFrame::OnReviewMissed(wxCommandEvent&)
{
    m_missedPanel->initialize(m_assessment, &m_images, m_panel->getTaking());
    showPanel(m_missedPanel);
    if (!m_missedPanel->showMissed(0))
    {
        wxCommandEvent failed(EVT_MISSED_PAGE_FAILED, GetId());
        failed.SetString(m_missedPanel->getLastError());
        OnPageFailed(failed);
    }
}

void CTakeAssessmentFrame::OnMissedReviewDone(wxCommandEvent&)
{
    SetTitle("Evalon");
    showPanel(m_panel);
    m_panel->finishReview();
}

bool CTakeAssessmentFrame::isAttemptInProgress() const
{
    const CAssessmentTaking* taking = m_panel->getTaking();
    return m_assessment && taking &&
           (taking->getPage() == CAssessmentTaking::eQuestionPage ||
            taking->getPage() == CAssessmentTaking::eSubmitPage);
}

void CTakeAssessmentFrame::OnClose(wxCloseEvent& event)
{
    // Answers checked on the page shown, not yet kept by a page change: kept
    // first, whatever the test taker answers below.
    if (m_recording && m_panel->getTaking() &&
        m_panel->getTaking()->getPage() == CAssessmentTaking::eQuestionPage)
    {
        m_panel->keepAnswersOfQuestionShown();
        record();
    }
    if (m_interactive && event.CanVeto() && isAttemptInProgress() &&
        !CHostMessages::confirm(wxGetTranslation(kLeaveQuestion), this, true))
    {
        event.Veto();
        return;
    }
    event.Skip();
}

// The keys 1 to 9, 0 and A to J toggle the answers. Enter presses the button
// that has the focus, and means Next (or Submit) when an answer has it; an
// accelerator would take Previous forward too.
namespace
{

// The answer slot a key chooses: 1 to 9 and 0 (the tenth), or A to J; -1
// for any other key.
int answerSlotOfKey(int key)
{
    if (key >= '1' && key <= '9')
        return key - '1';
    if (key == '0')
        return 9;
    if (key >= WXK_NUMPAD1 && key <= WXK_NUMPAD9)
        return key - WXK_NUMPAD1;
    if (key == WXK_NUMPAD0)
        return 9;
    if (key >= 'A' && key <= 'J')
        return key - 'A';
    if (key >= 'a' && key <= 'j')
        return key - 'a';
    return -1;
}

} // namespace

void CTakeAssessmentFrame::OnCharHook(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (event.HasAnyModifiers())
    {
        event.Skip();
        return;
    }
    const int slot = answerSlotOfKey(key);
    if (slot >= 0)
    {
        if (!m_panel->IsShown() || !m_panel->toggleAnswer(unsigned(slot)))
            event.Skip();
        return;
    }
    if (key != WXK_RETURN && key != WXK_NUMPAD_ENTER)
    {
        event.Skip();
        return;
    }
    const wxWindow* focus = FindFocus();
    wxCommandEvent command(wxEVT_MENU, focus && focus->GetId() == CAssessmentViewPanelBase::kPreviousButtonID
                                           ? kBackCommandID
                                           : kForwardCommandID);
    ProcessWindowEvent(command);
}

void CTakeAssessmentFrame::OnFinish(wxCommandEvent&)
{
    // Escape must not throw away a test half taken, nor leave the full
    // screen by a slip of the finger.
    if (IsFullScreen())
    {
        if (!m_interactive || CHostMessages::confirm(wxGetTranslation(kLeaveFullScreenQuestion), this))
            setFullScreen(false);
        return;
    }
    if (m_panel->getTaking()->getPage() == CAssessmentTaking::eCongratulationsPage)
        Close();
}

void CTakeAssessmentFrame::OnToggleFullScreen(wxCommandEvent&)
{
    setFullScreen(!IsFullScreen());
}

// The page is laid out and painted at whatever size the window gets, its
// background scaled to it.
void CTakeAssessmentFrame::setFullScreen(bool fullScreen)
{
    m_fullScreenNotice.clear();
    if (fullScreen)
    {
        const wxString refusal = fullScreenRefusal(m_panel->minimumClientSize());
        if (!refusal.empty())
        {
            refuseFullScreen(refusal);
            return;
        }
    }
    ShowFullScreen(fullScreen, wxFULLSCREEN_ALL);
}

// Without its frame the window's client area is the whole screen: the page's
// minimum must fit in it, or answers and buttons would lie beyond its edge.
wxString CTakeAssessmentFrame::fullScreenRefusal(const wxSize& minimum) const
{
    const int index = wxDisplay::GetFromWindow(this);
    const wxSize screen = wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetGeometry().GetSize();
    if (minimum.x <= screen.x && minimum.y <= screen.y)
        return wxString();
    return wxString::Format(
        _("This page needs %d x %d pixels in the assessment's font, more than the screen's "
          "%d x %d, so the test stays in a window."),
        minimum.x, minimum.y, screen.x, screen.y);
}

void CTakeAssessmentFrame::refuseFullScreen(const wxString& notice)
{
    m_fullScreenNotice = notice;
    if (IsFullScreen())
        ShowFullScreen(false, wxFULLSCREEN_ALL);
    // After the page is set up: this runs in the middle of it.
    if (m_interactive)
        CallAfter([this, notice] { CHostMessages::information(notice, this); });
}

void CTakeAssessmentFrame::SetMinClientSize(const wxSize& size)
{
    wxFrame::SetMinClientSize(size);
    if (!IsFullScreen())
        return;
    const wxString refusal = fullScreenRefusal(size);
    if (!refusal.empty())
        refuseFullScreen(refusal);
}

void CTakeAssessmentFrame::OnPageFailed(wxCommandEvent& event)
{
    m_lastError = event.GetString();
    if (!m_interactive)
        return;
    CHostMessages::error(m_lastError, this);
    Close();
}
