#pragma once

#include "app/ImageCache.h"

#include <wx/frame.h>
#include <wx/timer.h>

#include <functional>

#include <cstdint>
#include <memory>

class CAssessmentMgr;
class CAttemptRecording;
class CMissedQuestionsPanel;
class CTakeAssessmentPanel;

// The window in which a test taker takes an assessment: the presentation
// panel, sized to the pictures, and the keys that turn pages (Left or Page Up
// for Previous; Right or Page Down for Next and Submit; 1 to 9 and 0, or A
// to J, toggle the answers; Enter presses the focused button, or Next when an
// answer has the focus; Escape closes the
// window once the assessment is finished). Tab moves through the answers and
// buttons and Space checks the answer that has the focus. Every picture is
// loaded before the first page; closing during the attempt asks first.
class CTakeAssessmentFrame : public wxFrame
{
public:
    CTakeAssessmentFrame(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY,
                         const wxString& title = "Evalon", const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize, long style = wxDEFAULT_FRAME_STYLE,
                         const wxString& name = wxFrameNameStr);
    ~CTakeAssessmentFrame() override;

    // Keeps the attempt: its start, the answers so far at every page change
    // and on closing, and the submission. Given before initialize(); an
    // attempt resumed in it comes back with its answers, page and time left.
    void setRecording(std::unique_ptr<CAttemptRecording> recording);
    // After the review page, the missed questions one by one before the
    // congratulations page; off by default.
    void setMissedReviewOffered(bool offered);

    // Shows the first page and sizes the window to its background. The
    // assessment is the host's and must outlive the window. False, with the
    // reason in getLastError(), when the first page cannot be shown.
    bool initialize(CAssessmentMgr* assessment);

    // An interactive window (the default) reports a page that cannot be
    // shown in a message box and closes; otherwise it only keeps the reason
    // in getLastError(), for a caller that reports it its own way.
    void setInteractive(bool interactive) { m_interactive = interactive; }

    // What closing during an attempt asks, what Escape in full screen asks,
    // and what a taker whose time ran out is told; in English, shown through
    // wxGetTranslation().
    static const wxString kLeaveQuestion;
    static const wxString kLeaveFullScreenQuestion;
    static const wxString kTimeUpNotice;

    // Where the clock of a timed attempt reads the time, in seconds since
    // 1970 (UTC); the system's clock by default. Given before initialize().
    void setClock(std::function<long long()> now) { m_now = std::move(now); }
    // Shows the time left and submits the attempt once none is left; the
    // window's timer calls it every second.
    void updateClock();
    // Seconds until a timed attempt is submitted; negative without a limit.
    long long getSecondsLeft() const;

    // Fills the screen without the window's frame, the pages scaled to it
    // (F11 switches; Escape asks before leaving it), or back to a window.
    // A page whose minimum size (see CTakeAssessmentPanel) is larger than
    // the screen keeps the window, or brings it back when a later page
    // needs more, and the taker is told why (getFullScreenNotice()).
    void setFullScreen(bool fullScreen);
    // Why the test is not shown on the full screen; empty when nothing
    // stood in the way.
    wxString getFullScreenNotice() const { return m_fullScreenNotice; }
    // The page sets its minimum at every turn; in full screen it is checked
    // against the screen.
    void SetMinClientSize(const wxSize& size) override;

    CTakeAssessmentPanel* getPanel() const { return m_panel; }
    CMissedQuestionsPanel* getMissedPanel() const { return m_missedPanel; }
    CAttemptRecording* getRecording() const { return m_recording.get(); }
    // What the taker was last told about where their answers are kept
    // (shown in a message box when interactive); empty when all went well.
    wxString getLastNotice() const { return m_lastNotice; }
    const CImageCache& getImageCache() const { return m_images; }
    wxString getLastError() const { return m_lastError; }

private:
    void zeroInit();
    bool createControls();

    void OnBack(wxCommandEvent& event);
    void OnForward(wxCommandEvent& event);
    void OnFinish(wxCommandEvent& event);
    void OnToggleFullScreen(wxCommandEvent& event);
    void OnPageFailed(wxCommandEvent& event);
    void OnPageTurned(wxCommandEvent& event);
    void OnReviewMissed(wxCommandEvent& event);
    void OnMissedReviewDone(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClockTimer(wxTimerEvent& event);
    void startClock(CAssessmentMgr* assessment);

    bool loadEveryPicture(CAssessmentMgr* assessment);
    void restoreRecordedAttempt();
    std::uint64_t deliverySeed() const;
    bool isAttemptInProgress() const;

    void record();
    void tell(const wxString& notice, long icon);
    void showPanel(wxWindow* panel);
    // The words saying that a page of `minimum` does not fit the screen;
    // empty when it does.
    wxString fullScreenRefusal(const wxSize& minimum) const;
    void refuseFullScreen(const wxString& notice);

    CTakeAssessmentPanel* m_panel;
    CMissedQuestionsPanel* m_missedPanel;
    CAssessmentMgr* m_assessment;
    std::unique_ptr<CAttemptRecording> m_recording;
    wxString m_lastNotice;
    wxString m_fullScreenNotice;
    bool m_toldNotice;
    CImageCache m_images;
    wxString m_lastError;
    bool m_interactive;
    std::function<long long()> m_now;
    long long m_deadline; // seconds since 1970; 0 without a time limit
    wxTimer m_clockTimer;

    wxDECLARE_EVENT_TABLE();
};
