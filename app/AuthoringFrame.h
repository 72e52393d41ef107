#pragma once

#include "app/AssessmentCheck.h"
#include "app/AssessmentState.h"

#include <wx/cmdproc.h>
#include <wx/frame.h>
#include <wx/weakref.h>

#include <functional>
#include <memory>

class CAssessmentDocument;
class CAssessmentMgrPanel;
class CResultsFrame;
class CTakeAssessmentFrame;
class wxButton;
class wxListEvent;
class wxMenu;
class wxMenuEvent;

// The authoring window of one assessment file: its questions in the question
// list panel, "Attributes...", "Delivery Options...", "Results..." and
// "Take Assessment" beside it, and the menus File, Edit, Assessment and Help.
// Every change to the assessment can be undone and redone; the title shows
// the file's name and a mark while there are unsaved changes, and closing
// with unsaved changes asks whether to save them. Taking the assessment is
// refused while the assessment check finds errors.
class CAuthoringFrame : public wxFrame
{
public:
    enum eControlID
    {
        kAttributesID = 30,
        kTakeAssessmentID = 31,
        kPanelID = 32,
        kImportQuestionsID = 33,
        kExportQuestionsID = 34,
        kResultsID = 35,
        kCheckID = 36,
        kRemoveQuestionID = 37,
        kPointEntryID = 38,
        kLookID = 39,
        kDeliveryOptionsID = 40
    };

    CAuthoringFrame(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY, const wxString& title = "Evalon",
                    const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                    long style = wxDEFAULT_FRAME_STYLE, const wxString& name = wxFrameNameStr);
    ~CAuthoringFrame() override;

    // The document is the host's and must outlive the window.
    bool initialize(CAssessmentDocument* document);
    // The window keeps the document.
    bool initialize(std::unique_ptr<CAssessmentDocument> document);

    // Opens the assessment file in a new authoring window and lists it among
    // the recent files; tells the author (parented to `parent`) and returns
    // null when it cannot be opened.
    static CAuthoringFrame* openWindow(const wxString& path, wxWindow* parent);
    // Asks for a new assessment file, creates it with the default look and
    // opens it in a new window; null when the author stops or it fails (told).
    static CAuthoringFrame* createWindow(wxWindow* parent);
    // Closes every window, each asking about its unsaved changes; stops at
    // the first the author keeps open.
    static void quitAll();

    // Opens the "Delivery Options" dialog on the assessment's options; true
    // when the author pressed OK (the options are then the dialog's).
    bool editDeliveryOptions();

    CAssessmentMgrPanel* getPanel() const { return m_panel; }
    // The window in which the assessment is being taken, or null.
    CTakeAssessmentFrame* getTakeFrame() const { return m_takeFrame.get(); }
    // The window of how takers did, or null.
    CResultsFrame* getResultsFrame() const { return m_resultsFrame.get(); }
    wxCommandProcessor* getCommands() { return &m_commands; }

    // Tells the author, in one message, which question files could not be read.
    void tellUnreadable();

    // The assessment check as Take runs it, with contrast measured.
    std::unique_ptr<CAssessmentCheck> checkAssessment();

private:
    void zeroInit();
    bool createControls();
    wxMenuBar* createMenuBar();
    wxMenu* createFileMenu();
    wxMenu* createEditMenu();
    wxMenu* createAssessmentMenu();
    bool isTaking() const { return m_takeFrame.get() != nullptr; }
    bool saveDocument();
    // Asks whether to save unsaved changes; false when the author would
    // rather keep the window open (or the save failed).
    bool confirmClose(bool canVeto);
    void updateTitle();
    // Runs `change`, and when the assessment differs afterwards, keeps it as
    // one step to undo named `name`.
    void recordChange(const wxString& name, const std::function<void()>& change);
    void showAssessment();
    // Shows the check's list; takes the author to the place of the problem chosen.
    void showCheck(const CAssessmentCheck& check, const wxString& intro);
    void goToProblem(const CAssessmentCheck::SProblem& problem);
    void editQuestionAt(unsigned index);
    int selectedQuestion() const;
    void startTaking();

    void OnAttributes(wxCommandEvent& event);
    void OnLook(wxCommandEvent& event);
    void OnDeliveryOptions(wxCommandEvent& event);
    void OnTakeAssessment(wxCommandEvent& event);
    void OnCheck(wxCommandEvent& event);
    void OnImportQuestions(wxCommandEvent& event);
    void OnExportQuestions(wxCommandEvent& event);
    void OnResults(wxCommandEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    void OnRemoveQuestion(wxCommandEvent& event);
    void OnPointEntry(wxCommandEvent& event);
    void OnGuide(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnMenuOpen(wxMenuEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnUpdateWhileTaking(wxUpdateUIEvent& event);
    void OnUpdateUndo(wxUpdateUIEvent& event);
    void OnUpdateRedo(wxUpdateUIEvent& event);
    void OnUpdateRemoveQuestion(wxUpdateUIEvent& event);
    // The question list's own buttons and activation change the assessment:
    // each is run here, so that it becomes a step to undo.
    void OnPanelButton(wxCommandEvent& event);
    void OnPanelActivated(wxListEvent& event);

    CAssessmentDocument* m_document;
    std::unique_ptr<CAssessmentDocument> m_ownedDocument;
    CAssessmentMgrPanel* m_panel;
    wxButton* m_attributesButton;
    wxButton* m_takeButton;
    wxMenu* m_fileMenu;
    wxCommandProcessor m_commands;
    bool m_inPanelAction;
    wxWeakRef<CTakeAssessmentFrame> m_takeFrame;
    wxWeakRef<CResultsFrame> m_resultsFrame;

    wxDECLARE_EVENT_TABLE();
};
