#pragma once

#include "assessment/EvalonAssessmentExport.h"

#include <wx/dialog.h>
#include <wx/translation.h>

class CAssessmentMgr;
class CAssessmentMgrData;
class CQuestionData;
class wxButton;
class wxStaticText;
class wxTextCtrl;

/// One entry of an assessment's question list: its question identifier and the
/// name of the question file the question refers to. From here the author edits
/// the question (on a copy, which replaces the assessment's question on OK and
/// is then, if the author agrees and the file exists, written back to the
/// question file) or previews it as a test taker will see it. The dialog edits
/// no field itself.
///
/// An entry whose identifier names no question of the assessment shows its
/// identifier and an empty file name; View/Edit and Test View then only tell
/// the author "Question <id> was not found in this assessment." and change
/// nothing. Without an entry they do nothing.
class EVALON_ASSESSMENT_EXPORT CEVAssessmentMgrDataDlg : public wxDialog
{
public:
    /// The identifiers of the dialog's controls.
    enum eControlID
    {
        kQuestionIDTextID = 0,
        kFileNameTextID = 1,
        kEditQuestionButtonID = 2,
        kTestViewButtonID = 3
    };

    /// The defaults are the ones the question list opens the dialog with.
    CEVAssessmentMgrDataDlg(wxWindow* parent = nullptr, int id = wxID_ANY,
                            const wxString& title = _("Assessment Mgr Data"),
                            const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                            long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER,
                            const wxString& name = "dialogBox");
    ~CEVAssessmentMgrDataDlg() override;

    /// Keeps both pointers (not owned); showing the dialog fills it.
    bool initialize(CAssessmentMgr* assessmentMgr, CAssessmentMgrData* assessmentMgrData);

    /// Shows the entry's identifier and its question's file name.
    bool TransferDataToWindow() override;
    /// The dialog edits no field: nothing to read back.
    bool TransferDataFromWindow() override;

protected:
    /// The construction steps the constructor runs: every pointer to null,
    /// then the controls.
    ///@{
    void zeroInit();
    bool createControls();
    ///@}

    /// View/Edit: the question dialog on a copy of the question, then the
    /// offer to save it to its question file. Test View: the preview
    /// (CEVTestViewDlg) with the assessment's attributes.
    ///@{
    void OnEditQuestion(wxCommandEvent& event);
    void OnTestView(wxCommandEvent& event);
    ///@}

private:
    // The entry's question, looked up afresh; null when there is no entry or
    // its identifier names no question.
    CQuestionData* findQuestion();
    // findQuestion(), telling the author when the entry's question is missing.
    CQuestionData* findQuestionOrReport();
    void saveToReferencedFile(CQuestionData* question);

    CAssessmentMgr* m_assessmentMgr;
    CAssessmentMgrData* m_assessmentMgrData;
    wxStaticText* m_questionIDText;
    wxTextCtrl* m_fileNameText;
    wxButton* m_editQuestionButton;
    wxButton* m_testViewButton;
    wxButton* m_okButton;

    wxDECLARE_EVENT_TABLE();
};
