#include "assessments/AssessmentsMgrPanel.h"

#include "assessments/AssessmentsMgrDataDlg.h"
#include "external/data/AssessmentsMgr.h"
#include "external/data/Translations.h"
#include "external/widgets/ListCtrlHelpers.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/listctrl.h>
#include <wx/translation.h>

wxBEGIN_EVENT_TABLE(CAssessmentsMgrPanel, wxPanel)
    EVT_BUTTON(CAssessmentsMgrPanel::kCreateButtonID, CAssessmentsMgrPanel::OnCreateNew)
    EVT_BUTTON(CAssessmentsMgrPanel::kRemoveButtonID, CAssessmentsMgrPanel::OnRemove)
    EVT_BUTTON(CAssessmentsMgrPanel::kViewDetailsButtonID, CAssessmentsMgrPanel::OnViewDetails)
    EVT_LIST_ITEM_SELECTED(CAssessmentsMgrPanel::kListCtrlID, CAssessmentsMgrPanel::OnListItemSelected)
    EVT_LIST_ITEM_DESELECTED(CAssessmentsMgrPanel::kListCtrlID, CAssessmentsMgrPanel::OnListItemDeselected)
    EVT_LIST_ITEM_ACTIVATED(CAssessmentsMgrPanel::kListCtrlID, CAssessmentsMgrPanel::OnListItemDblClick)
wxEND_EVENT_TABLE()

CAssessmentsMgrPanel::CAssessmentsMgrPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                           long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CAssessmentsMgrPanel::~CAssessmentsMgrPanel()
{
    emptyListBeforeDestruction(m_listCtrl);
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
        createListPanelControls(this, kListCtrlID,
                                {{{&m_createButton, kCreateButtonID, _("&Create")},
                                  {&m_removeButton, kRemoveButtonID, _("&Remove")},
                                  {&m_viewDetailsButton, kViewDetailsButtonID, _("&View Details")}}});
    return createListCtrlHeader();
}

bool CAssessmentsMgrPanel::createListCtrlHeader()
{
    insertListColumns(m_listCtrl, {{_("ID"), 10}, {_("Assessment File Name"), 89}});
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
    if (m_assessmentsMgr && !insertListRows(*m_assessmentsMgr->getDataCollection(),
                                            [this](CAssessmentsMgrData& data, unsigned int index)
                                            { return insertAssessmentsMgrDataItem(data, index); }))
        return false;
    updateControls();
    return true;
}

bool CAssessmentsMgrPanel::insertAssessmentsMgrDataItem(CAssessmentsMgrData& data, unsigned int index)
{
    // The first column shows the row's position, not anything stored in the entry.
    const wxFileName file(data.getAssessmentFileName(), wxPATH_NATIVE);
    return insertListRow(m_listCtrl, index, wxString::Format("%lu", static_cast<unsigned long>(index)),
                         file.GetFullName());
}

int CAssessmentsMgrPanel::getSelectedListItemIndex()
{
    return getSelectedListRow(m_listCtrl);
}

bool CAssessmentsMgrPanel::updateControls()
{
    enableForSelectedRow(m_listCtrl, {m_removeButton, m_viewDetailsButton});
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
