#pragma once

#include "assessments/EvalonAssessmentsExport.h"

#include <wx/panel.h>

class CAssessmentsMgr;
class CAssessmentsMgrData;
class wxButton;
class wxListCtrl;
class wxListEvent;

/// The list of assessment files a host manages: one row per file with its
/// position and its file's name, and buttons to create an assessment, remove
/// the selected one, or open it in the assessment entry dialog. Every change
/// goes straight to the manager, after which the whole list is rebuilt.
///
/// The host constructs the panel, calls initialize(), then reloadListCtrl().
class EVALON_ASSESSMENTS_EXPORT CAssessmentsMgrPanel : public wxPanel
{
public:
    /// The identifiers of the list and the buttons, for a host that places a
    /// control of its own beside them or drives them.
    enum eControlID
    {
        kListCtrlID = 10,
        kCreateButtonID = 11,
        kRemoveButtonID = 12,
        kViewDetailsButtonID = 13
    };

    /// Creates the list and its buttons; initialize() and reloadListCtrl()
    /// follow. The arguments are the toolkit's.
    CAssessmentsMgrPanel(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL,
                         const wxString& name = wxPanelNameStr);
    ~CAssessmentsMgrPanel() override;

    /// Keeps the manager (not owned) and sets the buttons; does not fill the list.
    bool initialize(CAssessmentsMgr* assessmentsMgr);
    /// Rebuilds every row from the manager, in its order; no row stays selected.
    bool reloadListCtrl();

private:
    void zeroInit();
    bool createControls();
    bool createListCtrlHeader();
    bool insertAssessmentsMgrDataItem(CAssessmentsMgrData& data, unsigned int index);
    int getSelectedListItemIndex();
    bool handleViewDetails(int index);
    bool updateControls();

    void OnCreateNew(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnViewDetails(wxCommandEvent& event);
    void OnListItemSelected(wxListEvent& event);
    void OnListItemDeselected(wxListEvent& event);
    void OnListItemDblClick(wxListEvent& event);

    CAssessmentsMgr* m_assessmentsMgr;
    wxListCtrl* m_listCtrl;
    wxButton* m_createButton;
    wxButton* m_viewDetailsButton;
    wxButton* m_removeButton;

    wxDECLARE_EVENT_TABLE();
};
