#include "app/AuthoringFrame.h"

#include "app/AssessmentDocument.h"
#include "app/DeliveryOptionsDlg.h"
#include "app/QuestionBankActions.h"
#include "app/ResultsFrame.h"
#include "app/ResultsSettings.h"
#include "app/TakeAssessmentFrame.h"
#include "assessment/AssessmentMgrPanel.h"
#include "attributes/EVAttributesDlg.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

// clang-format off
wxBEGIN_EVENT_TABLE(CAuthoringFrame, wxFrame)
    EVT_MENU(CAuthoringFrame::kAttributesID, CAuthoringFrame::OnAttributes)
    EVT_BUTTON(CAuthoringFrame::kAttributesID, CAuthoringFrame::OnAttributes)
    EVT_BUTTON(CAuthoringFrame::kDeliveryOptionsID, CAuthoringFrame::OnDeliveryOptions)
    EVT_UPDATE_UI(CAuthoringFrame::kDeliveryOptionsID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_MENU(CAuthoringFrame::kTakeAssessmentID, CAuthoringFrame::OnTakeAssessment)
    EVT_BUTTON(CAuthoringFrame::kTakeAssessmentID, CAuthoringFrame::OnTakeAssessment)
    EVT_MENU(CAuthoringFrame::kImportQuestionsID, CAuthoringFrame::OnImportQuestions)
    EVT_MENU(CAuthoringFrame::kExportQuestionsID, CAuthoringFrame::OnExportQuestions)
    EVT_MENU(CAuthoringFrame::kResultsID, CAuthoringFrame::OnResults)
    EVT_BUTTON(CAuthoringFrame::kResultsID, CAuthoringFrame::OnResults)
    EVT_MENU(wxID_SAVE, CAuthoringFrame::OnSave)
    EVT_MENU(wxID_CLOSE, CAuthoringFrame::OnCloseCommand)
    EVT_CLOSE(CAuthoringFrame::OnCloseWindow)
    EVT_UPDATE_UI(CAuthoringFrame::kAttributesID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(CAuthoringFrame::kTakeAssessmentID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(CAuthoringFrame::kPanelID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(CAuthoringFrame::kImportQuestionsID, CAuthoringFrame::OnUpdateWhileTaking)
wxEND_EVENT_TABLE()
// clang-format on

CAuthoringFrame::CAuthoringFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                                 const wxSize& size, long style, const wxString& name)
    : wxFrame(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CAuthoringFrame::~CAuthoringFrame() = default;

void CAuthoringFrame::zeroInit()
{
    m_document = nullptr;
    m_panel = nullptr;
    m_attributesButton = nullptr;
    m_takeButton = nullptr;
}

bool CAuthoringFrame::createControls()
{
    SetMenuBar(createMenuBar());
    m_panel =
        new CAssessmentMgrPanel(this, kPanelID, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
    m_attributesButton = new wxButton(this, kAttributesID, "A&ttributes...");
    m_takeButton = new wxButton(this, kTakeAssessmentID, "&Take Assessment");

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->AddStretchSpacer(1);
    buttonRow->Add(m_attributesButton, 0, wxALL, 10);
    buttonRow->Add(new wxButton(this, kDeliveryOptionsID, "&Delivery Options..."), 0, wxALL, 10);
    buttonRow->Add(new wxButton(this, kResultsID, "&Results..."), 0, wxALL, 10);
    buttonRow->Add(m_takeButton, 0, wxALL, 10);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(m_panel, 1, wxEXPAND);
    topSizer->Add(buttonRow, 0, wxEXPAND);
    SetSizerAndFit(topSizer);
    return true;
}

wxMenuBar* CAuthoringFrame::createMenuBar()
{
    auto* menu = new wxMenu;
    menu->Append(kAttributesID, "A&ttributes...\tCtrl+T");
    menu->Append(kTakeAssessmentID, "Take &Assessment\tF5");
    menu->Append(kResultsID, "&Results...\tCtrl+R");
    menu->AppendSeparator();
    menu->Append(kImportQuestionsID, "&Import Questions...");
    menu->Append(kExportQuestionsID, "&Export Questions...");
    menu->AppendSeparator();
    menu->Append(wxID_SAVE, "&Save\tCtrl+S");
    menu->Append(wxID_CLOSE, "&Close\tCtrl+W");
    auto* bar = new wxMenuBar;
    bar->Append(menu, "&Assessment");
    return bar;
}

bool CAuthoringFrame::initialize(CAssessmentDocument* document)
{
    m_document = document;
    SetTitle(wxFileName(document->getPath()).GetFullName() + " - Evalon");
    m_panel->initialize(document->getAssessment());
    return m_panel->reloadListCtrl();
}

void CAuthoringFrame::OnAttributes(wxCommandEvent&)
{
    // The dialog writes into the attributes itself; whether anything changed
    // shows in the document when the window closes.
    CEVAttributesDlg dialog;
    dialog.initialize(m_document->getAssessment()->getAttributes());
    dialog.ShowModal();
}

bool CAuthoringFrame::editDeliveryOptions()
{
    // As with the attributes, a change shows in the document when the
    // window closes.
    CDeliveryOptionsDlg dialog(this);
    dialog.initialize(m_document->getAssessment()->getDeliveryOptions());
    return dialog.ShowModal() == wxID_OK;
}

void CAuthoringFrame::OnDeliveryOptions(wxCommandEvent&)
{
    editDeliveryOptions();
}

void CAuthoringFrame::OnTakeAssessment(wxCommandEvent&)
{
    if (isTaking())
    {
        m_takeFrame->Raise();
        return;
    }
    auto* frame = new CTakeAssessmentFrame(this);
    if (!frame->initialize(m_document->getAssessment()))
    {
        wxMessageBox(frame->getLastError(), "Evalon", wxOK | wxICON_ERROR, this);
        frame->Destroy();
        return;
    }
    m_takeFrame = frame;
    frame->Show();
}

void CAuthoringFrame::OnResults(wxCommandEvent&)
{
    if (m_resultsFrame)
    {
        m_resultsFrame->Raise();
        return;
    }
    // The window shows what it can and why when the store cannot be read.
    auto* frame = new CResultsFrame(this);
    frame->initialize(m_document->getAssessment(), m_document->getPath(), CResultsSettings::storeUrl(wxString()));
    m_resultsFrame = frame;
    frame->Show();
}

void CAuthoringFrame::OnImportQuestions(wxCommandEvent&)
{
    CQuestionBankActions actions(this, m_document->getAssessment(), m_document->getPath());
    if (actions.importQuestions())
        m_panel->reloadListCtrl();
}

void CAuthoringFrame::OnExportQuestions(wxCommandEvent&)
{
    CQuestionBankActions(this, m_document->getAssessment(), m_document->getPath()).exportQuestions();
}

// The questions must stay as they are while they are being taken.
void CAuthoringFrame::OnUpdateWhileTaking(wxUpdateUIEvent& event)
{
    event.Enable(!isTaking());
}

bool CAuthoringFrame::saveDocument()
{
    if (m_document->save())
        return true;
    wxMessageBox(m_document->getLastError(), "Evalon", wxOK | wxICON_ERROR, this);
    return false;
}

void CAuthoringFrame::OnSave(wxCommandEvent&)
{
    saveDocument();
}

void CAuthoringFrame::OnCloseCommand(wxCommandEvent&)
{
    Close();
}

bool CAuthoringFrame::confirmClose(bool canVeto)
{
    if (!m_document || !m_document->isModified())
        return true;
    const wxString question = wxString::Format("Save the changes to %s before closing?",
                                               wxFileName(m_document->getPath()).GetFullName());
    const int answer =
        wxMessageBox(question, "Evalon", wxYES_NO | (canVeto ? wxCANCEL : 0) | wxICON_QUESTION, this);
    if (answer == wxCANCEL)
        return false;
    return answer == wxNO || saveDocument() || !canVeto;
}

void CAuthoringFrame::OnCloseWindow(wxCloseEvent& event)
{
    if (!confirmClose(event.CanVeto()))
    {
        event.Veto();
        return;
    }
    Destroy();
}
