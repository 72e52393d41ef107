#pragma once

#include "views/EvalonViewsExport.h"
#include "views/ControlSlot.h"
#include "views/QuestionPageControls.h"

#include <wx/image.h>
#include <wx/panel.h>

class CEVAttributes;
class CQuestionData;
class wxTopLevelWindow;

/// The author's preview of one question, drawn as a test taker will see it: the
/// question page of CAssessmentViewPanelBase with the assessment's font, colour
/// and pictures, but self-contained. It loads the pictures itself from the
/// attributes' image selections (their absolute paths must be current), answer
/// clicks follow the test taker's rules, and the previous, next and submit
/// buttons are shown but do nothing. Nothing the author clicks is kept.
class EVALON_VIEWS_EXPORT CEVTestViewPanel : public wxPanel
{
public:
    /// The margins, in pixels, of the hand-made layout, as on the test
    /// taker's panel.
    ///@{
    static const unsigned kOutsidePixelMargin = CQuestionPageControls::kOutsidePixelMargin;
    static const unsigned kInterControlPixelMargin = CQuestionPageControls::kInterControlPixelMargin;
    ///@}

    /// The identifiers of the ten answer buttons and the three navigation
    /// buttons.
    ///@{
    static const int kFirstAnswerButtonID = 0;
    static const int kLastAnswerButtonID = 9;
    static const int kPreviousButtonID = 10;
    static const int kNextButtonID = 11;
    static const int kSubmitButtonID = 12;
    ///@}

    /// Creates the panel and its controls; initialize() gives it the question.
    /// The arguments are the toolkit's.
    CEVTestViewPanel(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL,
                     const wxString& name = wxPanelNameStr);
    ~CEVTestViewPanel() override;

    /// Shows `question` (required) with `attributes`. False when the background
    /// has no file or cannot be loaded, or a chosen button picture cannot be
    /// loaded; the texts are then still set and laid out, but fonts and the
    /// hiding of the answers beyond the question's count may be missing. A
    /// button picture that is not chosen stays empty. Shows no message.
    bool initialize(CEVAttributes* attributes, CQuestionData* question);
    /// Gives `window` a client area of the background's size, at the screen's
    /// top left corner.
    bool initializeDisplaySize(wxTopLevelWindow* window);

    /// Puts the question's texts into the controls and lays them out. Without
    /// a question the placeholder labels stay.
    bool TransferDataToWindow() override;
    /// The preview changes no data.
    bool TransferDataFromWindow() override;

protected:
    /// Paint the background stretched to the panel, lay the page out again
    /// after a resize, and clear the answer clicked before on a one-answer
    /// question.
    ///@{
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnAnswerButtonClicked(wxCommandEvent& event);
    ///@}
    /// Previous, next and submit: the preview has no other page to go to.
    void OnNavigationButtonClicked(wxCommandEvent& event);

private:
    void zeroInit();
    bool createControls();
    CQuestionPageControls questionPage() const { return CQuestionPageControls(m_controls); }

    bool initializeImages();
    // The picture at `path` into `image`; an empty path leaves it empty.
    static bool loadImage(const wxString& path, wxImage* image);
    bool initializeFonts();
    bool hideInvalidWindows();
    // The preview keeps no state of its own beside the controls.
    bool updateControls();
    bool layoutControls();

    CQuestionData* m_question;
    CEVAttributes* m_attributes;
    int m_lastClickedID;
    CControlSlot m_controls[CQuestionPageControls::kNumSlots];
    wxImage m_backgroundImage;

    wxDECLARE_EVENT_TABLE();
};
