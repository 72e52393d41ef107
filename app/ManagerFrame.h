#pragma once

#include <wx/frame.h>

class CAssessmentsMgr;
class CAssessmentsMgrPanel;
class wxButton;

// The assessment manager: the user's list of assessment files, with the list
// panel's own buttons and "Add Existing..." beside them, which lists an
// assessment file chosen on disk, and "Results...", which shows how takers did
// on the selected one.
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

    CAssessmentsMgrPanel* getPanel() const { return m_panel; }

private:
    void zeroInit();
    bool createControls();

    void OnAddExisting(wxCommandEvent& event);
    void OnResults(wxCommandEvent& event);
    // The assessment file of the row selected in the list, or empty.
    wxString selectedFile() const;

    CAssessmentsMgr* m_assessmentsMgr;
    CAssessmentsMgrPanel* m_panel;
    wxButton* m_addExistingButton;
    wxButton* m_resultsButton;

    wxDECLARE_EVENT_TABLE();
};
