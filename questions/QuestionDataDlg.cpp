#include "questions/QuestionDataDlg.h"

#include "external/data/Translations.h"
#include "questions/QuestionDataPanel.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/translation.h>

// (clang-format reads the table's closing macro as an unfinished statement and
// would run it into the constructor.)
// No entries: OK and Cancel keep the toolkit's standard handling.
wxBEGIN_EVENT_TABLE(CQuestionDataDlg, wxDialog)
wxEND_EVENT_TABLE()

CQuestionDataDlg::CQuestionDataDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& pos,
                                   const wxSize& size, long style, const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    // The default title was translated before the catalog could be loaded.
    SetTitle(wxGetTranslation(title));
    zeroInit();
    createControls();
}

CQuestionDataDlg::~CQuestionDataDlg() = default;

void CQuestionDataDlg::zeroInit()
{
    m_questionDataPanel = nullptr;
    m_okButton = nullptr;
    m_cancelButton = nullptr;
}

bool CQuestionDataDlg::createControls()
{
    m_questionDataPanel =
        new CQuestionDataPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
    m_okButton = new wxButton(this, wxID_OK, _("&OK"));
    m_cancelButton = new wxButton(this, wxID_CANCEL, _("&Cancel"));

    wxBoxSizer* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->AddStretchSpacer(1);
    buttonRow->Add(m_cancelButton, 0, wxALL, 10);
    buttonRow->Add(m_okButton, 0, wxALL, 10);

    wxBoxSizer* dialogSizer = new wxBoxSizer(wxVERTICAL);
    dialogSizer->Add(m_questionDataPanel, 1, wxEXPAND | wxALL, 10);
    dialogSizer->Add(buttonRow, 0, wxEXPAND, 0);
    SetSizerAndFit(dialogSizer);
    return true;
}

bool CQuestionDataDlg::initialize(CQuestionData* questionData)
{
    m_questionDataPanel->initialize(questionData);
    return true;
}

bool CQuestionDataDlg::TransferDataToWindow()
{
    return m_questionDataPanel->TransferDataToWindow();
}

bool CQuestionDataDlg::TransferDataFromWindow()
{
    return m_questionDataPanel->TransferDataFromWindow();
}
