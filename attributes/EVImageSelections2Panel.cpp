#include "attributes/EVImageSelections2Panel.h"

// The rows from top to bottom.
const CEVImageSelections2Panel::SImageRow CEVImageSelections2Panel::kRows[kNumRows] = {
    {CEVImageSelections::ePreviousCold, ePreviousColdPathID, ePreviousColdBrowseID},
    {CEVImageSelections::ePreviousHot, ePreviousHotPathID, ePreviousHotBrowseID},
    {CEVImageSelections::eNextCold, eNextColdPathID, eNextColdBrowseID},
    {CEVImageSelections::eNextHot, eNextHotPathID, eNextHotBrowseID},
    {CEVImageSelections::eSubmitCold, eSubmitColdPathID, eSubmitColdBrowseID},
    {CEVImageSelections::eSubmitHot, eSubmitHotPathID, eSubmitHotBrowseID},
};

wxBEGIN_EVENT_TABLE(CEVImageSelections2Panel, CEVImageSelectionsPanelBase)
    EVT_BUTTON(ePreviousColdBrowseID, CEVImageSelections2Panel::OnPreviousCold)
    EVT_BUTTON(ePreviousHotBrowseID, CEVImageSelections2Panel::OnPreviousHot)
    EVT_BUTTON(eNextColdBrowseID, CEVImageSelections2Panel::OnNextCold)
    EVT_BUTTON(eNextHotBrowseID, CEVImageSelections2Panel::OnNextHot)
    EVT_BUTTON(eSubmitColdBrowseID, CEVImageSelections2Panel::OnSubmitCold)
    EVT_BUTTON(eSubmitHotBrowseID, CEVImageSelections2Panel::OnSubmitHot)
wxEND_EVENT_TABLE()

CEVImageSelections2Panel::CEVImageSelections2Panel(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                   const wxSize& size, long style, const wxString& name)
    : CEVImageSelectionsPanelBase(parent, id, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CEVImageSelections2Panel::~CEVImageSelections2Panel() = default;

void CEVImageSelections2Panel::zeroInit()
{
    CEVImageSelectionsPanelBase::zeroInit();
    for (unsigned row = 0; row < kNumRows; ++row)
    {
        m_labels[row] = nullptr;
        m_rowControls[row] = SRowControls{nullptr, nullptr};
    }
}

bool CEVImageSelections2Panel::createControls()
{
    createRowControls(kRows, kNumRows, m_labels, m_rowControls);
    if (!initializeControlsMapArray())
        return false;
    layoutRows();
    return true;
}

bool CEVImageSelections2Panel::initializeControlsMapArray()
{
    mapRows(kRows, kNumRows, m_labels, m_rowControls);
    return true;
}

// Each button browses for its own row; the control map holds the rows in table order.
void CEVImageSelections2Panel::OnPreviousCold(wxCommandEvent&)
{
    browseRow(0);
}

void CEVImageSelections2Panel::OnPreviousHot(wxCommandEvent&)
{
    browseRow(1);
}

void CEVImageSelections2Panel::OnNextCold(wxCommandEvent&)
{
    browseRow(2);
}

void CEVImageSelections2Panel::OnNextHot(wxCommandEvent&)
{
    browseRow(3);
}

void CEVImageSelections2Panel::OnSubmitCold(wxCommandEvent&)
{
    browseRow(4);
}

void CEVImageSelections2Panel::OnSubmitHot(wxCommandEvent&)
{
    browseRow(5);
}
