#include "app/TakerNameDlg.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

wxBEGIN_EVENT_TABLE(CTakerNameDlg, wxDialog)
    EVT_UPDATE_UI(wxID_OK, CTakerNameDlg::OnOkUpdateUI)
wxEND_EVENT_TABLE()

CTakerNameDlg::CTakerNameDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                             const wxSize& size, long style, const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

void CTakerNameDlg::zeroInit()
{
    m_nameCtrl = nullptr;
}

bool CTakerNameDlg::createControls()
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(
        new wxStaticText(this, wxID_ANY, _("Your name, as your teacher will see it with your answers:")), 0,
        wxALL, 10);
    m_nameCtrl = new wxTextCtrl(this, kNameID, wxString(), wxDefaultPosition, wxSize(360, -1));
    sizer->Add(m_nameCtrl, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(sizer);
    m_nameCtrl->SetFocus();
    return true;
}

void CTakerNameDlg::initialize(const wxString& name)
{
    m_name = name;
}

bool CTakerNameDlg::TransferDataToWindow()
{
    m_nameCtrl->ChangeValue(m_name);
    m_nameCtrl->SelectAll();
    return true;
}

bool CTakerNameDlg::TransferDataFromWindow()
{
    const wxString name = wxString(m_nameCtrl->GetValue()).Strip(wxString::both);
    if (name.empty())
        return false;
    m_name = name;
    return true;
}

void CTakerNameDlg::OnOkUpdateUI(wxUpdateUIEvent& event)
{
    // No attempt without a name to keep it under.
    event.Enable(!wxString(m_nameCtrl->GetValue()).Strip(wxString::both).empty());
}
