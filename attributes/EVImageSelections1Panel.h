#pragma once

#include "attributes/EVImageSelectionsPanelControlMap.h"
#include "attributes/EvalonAttributesExport.h"
#include "attributes/ImageSelectionRows.h"

#include <wx/panel.h>

class wxStaticText;

/// The "Image Selections 1" page of the attributes notebook: the backgrounds of the question, submit, review
/// and congratulations pages and the three images of an answer button.
class EVALON_ATTRIBUTES_EXPORT CEVImageSelections1Panel : public wxPanel
{
public:
    /// Identifiers of each row's path box and browse button.
    enum eControlID
    {
        eQuestionBackgroundPathID = 1,
        eQuestionBackgroundBrowseID = 2,
        eAnswerButtonColdPathID = 4,
        eAnswerButtonColdBrowseID = 5,
        eAnswerButtonHotPathID = 7,
        eAnswerButtonHotBrowseID = 8,
        eAnswerButtonCheckedPathID = 10,
        eAnswerButtonCheckedBrowseID = 11,
        eAnswersSubmittalBackgroundPathID = 13,
        eAnswersSubmittalBackgroundBrowseID = 14,
        eReviewBackgroundPathID = 16,
        eReviewBackgroundBrowseID = 17,
        eCongratulationsBackgroundPathID = 19,
        eCongratulationsBackgroundBrowseID = 20,
    };

    /// Creates the page's rows. The arguments are the toolkit's.
    CEVImageSelections1Panel(wxWindow* parent, wxWindowID id = wxID_ANY,
                             const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                             long style = wxTAB_TRAVERSAL, const wxString& name = "panel");
    ~CEVImageSelections1Panel() override;

    /// Stores the edited object (owned by the caller) and fills the rows from it.
    bool initialize(CEVImageSelections* imageSelections);

    /// Shows each row's stored (relative) path, or writes every path box
    /// into the image selections and resolves the absolute paths anew. Only
    /// TransferDataFromWindow writes, so Cancel leaves the paths as they were.
    ///@{
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    ///@}

private:
    using SImageRow = CImageSelectionRows::SImageRow;
    using SRowControls = CImageSelectionRows::SRowControls;

    static const unsigned kNumRows = 7;
    static const SImageRow kRows[kNumRows];

    void zeroInit();
    bool createControls();
    bool initializeControlsMapArray();
    bool browseForFile(const wxString& currentPath, wxString& chosenPath);
    // Changes nothing; kept as the page's step after each transfer.
    bool updateControls();

    void OnQuestionBackground(wxCommandEvent& event);
    void OnAnswerButtonCold(wxCommandEvent& event);
    void OnAnswerButtonHot(wxCommandEvent& event);
    void OnAnswerButtonChecked(wxCommandEvent& event);
    void OnAnswersSubmittalBackground(wxCommandEvent& event);
    void OnReviewBackground(wxCommandEvent& event);
    void OnCongratulationsBackground(wxCommandEvent& event);

    CEVImageSelections* m_imageSelections;
    // As many slots as there are images, not indexed by image: the rows fill
    // them from the first, and the first slot without a label ends them.
    CEVImageSelectionsPanelControlMap m_controlMap[CEVImageSelections::kNumImages];
    wxStaticText* m_labels[kNumRows];
    SRowControls m_rowControls[kNumRows];

    wxDECLARE_EVENT_TABLE();
};
