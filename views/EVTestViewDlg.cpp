#include "views/EVTestViewDlg.h"

#include "external/data/Translations.h"
#include "views/EVTestViewPanel.h"

#include <wx/sizer.h>
#include <wx/translation.h>

wxBEGIN_EVENT_TABLE(CEVTestViewDlg, wxDialog)
wxEND_EVENT_TABLE()

CEVTestViewDlg::CEVTestViewDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& pos,
                               const wxSize& size, long style, const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    // The default title was translated before the catalog could be loaded.
    SetTitle(wxGetTranslation(title));
    zeroInit();
    createControls();
}

CEVTestViewDlg::~CEVTestViewDlg() = default;

void CEVTestViewDlg::zeroInit()
{
    m_testViewPanel = nullptr;
}

bool CEVTestViewDlg::createControls()
{
    m_testViewPanel =
        new CEVTestViewPanel(this, 0, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(m_testViewPanel, 1, wxEXPAND | wxALL, 0);
    SetSizer(topSizer);
    return true;
}

bool CEVTestViewDlg::initialize(CEVAttributes* attributes, CQuestionData* question)
{
    // The author sees what could be set up; the panel shows no message.
    m_testViewPanel->initialize(attributes, question);
    TransferDataToWindow();
    Maximize(true);
    return true;
}

bool CEVTestViewDlg::TransferDataToWindow()
{
    return m_testViewPanel->TransferDataToWindow();
}

bool CEVTestViewDlg::TransferDataFromWindow()
{
    return m_testViewPanel->TransferDataFromWindow();
}
