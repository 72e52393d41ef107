#include "app/TakeAssessmentFrame.h"

#include "app/TakeAssessmentPanel.h"

#include <wx/accel.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

namespace
{

enum eCommandID
{
    kBackCommandID = 100,
    kForwardCommandID,
    kFinishCommandID
};

} // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CTakeAssessmentFrame, wxFrame)
    EVT_MENU(kBackCommandID, CTakeAssessmentFrame::OnBack)
    EVT_MENU(kForwardCommandID, CTakeAssessmentFrame::OnForward)
    EVT_MENU(kFinishCommandID, CTakeAssessmentFrame::OnFinish)
    EVT_COMMAND(wxID_ANY, EVT_TAKE_PAGE_FAILED, CTakeAssessmentFrame::OnPageFailed)
wxEND_EVENT_TABLE()
// clang-format on

CTakeAssessmentFrame::CTakeAssessmentFrame(wxWindow* parent, wxWindowID id, const wxString& title,
                                           const wxPoint& pos, const wxSize& size, long style,
                                           const wxString& name)
    : wxFrame(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CTakeAssessmentFrame::~CTakeAssessmentFrame() = default;

void CTakeAssessmentFrame::zeroInit()
{
    m_panel = nullptr;
    m_interactive = true;
}

bool CTakeAssessmentFrame::createControls()
{
    m_panel = new CTakeAssessmentPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_panel, 1, wxEXPAND);
    SetSizer(sizer);

    // Keys that turn pages and never touch an answer: Space stays with the
    // answer button that has the focus.
    wxAcceleratorEntry keys[] = {
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_LEFT, kBackCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_PAGEUP, kBackCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_RIGHT, kForwardCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_PAGEDOWN, kForwardCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_RETURN, kForwardCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_NUMPAD_ENTER, kForwardCommandID),
        wxAcceleratorEntry(wxACCEL_NORMAL, WXK_ESCAPE, kFinishCommandID),
    };
    SetAcceleratorTable(wxAcceleratorTable(int(WXSIZEOF(keys)), keys));
    return true;
}

bool CTakeAssessmentFrame::initialize(CAssessmentMgr* assessment)
{
    m_lastError.clear();
    m_images.clear();
    m_panel->initialize(assessment, &m_images);
    if (m_panel->getTaking()->getNumQuestions() == 0)
    {
        m_lastError = "The assessment has no questions to take.";
        return false;
    }
    if (!m_panel->showCurrentPage())
    {
        m_lastError = m_panel->getLastError();
        return false;
    }
    m_panel->initializeDisplaySize(this);
    return true;
}

void CTakeAssessmentFrame::OnBack(wxCommandEvent&)
{
    m_panel->goBack();
}

void CTakeAssessmentFrame::OnForward(wxCommandEvent&)
{
    if (m_panel->getTaking()->getPage() == CAssessmentTaking::eCongratulationsPage)
        Close();
    else
        m_panel->goForward();
}

void CTakeAssessmentFrame::OnFinish(wxCommandEvent&)
{
    // Escape must not throw away a test half taken.
    if (m_panel->getTaking()->getPage() == CAssessmentTaking::eCongratulationsPage)
        Close();
}

void CTakeAssessmentFrame::OnPageFailed(wxCommandEvent& event)
{
    m_lastError = event.GetString();
    if (!m_interactive)
        return;
    wxMessageBox(m_lastError, "Evalon", wxOK | wxICON_ERROR, this);
    Close();
}
