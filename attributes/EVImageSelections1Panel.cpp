#include "attributes/EVImageSelections1Panel.h"

// The rows from top to bottom.
const CEVImageSelections1Panel::SImageRow CEVImageSelections1Panel::kRows[kNumRows] = {
    {CEVImageSelections::eQuestionBackground, eQuestionBackgroundPathID, eQuestionBackgroundBrowseID},
    {CEVImageSelections::eAnswerButtonCold, eAnswerButtonColdPathID, eAnswerButtonColdBrowseID},
    {CEVImageSelections::eAnswerButtonHot, eAnswerButtonHotPathID, eAnswerButtonHotBrowseID},
    {CEVImageSelections::eAnswerButtonChecked, eAnswerButtonCheckedPathID, eAnswerButtonCheckedBrowseID},
    {CEVImageSelections::eAnswersSubmittalBackground, eAnswersSubmittalBackgroundPathID,
     eAnswersSubmittalBackgroundBrowseID},
    {CEVImageSelections::eReviewBackground, eReviewBackgroundPathID, eReviewBackgroundBrowseID},
    {CEVImageSelections::eCongratulationsBackground, eCongratulationsBackgroundPathID,
     eCongratulationsBackgroundBrowseID},
};

wxBEGIN_EVENT_TABLE(CEVImageSelections1Panel, CEVImageSelectionsPanelBase)
    EVT_BUTTON(eQuestionBackgroundBrowseID, CEVImageSelections1Panel::OnQuestionBackground)
    EVT_BUTTON(eAnswerButtonColdBrowseID, CEVImageSelections1Panel::OnAnswerButtonCold)
    EVT_BUTTON(eAnswerButtonHotBrowseID, CEVImageSelections1Panel::OnAnswerButtonHot)
    EVT_BUTTON(eAnswerButtonCheckedBrowseID, CEVImageSelections1Panel::OnAnswerButtonChecked)
    EVT_BUTTON(eAnswersSubmittalBackgroundBrowseID, CEVImageSelections1Panel::OnAnswersSubmittalBackground)
    EVT_BUTTON(eReviewBackgroundBrowseID, CEVImageSelections1Panel::OnReviewBackground)
    EVT_BUTTON(eCongratulationsBackgroundBrowseID, CEVImageSelections1Panel::OnCongratulationsBackground)
wxEND_EVENT_TABLE()

CEVImageSelections1Panel::CEVImageSelections1Panel(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                   const wxSize& size, long style, const wxString& name)
    : CEVImageSelectionsPanelBase(parent, id, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CEVImageSelections1Panel::~CEVImageSelections1Panel() = default;

void CEVImageSelections1Panel::zeroInit()
{
    CEVImageSelectionsPanelBase::zeroInit();
    for (unsigned row = 0; row < kNumRows; ++row)
    {
        m_labels[row] = nullptr;
        m_rowControls[row] = SRowControls{nullptr, nullptr};
    }
}

bool CEVImageSelections1Panel::createControls()
{
    createRowControls(kRows, kNumRows, m_labels, m_rowControls);
    if (!initializeControlsMapArray())
        return false;
    layoutRows();
    return true;
}

bool CEVImageSelections1Panel::initializeControlsMapArray()
{
    mapRows(kRows, kNumRows, m_labels, m_rowControls);
    return true;
}

// Each button browses for its own row; the control map holds the rows in table order.
void CEVImageSelections1Panel::OnQuestionBackground(wxCommandEvent&)
{
    browseRow(0);
}

void CEVImageSelections1Panel::OnAnswerButtonCold(wxCommandEvent&)
{
    browseRow(1);
}

void CEVImageSelections1Panel::OnAnswerButtonHot(wxCommandEvent&)
{
    browseRow(2);
}

void CEVImageSelections1Panel::OnAnswerButtonChecked(wxCommandEvent&)
{
    browseRow(3);
}

void CEVImageSelections1Panel::OnAnswersSubmittalBackground(wxCommandEvent&)
{
    browseRow(4);
}

void CEVImageSelections1Panel::OnReviewBackground(wxCommandEvent&)
{
    browseRow(5);
}

void CEVImageSelections1Panel::OnCongratulationsBackground(wxCommandEvent&)
{
    browseRow(6);
}
