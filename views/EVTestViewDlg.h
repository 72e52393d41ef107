#pragma once

#include "views/EvalonViewsExport.h"

#include <wx/dialog.h>
#include <wx/translation.h>

class CEVAttributes;
class CEVTestViewPanel;
class CQuestionData;

/// The preview of one question as a test taker will see it, filling a
/// maximized dialog. The caller creates one per preview with the defaults,
/// calls initialize() and shows it modally; nothing is read back.
class EVALON_VIEWS_EXPORT CEVTestViewDlg : public wxDialog
{
public:
    /// The defaults are the ones the library opens the preview with.
    CEVTestViewDlg(wxWindow* parent = nullptr, int id = wxID_ANY, const wxString& title = _("TestView"),
                   const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                   long style = wxCAPTION | wxFULL_REPAINT_ON_RESIZE | wxCLOSE_BOX | wxSYSTEM_MENU |
                                wxMAXIMIZE_BOX | wxRESIZE_BORDER,
                   const wxString& name = "dialogBox");
    ~CEVTestViewDlg() override;

    /// Sets the panel up and maximizes the dialog. A panel that could not load
    /// its pictures still shows the question's texts, so the result is true.
    bool initialize(CEVAttributes* attributes, CQuestionData* question);

    /// Passed on to the panel, which shows the question and reads nothing back.
    ///@{
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    ///@}

protected:
    /// The construction steps the constructor runs: every pointer to null,
    /// then the panel.
    ///@{
    void zeroInit();
    bool createControls();
    ///@}

private:
    CEVTestViewPanel* m_testViewPanel;

    wxDECLARE_EVENT_TABLE();
};
