#pragma once

#include "assessment/EvalonAssessmentExport.h"

#include <wx/panel.h>

class CAssessmentMgr;
class CAssessmentMgrData;
class CQuestionData;
class wxButton;
class wxListCtrl;
class wxListEvent;

/// The ordered questions of one assessment: one row per entry with the
/// question's identifier and text, and buttons to add a new question (written
/// to a question file of its own), remove the selected entry, open it in the
/// question entry dialog, or move it up or down. Every change goes straight to
/// the assessment, after which the whole list is rebuilt in the assessment's
/// order and no row stays selected.
///
/// The host constructs the panel, calls initialize(), then reloadListCtrl().
/// A row whose identifier names no question shows an empty question text.
class EVALON_ASSESSMENT_EXPORT CAssessmentMgrPanel : public wxPanel
{
public:
    /// The identifiers of the list and the buttons, for a host that places a
    /// control of its own beside them or drives them.
    enum eControlID
    {
        kListCtrlID = 10,
        kCreateButtonID = 11,
        kRemoveButtonID = 12,
        kViewDetailsButtonID = 13,
        kMoveUpButtonID = 14,
        kMoveDownButtonID = 15
    };

    /// Creates the list and its buttons; initialize() and reloadListCtrl()
    /// follow. The arguments are the toolkit's.
    CAssessmentMgrPanel(wxWindow* parent, int id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                        const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL,
                        const wxString& name = wxPanelNameStr);
    ~CAssessmentMgrPanel() override;

    /// Keeps the assessment (not owned) and sets the buttons; does not fill the list.
    bool initialize(CAssessmentMgr* assessmentMgr);
    /// Rebuilds every row from the assessment, in its order; no row stays selected.
    bool reloadListCtrl();

private:
    void zeroInit();
    bool createControls();
    bool createListCtrlHeader();
    bool insertAssessmentMgrDataItem(CAssessmentMgrData& data, unsigned int index);
    int getSelectedListItemIndex();
    bool updateControls();

    // The steps of adding a question; each false means the author stopped or
    // was stopped, and nothing is added.
    static bool editNewQuestion(CQuestionData* question);
    static bool hasQuestionText(const CQuestionData& question);
    static bool chooseQuestionFile(wxString* fileName);
    bool addQuestion(CQuestionData& question, const wxString& fileName);

    void OnCreateNew(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnViewDetails(wxCommandEvent& event);
    void OnMoveUp(wxCommandEvent& event);
    void OnMoveDown(wxCommandEvent& event);
    void OnListItemSelected(wxListEvent& event);
    void OnListItemDeselected(wxListEvent& event);
    void OnListItemDblClick(wxListEvent& event);

    CAssessmentMgr* m_assessmentMgr;
    wxListCtrl* m_listCtrl;
    wxButton* m_createButton;
    wxButton* m_viewDetailsButton;
    wxButton* m_removeButton;
    wxButton* m_moveUpButton;
    wxButton* m_moveDownButton;

    wxDECLARE_EVENT_TABLE();
};
