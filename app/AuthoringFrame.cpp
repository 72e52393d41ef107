#include "app/AuthoringFrame.h"

#include "app/AssessmentChange.h"
#include "app/AssessmentCheckDlg.h"
#include "app/AssessmentDocument.h"
#include "app/DeliveryOptionsDlg.h"
#include "app/HelpActions.h"
#include "app/HostMessages.h"
#include "app/Looks.h"
#include "app/QuestionBankActions.h"
#include "app/RecentFiles.h"
#include "app/ResultsFrame.h"
#include "app/ResultsSettings.h"
#include "app/TakeAssessmentFrame.h"
#include "assessment/AssessmentMgrPanel.h"
#include "attributes/EVAttributesDlg.h"
#include "external/data/QuestionData.h"

#include <wx/button.h>
#include <wx/choicdlg.h>
#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/sizer.h>

// clang-format off
wxBEGIN_EVENT_TABLE(CAuthoringFrame, wxFrame)
    EVT_MENU(CAuthoringFrame::kAttributesID, CAuthoringFrame::OnAttributes)
    EVT_BUTTON(CAuthoringFrame::kAttributesID, CAuthoringFrame::OnAttributes)
    EVT_MENU(CAuthoringFrame::kLookID, CAuthoringFrame::OnLook)
    EVT_BUTTON(CAuthoringFrame::kDeliveryOptionsID, CAuthoringFrame::OnDeliveryOptions)
    EVT_UPDATE_UI(CAuthoringFrame::kDeliveryOptionsID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_MENU(CAuthoringFrame::kDeliveryOptionsID, CAuthoringFrame::OnDeliveryOptions)
    EVT_MENU(CAuthoringFrame::kTakeAssessmentID, CAuthoringFrame::OnTakeAssessment)
    EVT_BUTTON(CAuthoringFrame::kTakeAssessmentID, CAuthoringFrame::OnTakeAssessment)
    EVT_MENU(CAuthoringFrame::kCheckID, CAuthoringFrame::OnCheck)
    EVT_MENU(CAuthoringFrame::kImportQuestionsID, CAuthoringFrame::OnImportQuestions)
    EVT_MENU(CAuthoringFrame::kExportQuestionsID, CAuthoringFrame::OnExportQuestions)
    EVT_MENU(CAuthoringFrame::kResultsID, CAuthoringFrame::OnResults)
    EVT_BUTTON(CAuthoringFrame::kResultsID, CAuthoringFrame::OnResults)
    EVT_MENU(wxID_NEW, CAuthoringFrame::OnNew)
    EVT_MENU(wxID_OPEN, CAuthoringFrame::OnOpen)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE9, CAuthoringFrame::OnRecentFile)
    EVT_MENU(wxID_SAVE, CAuthoringFrame::OnSave)
    EVT_MENU(wxID_SAVEAS, CAuthoringFrame::OnSaveAs)
    EVT_MENU(wxID_CLOSE, CAuthoringFrame::OnCloseCommand)
    EVT_MENU(wxID_EXIT, CAuthoringFrame::OnQuit)
    EVT_MENU(wxID_UNDO, CAuthoringFrame::OnUndo)
    EVT_MENU(wxID_REDO, CAuthoringFrame::OnRedo)
    EVT_MENU(CAuthoringFrame::kRemoveQuestionID, CAuthoringFrame::OnRemoveQuestion)
    EVT_MENU(CAuthoringFrame::kPointEntryID, CAuthoringFrame::OnPointEntry)
    EVT_MENU(wxID_HELP, CAuthoringFrame::OnGuide)
    EVT_MENU(wxID_ABOUT, CAuthoringFrame::OnAbout)
    EVT_MENU_OPEN(CAuthoringFrame::OnMenuOpen)
    EVT_CLOSE(CAuthoringFrame::OnCloseWindow)
    EVT_UPDATE_UI(CAuthoringFrame::kAttributesID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(CAuthoringFrame::kLookID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(CAuthoringFrame::kTakeAssessmentID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(CAuthoringFrame::kPanelID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(CAuthoringFrame::kImportQuestionsID, CAuthoringFrame::OnUpdateWhileTaking)
    EVT_UPDATE_UI(wxID_UNDO, CAuthoringFrame::OnUpdateUndo)
    EVT_UPDATE_UI(wxID_REDO, CAuthoringFrame::OnUpdateRedo)
    EVT_UPDATE_UI(CAuthoringFrame::kRemoveQuestionID, CAuthoringFrame::OnUpdateRemoveQuestion)
    EVT_UPDATE_UI(CAuthoringFrame::kPointEntryID, CAuthoringFrame::OnUpdateRemoveQuestion)
wxEND_EVENT_TABLE()
// clang-format on

namespace
{

// TRANSLATORS: a file dialog's choices: each name is followed by its pattern, which stays as it is.
const char kAssessmentFiles[] = wxTRANSLATE("Assessment files (*.eva)|*.eva|All files|*");

// The question list's buttons that change the assessment, and the name of
// the step each makes.
struct SPanelAction
{
    int id;
    const char* name; // translated where shown
};
const SPanelAction kPanelActions[] = {
    {CAssessmentMgrPanel::kCreateButtonID, wxTRANSLATE("Add Question")},
    {CAssessmentMgrPanel::kRemoveButtonID, wxTRANSLATE("Remove Question")},
    {CAssessmentMgrPanel::kViewDetailsButtonID, wxTRANSLATE("Edit Question")},
    {CAssessmentMgrPanel::kMoveUpButtonID, wxTRANSLATE("Move Up")},
    {CAssessmentMgrPanel::kMoveDownButtonID, wxTRANSLATE("Move Down")},
};

} // namespace

CAuthoringFrame::CAuthoringFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                                 const wxSize& size, long style, const wxString& name)
    : wxFrame(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CAuthoringFrame::~CAuthoringFrame()
{
    CRecentFiles::forget(m_fileMenu);
}

void CAuthoringFrame::zeroInit()
{
    m_document = nullptr;
    m_panel = nullptr;
    m_attributesButton = nullptr;
    m_takeButton = nullptr;
    m_fileMenu = nullptr;
    m_inPanelAction = false;
}

bool CAuthoringFrame::createControls()
{
    SetMenuBar(createMenuBar());
    m_panel =
        new CAssessmentMgrPanel(this, kPanelID, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
    m_attributesButton = new wxButton(this, kAttributesID, _("A&ttributes..."));
    m_takeButton = new wxButton(this, kTakeAssessmentID, _("&Take Assessment"));
    // Bound, not in the table: they are the panel's events, caught before its own table runs.
    m_panel->Bind(wxEVT_BUTTON, &CAuthoringFrame::OnPanelButton, this);
    m_panel->Bind(wxEVT_LIST_ITEM_ACTIVATED, &CAuthoringFrame::OnPanelActivated, this);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->AddStretchSpacer(1);
    buttonRow->Add(m_attributesButton, 0, wxALL, 10);
    buttonRow->Add(new wxButton(this, kDeliveryOptionsID, _("&Delivery Options...")), 0, wxALL, 10);
    buttonRow->Add(new wxButton(this, kResultsID, _("&Results...")), 0, wxALL, 10);
    buttonRow->Add(m_takeButton, 0, wxALL, 10);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(m_panel, 1, wxEXPAND);
    topSizer->Add(buttonRow, 0, wxEXPAND);
    SetSizerAndFit(topSizer);

    // Ctrl+Shift+Z redoes too; a menu item has room for one accelerator only.
    wxAcceleratorEntry redo(wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', wxID_REDO);
    SetAcceleratorTable(wxAcceleratorTable(1, &redo));
    return true;
}

wxMenuBar* CAuthoringFrame::createMenuBar()
{
    auto* bar = new wxMenuBar;
    bar->Append(createFileMenu(), _("&File"));
    bar->Append(createEditMenu(), _("&Edit"));
    bar->Append(createAssessmentMenu(), _("&Assessment"));
    bar->Append(CHelpActions::createMenu(), _("&Help"));
    return bar;
}

wxMenu* CAuthoringFrame::createFileMenu()
{
    m_fileMenu = new wxMenu;
    m_fileMenu->Append(wxID_NEW, _("&New...\tCtrl+N"));
    m_fileMenu->Append(wxID_OPEN, _("&Open...\tCtrl+O"));
    m_fileMenu->Append(wxID_SAVE, _("&Save\tCtrl+S"));
    m_fileMenu->Append(wxID_SAVEAS, _("Save &As...\tCtrl+Shift+S"));
    m_fileMenu->AppendSeparator();
    CRecentFiles::use(m_fileMenu);
    m_fileMenu->AppendSeparator();
    m_fileMenu->Append(wxID_CLOSE, _("&Close\tCtrl+W"));
    m_fileMenu->Append(wxID_EXIT, _("&Quit\tCtrl+Q"));
    return m_fileMenu;
}

wxMenu* CAuthoringFrame::createEditMenu()
{
    auto* menu = new wxMenu;
    menu->Append(wxID_UNDO, _("&Undo\tCtrl+Z"));
    menu->Append(wxID_REDO, _("&Redo\tCtrl+Y"));
    menu->AppendSeparator();
    menu->Append(kRemoveQuestionID, _("&Remove Question\tDelete"));
    menu->Append(kPointEntryID, _("Point Entry at &File..."));
    m_commands.SetEditMenu(menu);
    m_commands.SetMenuStrings();
    return menu;
}

wxMenu* CAuthoringFrame::createAssessmentMenu()
{
    auto* menu = new wxMenu;
    menu->Append(kCheckID, _("&Check Assessment\tF7"));
    menu->Append(kTakeAssessmentID, _("&Take Assessment\tF5"));
    menu->AppendSeparator();
    menu->Append(kAttributesID, _("A&ttributes...\tCtrl+T"));
    menu->Append(kLookID, _("Use an Installed &Look..."));
    menu->Append(kDeliveryOptionsID, _("&Delivery Options..."));
    menu->AppendSeparator();
    menu->Append(kImportQuestionsID, _("&Import Questions..."));
    menu->Append(kExportQuestionsID, _("&Export Questions..."));
    menu->AppendSeparator();
    menu->Append(kResultsID, _("&Results...\tCtrl+R"));
    return menu;
}

bool CAuthoringFrame::initialize(CAssessmentDocument* document)
{
    m_document = document;
    m_panel->initialize(document->getAssessment());
    updateTitle();
    return m_panel->reloadListCtrl();
}

bool CAuthoringFrame::initialize(std::unique_ptr<CAssessmentDocument> document)
{
    m_ownedDocument = std::move(document);
    return initialize(m_ownedDocument.get());
}

CAuthoringFrame* CAuthoringFrame::openWindow(const wxString& path, wxWindow* parent)
{
    auto document = std::make_unique<CAssessmentDocument>();
    if (!document->open(path))
    {
        CHostMessages::error(document->getLastError(), parent);
        return nullptr;
    }
    CRecentFiles::add(document->getPath());
    auto* frame = new CAuthoringFrame();
    frame->initialize(std::move(document));
    frame->Show();
    frame->tellUnreadable();
    return frame;
}

void CAuthoringFrame::tellUnreadable()
{
    const wxString message = m_document->describeUnreadable();
    if (!message.empty())
        CHostMessages::warning(message, this);
}

CAuthoringFrame* CAuthoringFrame::createWindow(wxWindow* parent)
{
    wxFileDialog dialog(parent, _("New Assessment"), wxString(), "assessment.eva",
                        wxGetTranslation(kAssessmentFiles), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return nullptr;
    wxString path = dialog.GetPath();
    if (wxFileName(path).GetExt().empty())
        path += ".eva";
    auto document = std::make_unique<CAssessmentDocument>();
    wxString notice;
    // The dialog's question about replacing a file is answered by the document:
    // it never overwrites one.
    if (!document->create(path, &notice))
    {
        CHostMessages::error(document->getLastError(), parent);
        return nullptr;
    }
    if (!notice.empty())
        CHostMessages::warning(notice, parent);
    CRecentFiles::add(document->getPath());
    auto* frame = new CAuthoringFrame();
    frame->initialize(std::move(document));
    frame->Show();
    return frame;
}

void CAuthoringFrame::quitAll()
{
    const wxWindowList windows = wxTopLevelWindows;
    for (wxWindow* window : windows)
    {
        if (!window->Close())
            return;
    }
}

void CAuthoringFrame::updateTitle()
{
    if (!m_document)
        return;
    const wxString mark = m_document->isModified() ? "*" : "";
    SetTitle(mark + wxFileName(m_document->getPath()).GetFullName() + " - Evalon");
}

void CAuthoringFrame::showAssessment()
{
    m_panel->reloadListCtrl();
    updateTitle();
}

void CAuthoringFrame::recordChange(const wxString& name, const std::function<void()>& change)
{
    CAssessmentMgr* assessment = m_document->getAssessment();
    CAssessmentState before = CAssessmentState::of(*assessment);
    change();
    CAssessmentState after = CAssessmentState::of(*assessment);
    if (after != before)
        m_commands.Submit(new CAssessmentChange(name, assessment, std::move(before), std::move(after),
                                                [this] { showAssessment(); }));
    else
        updateTitle();
}

void CAuthoringFrame::OnPanelButton(wxCommandEvent& event)
{
    const SPanelAction* action = nullptr;
    for (const SPanelAction& candidate : kPanelActions)
        if (candidate.id == event.GetId())
            action = &candidate;
    if (m_inPanelAction || !action || !m_document)
    {
        event.Skip();
        return;
    }
    m_inPanelAction = true;
    recordChange(wxGetTranslation(action->name), [&] { m_panel->ProcessWindowEventLocally(event); });
    m_inPanelAction = false;
}

void CAuthoringFrame::OnPanelActivated(wxListEvent& event)
{
    if (m_inPanelAction || !m_document)
    {
        event.Skip();
        return;
    }
    m_inPanelAction = true;
    recordChange(_("Edit Question"), [&] { m_panel->ProcessWindowEventLocally(event); });
    m_inPanelAction = false;
}

void CAuthoringFrame::OnAttributes(wxCommandEvent&)
{
    recordChange(_("Attributes"),
                 [this]
                 {
                     CEVAttributesDlg dialog;
                     dialog.initialize(m_document->getAssessment()->getAttributes());
                     dialog.ShowModal();
                 });
}

void CAuthoringFrame::OnLook(wxCommandEvent&)
{
    const wxArrayString looks = CLooks::getNames();
    if (looks.empty())
    {
        CHostMessages::information(_("No looks are installed."), this);
        return;
    }
    const int chosen =
        wxGetSingleChoiceIndex(_("The font, colour and pictures to present the assessment with:"),
                               _("Use an Installed Look"), looks, 0, this);
    if (chosen < 0)
        return;
    recordChange(
        _("Look"),
        [&]
        {
            wxString error;
            if (!CLooks::apply(looks[size_t(chosen)], m_document->getAssessment()->getAttributes(), &error))
                CHostMessages::error(error, this);
        });
}

std::unique_ptr<CAssessmentCheck> CAuthoringFrame::checkAssessment()
{
    auto check = std::make_unique<CAssessmentCheck>(m_document->getAssessment());
    for (const auto& [position, entry] : m_document->getUnreadable())
        check->addUnreadableEntry(position, entry.reason);
    check->setMeasureContrast(true);
    check->run();
    return check;
}

void CAuthoringFrame::showCheck(const CAssessmentCheck& check, const wxString& intro)
{
    CAssessmentCheckDlg dialog(this);
    dialog.initialize(&check, intro);
    if (dialog.ShowModal() == CAssessmentCheckDlg::kGoThereID && dialog.getChosen() >= 0)
        goToProblem(check.getProblems()[size_t(dialog.getChosen())]);
}

void CAuthoringFrame::goToProblem(const CAssessmentCheck::SProblem& problem)
{
    if (problem.questionPosition > 0)
        editQuestionAt(problem.questionPosition - 1);
    else if (problem.picture != CEVImageSelections::eNoImage)
    {
        wxCommandEvent attributes(wxEVT_MENU, kAttributesID);
        OnAttributes(attributes);
    }
}

void CAuthoringFrame::editQuestionAt(unsigned index)
{
    auto* list = dynamic_cast<wxListCtrl*>(m_panel->FindWindow(CAssessmentMgrPanel::kListCtrlID));
    if (!list || long(index) >= list->GetItemCount())
        return;
    list->SetItemState(long(index), wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    wxCommandEvent edit(wxEVT_BUTTON, CAssessmentMgrPanel::kViewDetailsButtonID);
    edit.SetEventObject(m_panel->FindWindow(CAssessmentMgrPanel::kViewDetailsButtonID));
    m_panel->ProcessWindowEvent(edit);
}

int CAuthoringFrame::selectedQuestion() const
{
    auto* list = dynamic_cast<wxListCtrl*>(m_panel->FindWindow(CAssessmentMgrPanel::kListCtrlID));
    return list ? int(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) : -1;
}

void CAuthoringFrame::OnCheck(wxCommandEvent&)
{
    showCheck(*checkAssessment(), wxString());
}

bool CAuthoringFrame::editDeliveryOptions()
{
    // A step to undo, as the attributes are.
    bool confirmed = false;
    recordChange(_("Delivery Options"),
                 [this, &confirmed]
                 {
                     CDeliveryOptionsDlg dialog(this);
                     dialog.initialize(m_document->getAssessment()->getDeliveryOptions());
                     confirmed = dialog.ShowModal() == wxID_OK;
                 });
    return confirmed;
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
    const std::unique_ptr<CAssessmentCheck> check = checkAssessment();
    if (check->hasErrors())
    {
        showCheck(*check, _("The assessment cannot be taken until its errors are fixed."));
        return;
    }
    startTaking();
}

void CAuthoringFrame::startTaking()
{
    auto* frame = new CTakeAssessmentFrame(this);
    if (!frame->initialize(m_document->getAssessment()))
    {
        CHostMessages::error(frame->getLastError(), this);
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
    frame->initialize(m_document->getAssessment(), m_document->getPath(),
                      CResultsSettings::storeUrl(wxString()));
    m_resultsFrame = frame;
    frame->Show();
}

void CAuthoringFrame::OnImportQuestions(wxCommandEvent&)
{
    recordChange(
        _("Import Questions"),
        [this] {
            CQuestionBankActions(this, m_document->getAssessment(), m_document->getPath()).importQuestions();
        });
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

void CAuthoringFrame::OnUpdateUndo(wxUpdateUIEvent& event)
{
    event.Enable(!isTaking() && m_commands.CanUndo());
}

void CAuthoringFrame::OnUpdateRedo(wxUpdateUIEvent& event)
{
    event.Enable(!isTaking() && m_commands.CanRedo());
}

void CAuthoringFrame::OnUpdateRemoveQuestion(wxUpdateUIEvent& event)
{
    event.Enable(!isTaking() && selectedQuestion() >= 0);
}

void CAuthoringFrame::OnUndo(wxCommandEvent&)
{
    if (!isTaking())
        m_commands.Undo();
}

void CAuthoringFrame::OnRedo(wxCommandEvent&)
{
    if (!isTaking())
        m_commands.Redo();
}

void CAuthoringFrame::OnRemoveQuestion(wxCommandEvent&)
{
    const int index = selectedQuestion();
    if (index < 0 || isTaking())
        return;
    const int id = m_document->getAssessment()->getDataAtIndex(unsigned(index))->m_questionID;
    const CQuestionData* question =
        m_document->getAssessment()->getQuestionDataMgr()->getQuestionDataForID(id);
    const wxString questionText = question ? question->getQuestion() : wxString();
    const wxString ask = wxString::Format(_("Remove question %d (\"%s\") from the assessment?"), index + 1,
                                          questionText.Left(60));
    if (!CHostMessages::confirm(ask, this))
        return;
    wxCommandEvent remove(wxEVT_BUTTON, CAssessmentMgrPanel::kRemoveButtonID);
    remove.SetEventObject(m_panel->FindWindow(CAssessmentMgrPanel::kRemoveButtonID));
    m_panel->ProcessWindowEvent(remove);
}

void CAuthoringFrame::OnPointEntry(wxCommandEvent&)
{
    const int index = selectedQuestion();
    if (index < 0 || isTaking())
        return;
    wxFileDialog dialog(this, _("Point Entry at File"), wxFileName(m_document->getPath()).GetPath(),
                        wxString(), _("Question files (*.itm)|*.itm|All files|*"),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return;
    recordChange(_("Point Entry at File"),
                 [&]
                 {
                     if (!m_document->pointEntryAt(unsigned(index), dialog.GetPath()))
                         CHostMessages::error(m_document->getLastError(), this);
                 });
}

bool CAuthoringFrame::saveDocument()
{
    const bool saved = m_document->save();
    if (!saved)
        CHostMessages::error(wxString::Format(_("%s\nSave it elsewhere with Save As."), m_document->getLastError()),
                             this);
    updateTitle();
    return saved;
}

void CAuthoringFrame::OnSave(wxCommandEvent&)
{
    saveDocument();
}

void CAuthoringFrame::OnSaveAs(wxCommandEvent&)
{
    const wxFileName current(m_document->getPath());
    wxFileDialog dialog(this, _("Save Assessment As"), current.GetPath(), current.GetFullName(),
                        wxGetTranslation(kAssessmentFiles), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return;
    if (!m_document->saveAs(dialog.GetPath()))
        CHostMessages::error(m_document->getLastError(), this);
    else
        CRecentFiles::add(m_document->getPath());
    updateTitle();
}

void CAuthoringFrame::OnNew(wxCommandEvent&)
{
    createWindow(this);
}

void CAuthoringFrame::OnOpen(wxCommandEvent&)
{
    wxFileDialog dialog(this, _("Open Assessment"), wxFileName(m_document->getPath()).GetPath(), wxString(),
                        wxGetTranslation(kAssessmentFiles), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() == wxID_OK)
        openWindow(dialog.GetPath(), this);
}

void CAuthoringFrame::OnRecentFile(wxCommandEvent& event)
{
    const wxString path = CRecentFiles::choose(size_t(event.GetId() - wxID_FILE1), this);
    if (!path.empty())
        openWindow(path, this);
}

void CAuthoringFrame::OnMenuOpen(wxMenuEvent& event)
{
    if (event.GetMenu() == m_fileMenu)
        CRecentFiles::greyMissing(m_fileMenu);
    event.Skip();
}

void CAuthoringFrame::OnGuide(wxCommandEvent&)
{
    CHelpActions::showGuide(this);
}

void CAuthoringFrame::OnAbout(wxCommandEvent&)
{
    CHelpActions::showAbout(this);
}

void CAuthoringFrame::OnCloseCommand(wxCommandEvent&)
{
    Close();
}

void CAuthoringFrame::OnQuit(wxCommandEvent&)
{
    quitAll();
}

bool CAuthoringFrame::confirmClose(bool canVeto)
{
    if (!m_document || !m_document->isModified())
        return true;
    const wxString question = wxString::Format(_("Save the changes to %s before closing?"),
                                               wxFileName(m_document->getPath()).GetFullName());
    const int answer = CHostMessages::ask(question, wxYES_NO | (canVeto ? wxCANCEL : 0), this);
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
