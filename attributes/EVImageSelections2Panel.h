#pragma once

#include "attributes/EVImageSelectionsPanelControlMap.h"
#include "attributes/EvalonAttributesExport.h"
#include "attributes/ImageSelectionRows.h"

#include <wx/panel.h>

class wxStaticText;

/// The "Image Selections 2" page of the attributes notebook: the cold and hot images of the previous, next
/// and submit buttons.
class EVALON_ATTRIBUTES_EXPORT CEVImageSelections2Panel : public wxPanel
{
public:
    /// Identifiers of each row's path box and browse button.
    enum eControlID
    {
        ePreviousColdPathID = 0,
        ePreviousColdBrowseID = 1,
        ePreviousHotPathID = 2,
        ePreviousHotBrowseID = 3,
        eNextColdPathID = 4,
        eNextColdBrowseID = 5,
        eNextHotPathID = 6,
        eNextHotBrowseID = 7,
        eSubmitColdPathID = 8,
        eSubmitColdBrowseID = 9,
        eSubmitHotPathID = 10,
        eSubmitHotBrowseID = 11,
    };

    /// Creates the page's rows. The arguments are the toolkit's.
    CEVImageSelections2Panel(wxWindow* parent, wxWindowID id = wxID_ANY,
                             const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                             long style = wxTAB_TRAVERSAL, const wxString& name = "panel");
    ~CEVImageSelections2Panel() override;

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

    static const unsigned kNumRows = 6;
    static const SImageRow kRows[kNumRows];

    void zeroInit();
    bool createControls();
    bool initializeControlsMapArray();
    bool browseForFile(const wxString& currentPath, wxString& chosenPath);
    // Changes nothing; kept as the page's step after each transfer.
    bool updateControls();

    void OnPreviousCold(wxCommandEvent& event);
    void OnPreviousHot(wxCommandEvent& event);
    void OnNextCold(wxCommandEvent& event);
    void OnNextHot(wxCommandEvent& event);
    void OnSubmitCold(wxCommandEvent& event);
    void OnSubmitHot(wxCommandEvent& event);

    CEVImageSelections* m_imageSelections;
    // As many slots as there are images, not indexed by image: the rows fill
    // them from the first, and the first slot without a label ends them.
    CEVImageSelectionsPanelControlMap m_controlMap[CEVImageSelections::kNumImages];
    wxStaticText* m_labels[kNumRows];
    SRowControls m_rowControls[kNumRows];

    wxDECLARE_EVENT_TABLE();
};
