#pragma once

#include <wx/frame.h>
#include <wx/weakref.h>

class CAssessmentDocument;
class CAssessmentMgrPanel;
class CResultsFrame;
class CTakeAssessmentFrame;
class wxButton;

// The authoring window of one assessment file: its questions in the question
// list panel, "Attributes...", "Delivery Options...", "Results..." and "Take Assessment" beside it and
// in the menu, with Import Questions, Export Questions, Save and Close. Closing with unsaved
// changes asks whether to save them.
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
        kDeliveryOptionsID = 36
    };

    CAuthoringFrame(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY, const wxString& title = "Evalon",
                    const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                    long style = wxDEFAULT_FRAME_STYLE, const wxString& name = wxFrameNameStr);
    ~CAuthoringFrame() override;

    // The document is the host's and must outlive the window.
    bool initialize(CAssessmentDocument* document);

    // Opens the "Delivery Options" dialog on the assessment's options; true
    // when the author pressed OK (the options are then the dialog's).
    bool editDeliveryOptions();

    CAssessmentMgrPanel* getPanel() const { return m_panel; }
    // The window in which the assessment is being taken, or null.
    CTakeAssessmentFrame* getTakeFrame() const { return m_takeFrame.get(); }
    // The window of how takers did, or null.
    CResultsFrame* getResultsFrame() const { return m_resultsFrame.get(); }

private:
    void zeroInit();
    bool createControls();
    wxMenuBar* createMenuBar();
    bool isTaking() const { return m_takeFrame.get() != nullptr; }
    bool saveDocument();
    // Asks whether to save unsaved changes; false when the author would
    // rather keep the window open (or the save failed).
    bool confirmClose(bool canVeto);

    void OnAttributes(wxCommandEvent& event);
    void OnDeliveryOptions(wxCommandEvent& event);
    void OnTakeAssessment(wxCommandEvent& event);
    void OnImportQuestions(wxCommandEvent& event);
    void OnExportQuestions(wxCommandEvent& event);
    void OnResults(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnUpdateWhileTaking(wxUpdateUIEvent& event);

    CAssessmentDocument* m_document;
    CAssessmentMgrPanel* m_panel;
    wxButton* m_attributesButton;
    wxButton* m_takeButton;
    wxWeakRef<CTakeAssessmentFrame> m_takeFrame;
    wxWeakRef<CResultsFrame> m_resultsFrame;

    wxDECLARE_EVENT_TABLE();
};
