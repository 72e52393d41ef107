#pragma once

#include "assessments/EvalonAssessmentsExport.h"

#include <wx/dialog.h>
#include <wx/translation.h>

class CAssessmentsMgr;
class CAssessmentsMgrData;
class wxButton;
class wxStaticText;

/// Shows one entry of the assessment file list (its full path) and opens the
/// file in the registered "Evalon" authoring application, waiting until that
/// application exits. The dialog changes no data.
class EVALON_ASSESSMENTS_EXPORT CAssessmentsMgrDataDlg : public wxDialog
{
public:
    /// The identifiers of the dialog's controls.
    enum eControlID
    {
        kFileNameTextID = 0,
        kModifyButtonID = 1
    };

    /// The defaults are the ones the assessment list opens the dialog with.
    CAssessmentsMgrDataDlg(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY,
                           const wxString& title = _("Assessments Mgr Data"),
                           const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                           long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER,
                           const wxString& name = "dialogBox");
    ~CAssessmentsMgrDataDlg() override;

    /// Keeps both pointers (not owned); shows nothing until the dialog is shown.
    bool initialize(CAssessmentsMgr* assessmentsMgr, CAssessmentsMgrData* assessmentsMgrData);

    /// Shows the entry's full file name and fits the dialog to it; without an
    /// entry nothing changes.
    bool TransferDataToWindow() override;
    /// The dialog edits nothing.
    bool TransferDataFromWindow() override;

protected:
    /// Opens the entry's file in the authoring application. Without an entry
    /// there is nothing to open: it only writes a debug line.
    void OnModify(wxCommandEvent& event);

private:
    void zeroInit();
    bool createControls();

    CAssessmentsMgr* m_assessmentsMgr;
    CAssessmentsMgrData* m_assessmentsMgrData;
    wxStaticText* m_fileNameText;
    wxButton* m_modifyButton;
    wxButton* m_okButton;

    wxDECLARE_EVENT_TABLE();
};
