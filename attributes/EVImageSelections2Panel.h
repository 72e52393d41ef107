#pragma once

#include "attributes/EVImageSelectionsPanelBase.h"
#include "attributes/EvalonAttributesExport.h"

/// The "Image Selections 2" page of the attributes notebook: the cold and hot images of the previous, next
/// and submit buttons.
class EVALON_ATTRIBUTES_EXPORT CEVImageSelections2Panel : public CEVImageSelectionsPanelBase
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

private:
    static const unsigned kNumRows = 6;
    static const SImageRow kRows[kNumRows];

    void zeroInit();
    bool createControls();
    bool initializeControlsMapArray();

    void OnPreviousCold(wxCommandEvent& event);
    void OnPreviousHot(wxCommandEvent& event);
    void OnNextCold(wxCommandEvent& event);
    void OnNextHot(wxCommandEvent& event);
    void OnSubmitCold(wxCommandEvent& event);
    void OnSubmitHot(wxCommandEvent& event);

    wxStaticText* m_labels[kNumRows];
    SRowControls m_rowControls[kNumRows];

    wxDECLARE_EVENT_TABLE();
};
