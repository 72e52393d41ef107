#pragma once

#include <wx/string.h>

#include <functional>

class CAssessmentMgr;
class CImportReport;
class wxWindow;

// The authoring window's "Import Questions..." and "Export Questions...":
// the author chooses the bank and where things go, the work runs with a
// progress dialog when it is long (the window keeps repainting and the import
// can be stopped), and the report is shown at the end.
class CQuestionBankActions
{
public:
    // Imports of more questions or files than this show their progress.
    static const unsigned kProgressThreshold = 300;

    // Chooses a folder: false when the author cancels. The toolkit's folder
    // dialog reports a choice only when a person makes it, so tests put
    // their own answer here.
    using CFolderChooser = std::function<bool(wxWindow* parent, const wxString& message, wxString* path)>;
    // Null restores the toolkit's folder dialog.
    static void setFolderChooser(const CFolderChooser& chooser);

    // `assessmentPath` is where the assessment is stored; choices start in its folder.
    CQuestionBankActions(wxWindow* parent, CAssessmentMgr* assessment, const wxString& assessmentPath);

    // Returns whether any question was added to the assessment.
    bool importQuestions();
    // Returns whether a bank was written.
    bool exportQuestions();

private:
    // Whether to add the questions already in the assessment again; asked
    // only when there are some.
    bool askAddDuplicates(unsigned duplicates, unsigned read);
    bool chooseImportSource(wxString* path, int* format);
    bool chooseFolder(const wxString& message, wxString* path);
    void showReport(const CImportReport& report, const wxString& title);

    wxWindow* m_parent;
    CAssessmentMgr* m_assessment;
    wxString m_folder;
};
