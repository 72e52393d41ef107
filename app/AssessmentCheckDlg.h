#pragma once

#include "app/AssessmentCheck.h"

#include <wx/dialog.h>
#include <wx/intl.h>

class wxButton;
class wxListCtrl;
class wxListEvent;
class wxStaticText;

// The list of what the assessment check found, a row per problem (severity,
// place, what to do). "Go There" (or activating a row) ends the dialog with
// kGoThereID, and getChosen() says which problem the author wants to fix.
class CAssessmentCheckDlg : public wxDialog
{
public:
    enum eControlID
    {
        kSummaryID = 40,
        kListID = 41,
        kGoThereID = 42
    };

    CAssessmentCheckDlg(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY,
                        const wxString& title = _("Check Assessment"), const wxPoint& pos = wxDefaultPosition,
                        const wxSize& size = wxDefaultSize,
                        long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER,
                        const wxString& name = "dialogBox");
    ~CAssessmentCheckDlg() override;

    // The check is the caller's and must outlive the dialog; `intro` is put
    // before the summary (empty: none).
    void initialize(const CAssessmentCheck* check, const wxString& intro = wxString());

    bool TransferDataToWindow() override;

    // The problem chosen with Go There, or -1.
    int getChosen() const { return m_chosen; }

private:
    void zeroInit();
    bool createControls();
    int selectedRow() const;
    wxString summary() const;

    void OnGoThere(wxCommandEvent& event);
    void OnRowActivated(wxListEvent& event);
    void OnUpdateGoThere(wxUpdateUIEvent& event);

    const CAssessmentCheck* m_check;
    wxString m_intro;
    int m_chosen;
    wxStaticText* m_summary;
    wxListCtrl* m_list;
    wxButton* m_goThereButton;

    wxDECLARE_EVENT_TABLE();
};
