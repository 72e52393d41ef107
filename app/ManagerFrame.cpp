#include "app/ManagerFrame.h"

#include "app/AuthoringFrame.h"
#include "app/HelpActions.h"
#include "app/HostMessages.h"
#include "app/RecentFiles.h"
#include "app/ResultsFrame.h"
#include "app/ResultsSettings.h"
#include "assessments/AssessmentsMgrPanel.h"
#include "external/widgets/ListCtrlHelpers.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "external/data/AssessmentsMgr.h"
#include "external/widgets/CommonGuiUtils.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/sizer.h>

// clang-format off
wxBEGIN_EVENT_TABLE(CManagerFrame, wxFrame)
    EVT_BUTTON(CManagerFrame::kAddExistingButtonID, CManagerFrame::OnAddExisting)
    EVT_BUTTON(CManagerFrame::kResultsButtonID, CManagerFrame::OnResults)
    EVT_MENU(CManagerFrame::kAddExistingButtonID, CManagerFrame::OnAddExisting)
    EVT_MENU(CManagerFrame::kResultsButtonID, CManagerFrame::OnResults)
    EVT_MENU(wxID_NEW, CManagerFrame::OnNew)
    EVT_MENU(wxID_OPEN, CManagerFrame::OnOpen)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE9, CManagerFrame::OnRecentFile)
    EVT_MENU(wxID_EXIT, CManagerFrame::OnQuit)
    EVT_MENU(wxID_HELP, CManagerFrame::OnGuide)
    EVT_MENU(wxID_ABOUT, CManagerFrame::OnAbout)
    EVT_MENU_OPEN(CManagerFrame::OnMenuOpen)
wxEND_EVENT_TABLE()
// clang-format on

CManagerFrame::CManagerFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                             const wxSize& size, long style, const wxString& name)
    : wxFrame(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CManagerFrame::~CManagerFrame()
{
    CRecentFiles::forget(m_fileMenu);
}

void CManagerFrame::zeroInit()
{
    m_assessmentsMgr = nullptr;
    m_panel = nullptr;
    m_addExistingButton = nullptr;
    m_resultsButton = nullptr;
    m_fileMenu = nullptr;
}

bool CManagerFrame::createControls()
{
    SetMenuBar(createMenuBar());
    m_panel =
        new CAssessmentsMgrPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
    // The buttons join the row of the panel's own buttons, after "View
    // Details"; their clicks travel up to this frame.
    m_addExistingButton = new wxButton(m_panel, kAddExistingButtonID, _("Add &Existing..."));
    m_resultsButton = new wxButton(m_panel, kResultsButtonID, _("Re&sults..."));
    addListPanelButton(m_panel, m_addExistingButton);
    addListPanelButton(m_panel, m_resultsButton);
    // Bound on the button itself, so that it runs before the panel's handling.
    if (wxWindow* create = m_panel->FindWindow(CAssessmentsMgrPanel::kCreateButtonID))
        create->Bind(wxEVT_BUTTON, &CManagerFrame::OnCreate, this);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_panel, 1, wxEXPAND);
    SetSizerAndFit(sizer);
    return true;
}

wxMenuBar* CManagerFrame::createMenuBar()
{
    m_fileMenu = new wxMenu;
    m_fileMenu->Append(wxID_NEW, _("&New Assessment\tCtrl+N"));
    m_fileMenu->Append(wxID_OPEN, _("&Open...\tCtrl+O"));
    m_fileMenu->Append(kAddExistingButtonID, _("Add &Existing..."));
    m_fileMenu->Append(kResultsButtonID, _("Re&sults..."));
    m_fileMenu->AppendSeparator();
    CRecentFiles::use(m_fileMenu);
    m_fileMenu->AppendSeparator();
    m_fileMenu->Append(wxID_EXIT, _("&Quit\tCtrl+Q"));
    auto* bar = new wxMenuBar;
    bar->Append(m_fileMenu, _("&File"));
    bar->Append(CHelpActions::createMenu(), _("&Help"));
    return bar;
}

bool CManagerFrame::initialize(CAssessmentsMgr* assessmentsMgr)
{
    m_assessmentsMgr = assessmentsMgr;
    m_panel->initialize(assessmentsMgr);
    return m_panel->reloadListCtrl();
}

void CManagerFrame::OnAddExisting(wxCommandEvent&)
{
    wxString path;
    // TRANSLATORS: a file dialog's choice: the name, then its pattern, which stays as it is.
    const wxArrayString filters(1, _("Evalon Files (*.eva)|*.eva"));
    if (!CCommonGuiUtils::BrowseForFile(false, filters, path, _("Add Existing Assessment"), wxString(), 1,
                                        wxFD_OPEN | wxFD_FILE_MUST_EXIST, this))
        return;
    if (m_assessmentsMgr->addExisting(path) < 0)
    {
        CHostMessages::information(wxString::Format(_("%s is in the list already."), path), this);
        return;
    }
    if (!m_assessmentsMgr->getLastError().empty())
        CHostMessages::error(m_assessmentsMgr->getLastError(), this);
    m_panel->reloadListCtrl();
}

wxString CManagerFrame::selectedFile() const
{
    auto* list = dynamic_cast<wxListCtrl*>(m_panel->FindWindow(CAssessmentsMgrPanel::kListCtrlID));
    const long index = list ? list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) : -1;
    CAssessmentsMgrData* entry = index >= 0 ? m_assessmentsMgr->getDataAtIndex(int(index)) : nullptr;
    return entry ? entry->getAssessmentFileName() : wxString();
}

void CManagerFrame::OnResults(wxCommandEvent&)
{
    const wxString file = selectedFile();
    if (file.empty())
    {
        CHostMessages::information(_("Select an assessment in the list to see how its takers did."), this);
        return;
    }
    auto assessment = std::make_unique<CAssessmentMgr>();
    CAssessmentSerializer serializer(assessment.get(), file);
    if (!serializer.load())
    {
        CHostMessages::error(serializer.getLastError(), this);
        return;
    }
    auto* frame = new CResultsFrame(this);
    frame->initialize(std::move(assessment), file, CResultsSettings::storeUrl(wxString()));
    frame->Show();
}

void CManagerFrame::OnCreate(wxCommandEvent& event)
{
    if (!m_newAssessmentNotice.empty())
        CHostMessages::warning(m_newAssessmentNotice, this);
    event.Skip();
}

void CManagerFrame::OnNew(wxCommandEvent&)
{
    wxWindow* create = m_panel->FindWindow(CAssessmentsMgrPanel::kCreateButtonID);
    wxCommandEvent click(wxEVT_BUTTON, CAssessmentsMgrPanel::kCreateButtonID);
    click.SetEventObject(create);
    create->ProcessWindowEvent(click);
}

void CManagerFrame::OnOpen(wxCommandEvent&)
{
    wxString path;
    const wxArrayString filters(1, _("Evalon Files (*.eva)|*.eva"));
    if (CCommonGuiUtils::BrowseForFile(false, filters, path, _("Open Assessment"), wxString(), 1,
                                       wxFD_OPEN | wxFD_FILE_MUST_EXIST, this))
        CAuthoringFrame::openWindow(path, this);
}

void CManagerFrame::OnRecentFile(wxCommandEvent& event)
{
    const wxString path = CRecentFiles::choose(size_t(event.GetId() - wxID_FILE1), this);
    if (!path.empty())
        CAuthoringFrame::openWindow(path, this);
}

void CManagerFrame::OnMenuOpen(wxMenuEvent& event)
{
    if (event.GetMenu() == m_fileMenu)
        CRecentFiles::greyMissing(m_fileMenu);
    event.Skip();
}

void CManagerFrame::OnQuit(wxCommandEvent&)
{
    CAuthoringFrame::quitAll();
}

void CManagerFrame::OnGuide(wxCommandEvent&)
{
    CHelpActions::showGuide(this);
}

void CManagerFrame::OnAbout(wxCommandEvent&)
{
    CHelpActions::showAbout(this);
}
