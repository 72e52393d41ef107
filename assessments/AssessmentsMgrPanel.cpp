#include "assessments/AssessmentsMgrPanel.h"

#include "assessments/AssessmentsMgrDataDlg.h"
#include "external/data/AssessmentsMgr.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

namespace
{

const int kColumnID = 0;
const int kColumnFileName = 1;

} // namespace

wxBEGIN_EVENT_TABLE(CAssessmentsMgrPanel, wxPanel)
    EVT_BUTTON(CAssessmentsMgrPanel::kCreateButtonID, CAssessmentsMgrPanel::OnCreateNew)
        EVT_BUTTON(CAssessmentsMgrPanel::kRemoveButtonID, CAssessmentsMgrPanel::OnRemove)
            EVT_BUTTON(CAssessmentsMgrPanel::kViewDetailsButtonID, CAssessmentsMgrPanel::OnViewDetails)
                EVT_LIST_ITEM_SELECTED(CAssessmentsMgrPanel::kListCtrlID,
                                       CAssessmentsMgrPanel::OnListItemSelected)
                    EVT_LIST_ITEM_DESELECTED(CAssessmentsMgrPanel::kListCtrlID,
                                             CAssessmentsMgrPanel::OnListItemDeselected)
                        EVT_LIST_ITEM_ACTIVATED(CAssessmentsMgrPanel::kListCtrlID,
                                                CAssessmentsMgrPanel::OnListItemDblClick) wxEND_EVENT_TABLE()

                            CAssessmentsMgrPanel::CAssessmentsMgrPanel(wxWindow* parent, int id,
                                                                       const wxPoint& pos, const wxSize& size,
                                                                       long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CAssessmentsMgrPanel::~CAssessmentsMgrPanel()
{
    // A non-empty list control announces the deletion of its items from its
    // own destructor, which runs after this panel's members are gone.
    if (m_listCtrl)
        m_listCtrl->DeleteAllItems();
}

void CAssessmentsMgrPanel::zeroInit()
{
    m_assessmentsMgr = nullptr;
    m_listCtrl = nullptr;
    m_createButton = nullptr;
    m_viewDetailsButton = nullptr;
    m_removeButton = nullptr;
}

bool CAssessmentsMgrPanel::createControls()
{
    m_listCtrl =
        new wxListCtrl(this, kListCtrlID, wxDefaultPosition, wxSize(450, 250), wxLC_REPORT | wxLC_SINGLE_SEL);
    m_createButton = new wxButton(this, kCreateButtonID, "&Create", wxDefaultPosition, wxDefaultSize, 0);
    m_removeButton = new wxButton(this, kRemoveButtonID, "&Remove", wxDefaultPosition, wxDefaultSize, 0);
    m_viewDetailsButton =
        new wxButton(this, kViewDetailsButtonID, "&View Details", wxDefaultPosition, wxDefaultSize, 0);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->Add(m_createButton, 0, wxALL, 10);
    buttonRow->Add(m_removeButton, 0, wxALL, 10);
    buttonRow->Add(m_viewDetailsButton, 0, wxALL, 10);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(m_listCtrl, 1, wxEXPAND | wxALL, 10);
    topSizer->Add(buttonRow, 0, wxEXPAND | wxALL, 0);
    SetSizer(topSizer);
    // The host window holding the panel gets the panel's layout as its minimum.
    topSizer->SetSizeHints(GetParent());

    return createListCtrlHeader();
}

bool CAssessmentsMgrPanel::createListCtrlHeader()
{
    const int width = m_listCtrl->GetSize().GetWidth();
    m_listCtrl->InsertColumn(kColumnID, "ID", wxLIST_FORMAT_LEFT, width * 10 / 100);
    m_listCtrl->InsertColumn(kColumnFileName, "Assessment File Name", wxLIST_FORMAT_LEFT, width * 89 / 100);
    return true;
}

bool CAssessmentsMgrPanel::initialize(CAssessmentsMgr* assessmentsMgr)
{
    m_assessmentsMgr = assessmentsMgr;
    updateControls();
    return true;
}

bool CAssessmentsMgrPanel::reloadListCtrl()
{
    m_listCtrl->DeleteAllItems();
    if (m_assessmentsMgr)
    {
        const CAssessmentsMgrDataArray& entries = *m_assessmentsMgr->getDataCollection();
        for (size_t index = 0; index < entries.GetCount(); ++index)
        {
            if (!insertAssessmentsMgrDataItem(*entries[index], static_cast<unsigned int>(index)))
                return false;
        }
    }
    updateControls();
    return true;
}

bool CAssessmentsMgrPanel::insertAssessmentsMgrDataItem(CAssessmentsMgrData& data, unsigned int index)
{
    // The first column shows the row's position, not anything stored in the entry.
    const long row =
        m_listCtrl->InsertItem(index, wxString::Format("%lu", static_cast<unsigned long>(index)));
    if (row < 0)
        return false;
    m_listCtrl->SetItemData(row, index);
    const wxFileName file(data.getAssessmentFileName(), wxPATH_NATIVE);
    m_listCtrl->SetItem(row, kColumnFileName, file.GetFullName());
    return true;
}

int CAssessmentsMgrPanel::getSelectedListItemIndex()
{
    return static_cast<int>(m_listCtrl->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

bool CAssessmentsMgrPanel::updateControls()
{
    const bool rowSelected = getSelectedListItemIndex() != -1;
    m_removeButton->Enable(rowSelected);
    m_viewDetailsButton->Enable(rowSelected);
    return true;
}

bool CAssessmentsMgrPanel::handleViewDetails(int index)
{
    CAssessmentsMgrData* data = m_assessmentsMgr->getDataAtIndex(index);
    // No parent window, and the dialog's own title, style and name.
    CAssessmentsMgrDataDlg dialog;
    dialog.initialize(m_assessmentsMgr, data);
    dialog.ShowModal();
    return true;
}

void CAssessmentsMgrPanel::OnCreateNew(wxCommandEvent&)
{
    if (!m_assessmentsMgr)
        return;
    // A null name lets the manager choose a fresh file name itself.
    m_assessmentsMgr->createNewAssessment(static_cast<const char*>(nullptr));
    reloadListCtrl();
}

void CAssessmentsMgrPanel::OnRemove(wxCommandEvent&)
{
    const int index = getSelectedListItemIndex();
    if (index == -1)
        return;
    m_assessmentsMgr->removeAtIndex(index);
    reloadListCtrl();
}

void CAssessmentsMgrPanel::OnViewDetails(wxCommandEvent&)
{
    const int index = getSelectedListItemIndex();
    if (index == -1)
        return;
    handleViewDetails(index);
    reloadListCtrl();
}

void CAssessmentsMgrPanel::OnListItemSelected(wxListEvent&)
{
    updateControls();
}

void CAssessmentsMgrPanel::OnListItemDeselected(wxListEvent&)
{
    updateControls();
}

void CAssessmentsMgrPanel::OnListItemDblClick(wxListEvent&)
{
    wxCommandEvent unused;
    OnViewDetails(unused);
}
