#include "attributes/EVImageSelections2Panel.h"

#include "external/data/Translations.h"
// The rows from top to bottom.
const CEVImageSelections2Panel::SImageRow CEVImageSelections2Panel::kRows[kNumRows] = {
    {CEVImageSelections::ePreviousCold, ePreviousColdPathID, ePreviousColdBrowseID},
    {CEVImageSelections::ePreviousHot, ePreviousHotPathID, ePreviousHotBrowseID},
    {CEVImageSelections::eNextCold, eNextColdPathID, eNextColdBrowseID},
    {CEVImageSelections::eNextHot, eNextHotPathID, eNextHotBrowseID},
    {CEVImageSelections::eSubmitCold, eSubmitColdPathID, eSubmitColdBrowseID},
    {CEVImageSelections::eSubmitHot, eSubmitHotPathID, eSubmitHotBrowseID},
};

wxBEGIN_EVENT_TABLE(CEVImageSelections2Panel, wxPanel)
    EVT_BUTTON(ePreviousColdBrowseID, CEVImageSelections2Panel::OnPreviousCold)
    EVT_BUTTON(ePreviousHotBrowseID, CEVImageSelections2Panel::OnPreviousHot)
    EVT_BUTTON(eNextColdBrowseID, CEVImageSelections2Panel::OnNextCold)
    EVT_BUTTON(eNextHotBrowseID, CEVImageSelections2Panel::OnNextHot)
    EVT_BUTTON(eSubmitColdBrowseID, CEVImageSelections2Panel::OnSubmitCold)
    EVT_BUTTON(eSubmitHotBrowseID, CEVImageSelections2Panel::OnSubmitHot)
wxEND_EVENT_TABLE()

CEVImageSelections2Panel::CEVImageSelections2Panel(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                   const wxSize& size, long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CEVImageSelections2Panel::~CEVImageSelections2Panel() = default;

void CEVImageSelections2Panel::zeroInit()
{
    m_imageSelections = nullptr;
    CImageSelectionRows::zeroInit(m_controlMap, kNumRows, m_labels, m_rowControls);
}

bool CEVImageSelections2Panel::createControls()
{
    CImageSelectionRows::createRowControls(this, kRows, kNumRows, m_labels, m_rowControls);
    if (!initializeControlsMapArray())
        return false;
    CImageSelectionRows::layoutRows(this, m_controlMap);
    return true;
}

bool CEVImageSelections2Panel::initializeControlsMapArray()
{
    CImageSelectionRows::mapRows(m_controlMap, kRows, kNumRows, m_labels, m_rowControls);
    return true;
}

bool CEVImageSelections2Panel::initialize(CEVImageSelections* imageSelections)
{
    m_imageSelections = imageSelections;
    TransferDataToWindow();
    return true;
}

bool CEVImageSelections2Panel::TransferDataToWindow()
{
    CImageSelectionRows::show(m_controlMap, m_imageSelections);
    return updateControls();
}

bool CEVImageSelections2Panel::TransferDataFromWindow()
{
    CImageSelectionRows::store(m_controlMap, m_imageSelections);
    return updateControls();
}

bool CEVImageSelections2Panel::browseForFile(const wxString& currentPath, wxString& chosenPath)
{
    return CImageSelectionRows::browseForFile(this, currentPath, chosenPath);
}

bool CEVImageSelections2Panel::updateControls()
{
    return true;
}

// Each button browses for its own row; the control map holds the rows in table order.
void CEVImageSelections2Panel::OnPreviousCold(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[0]);
}

void CEVImageSelections2Panel::OnPreviousHot(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[1]);
}

void CEVImageSelections2Panel::OnNextCold(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[2]);
}

void CEVImageSelections2Panel::OnNextHot(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[3]);
}

void CEVImageSelections2Panel::OnSubmitCold(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[4]);
}

void CEVImageSelections2Panel::OnSubmitHot(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[5]);
}
