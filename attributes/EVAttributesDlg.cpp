#include "attributes/EVAttributesDlg.h"

#include "attributes/EVAttributesNotebook.h"
#include "external/data/Translations.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/translation.h>

wxBEGIN_EVENT_TABLE(CEVAttributesDlg, wxDialog)
wxEND_EVENT_TABLE()

CEVAttributesDlg::CEVAttributesDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                                   const wxSize& size, long style, const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    // The default title was translated before the catalog could be loaded.
    SetTitle(wxGetTranslation(title));
    zeroInit();
    createControls();
}

CEVAttributesDlg::~CEVAttributesDlg() = default;

void CEVAttributesDlg::zeroInit()
{
    m_notebook = nullptr;
    m_okButton = nullptr;
    m_cancelButton = nullptr;
}

bool CEVAttributesDlg::createControls()
{
    m_notebook = new CEVAttributesNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "notebook");
    m_okButton = new wxButton(this, wxID_OK, _("&OK"));
    m_cancelButton = new wxButton(this, wxID_CANCEL, _("&Cancel"));

    // Cancel stands left of OK, though OK comes first in the focus order.
    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->Add(0, 0, 1);
    buttonRow->Add(m_cancelButton, 0, wxALL, 10);
    buttonRow->Add(m_okButton, 0, wxALL, 10);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    // The notebook follows the dialog when the author resizes it.
    topSizer->Add(m_notebook, 1, wxEXPAND | wxALL, 10);
    topSizer->Add(buttonRow, 0, wxEXPAND, 0);
    SetSizerAndFit(topSizer);
    return true;
}

bool CEVAttributesDlg::initialize(CEVAttributes* attributes)
{
    m_notebook->initialize(attributes);
    return true;
}

bool CEVAttributesDlg::TransferDataToWindow()
{
    return m_notebook->TransferDataToWindow();
}

bool CEVAttributesDlg::TransferDataFromWindow()
{
    return m_notebook->TransferDataFromWindow();
}
