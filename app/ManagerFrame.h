#pragma once

#include <wx/frame.h>

class wxMenu;
class wxMenuEvent;

class CAssessmentsMgr;
class CAssessmentsMgrPanel;
class wxButton;

// The assessment manager: the user's list of assessment files, with the list
// panel's own buttons and "Add Existing..." beside them, which lists an
// assessment file chosen on disk, and "Results...", which shows how takers did
// on the selected one. Its menus: File (New, Open in an authoring window,
// Add Existing, the recent files, Quit) and Help.
class CManagerFrame : public wxFrame
{
public:
    enum eControlID
    {
        kAddExistingButtonID = 20,
        kResultsButtonID = 21
    };

    CManagerFrame(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY, const wxString& title = "Evalon",
                  const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                  long style = wxDEFAULT_FRAME_STYLE, const wxString& name = wxFrameNameStr);
    ~CManagerFrame() override;

    // The manager is the host's and must outlive the window.
    bool initialize(CAssessmentsMgr* assessmentsMgr);
    // Why new assessments get no pictures (the default look is missing or
    // damaged), told at every Create; empty when they get the default look.
    void setNewAssessmentNotice(const wxString& notice) { m_newAssessmentNotice = notice; }

    CAssessmentsMgrPanel* getPanel() const { return m_panel; }

private:
    void zeroInit();
    bool createControls();
    wxMenuBar* createMenuBar();

    void OnAddExisting(wxCommandEvent& event);
    void OnResults(wxCommandEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnGuide(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnMenuOpen(wxMenuEvent& event);
    // The panel's Create button, before the panel's own handling.
    void OnCreate(wxCommandEvent& event);
    // The assessment file of the row selected in the list, or empty.
    wxString selectedFile() const;

    CAssessmentsMgr* m_assessmentsMgr;
    CAssessmentsMgrPanel* m_panel;
    wxButton* m_addExistingButton;
    wxButton* m_resultsButton;
    wxMenu* m_fileMenu;
    wxString m_newAssessmentNotice;

    wxDECLARE_EVENT_TABLE();
};
