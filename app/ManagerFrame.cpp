#include "app/ManagerFrame.h"

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
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

// clang-format off
wxBEGIN_EVENT_TABLE(CManagerFrame, wxFrame)
    EVT_BUTTON(CManagerFrame::kAddExistingButtonID, CManagerFrame::OnAddExisting)
    EVT_BUTTON(CManagerFrame::kResultsButtonID, CManagerFrame::OnResults)
wxEND_EVENT_TABLE()
// clang-format on

CManagerFrame::CManagerFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                             const wxSize& size, long style, const wxString& name)
    : wxFrame(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CManagerFrame::~CManagerFrame() = default;

void CManagerFrame::zeroInit()
{
    m_assessmentsMgr = nullptr;
    m_panel = nullptr;
    m_addExistingButton = nullptr;
    m_resultsButton = nullptr;
}

bool CManagerFrame::createControls()
{
    m_panel =
        new CAssessmentsMgrPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
    // The buttons join the row of the panel's own buttons, after "View
    // Details"; their clicks travel up to this frame.
    m_addExistingButton = new wxButton(m_panel, kAddExistingButtonID, "Add &Existing...");
    m_resultsButton = new wxButton(m_panel, kResultsButtonID, "Re&sults...");
    addListPanelButton(m_panel, m_addExistingButton);
    addListPanelButton(m_panel, m_resultsButton);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_panel, 1, wxEXPAND);
    SetSizerAndFit(sizer);
    return true;
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
    const wxArrayString filters(1, "Evalon Files (*.eva)|*.eva");
    if (!CCommonGuiUtils::BrowseForFile(false, filters, path, "Add Existing Assessment", wxString(), 1,
                                        wxFD_OPEN | wxFD_FILE_MUST_EXIST, this))
        return;
    if (m_assessmentsMgr->addExisting(path) < 0)
    {
        wxMessageBox(wxString::Format("%s is in the list already.", path), "Evalon",
                     wxOK | wxICON_INFORMATION, this);
        return;
    }
    if (!m_assessmentsMgr->getLastError().empty())
        wxMessageBox(m_assessmentsMgr->getLastError(), "Evalon", wxOK | wxICON_ERROR, this);
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
        wxMessageBox("Select an assessment in the list to see how its takers did.", "Evalon",
                     wxOK | wxICON_INFORMATION, this);
        return;
    }
    auto assessment = std::make_unique<CAssessmentMgr>();
    CAssessmentSerializer serializer(assessment.get(), file);
    if (!serializer.load())
    {
        wxMessageBox(serializer.getLastError(), "Evalon", wxOK | wxICON_ERROR, this);
        return;
    }
    auto* frame = new CResultsFrame(this);
    frame->initialize(std::move(assessment), file, CResultsSettings::storeUrl(wxString()));
    frame->Show();
}
