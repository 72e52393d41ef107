#pragma once

#include "questions/EvalonQuestionsExport.h"

#include <wx/dialog.h>
#include <wx/translation.h>

class CQuestionData;
class CQuestionDataPanel;
class wxButton;

/// The modal dialog in which an author edits one question: the question editor
/// panel above Cancel and OK at the bottom right. The toolkit's own OK handling
/// validates and calls TransferDataFromWindow, which writes every field into the
/// question; Cancel or the close box write nothing. The dialog keeps no pointer
/// to the question: the panel holds it.
class EVALON_QUESTIONS_EXPORT CQuestionDataDlg : public wxDialog
{
public:
    /// The defaults are the ones the library opens the dialog with.
    CQuestionDataDlg(wxWindow* parent = nullptr, int id = wxID_ANY, const wxString& title = _("QuestionData"),
                     const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                     long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER,
                     const wxString& name = "dialogBox");
    ~CQuestionDataDlg() override;

    /// Hands the question to the panel, which loads it.
    bool initialize(CQuestionData* questionData);

    /// Passed on to the panel (see CQuestionDataPanel).
    ///@{
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    ///@}

protected:
    /// The construction steps the constructor runs: every pointer to null,
    /// then the panel and the buttons.
    ///@{
    void zeroInit();
    bool createControls();
    ///@}

private:
    CQuestionDataPanel* m_questionDataPanel;
    wxButton* m_okButton;
    wxButton* m_cancelButton;

    wxDECLARE_EVENT_TABLE();
};
