#pragma once

#include <wx/dialog.h>
#include <wx/intl.h>

class wxTextCtrl;

// Asks the test taker's name before an attempt starts, offering the name
// given last time. OK needs a name that is not blank.
class CTakerNameDlg : public wxDialog
{
public:
    static const int kNameID = 2001;

    CTakerNameDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxString& title = _("Your name"),
                  const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                  long style = wxDEFAULT_DIALOG_STYLE, const wxString& name = wxDialogNameStr);

    // The name the field starts with.
    void initialize(const wxString& name);
    // The name as entered, without surrounding blanks.
    wxString getName() const { return m_name; }

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

private:
    void zeroInit();
    bool createControls();

    void OnOkUpdateUI(wxUpdateUIEvent& event);

    wxTextCtrl* m_nameCtrl;
    wxString m_name;

    wxDECLARE_EVENT_TABLE();
};
