#include "attributes/EVImageSelections1Panel.h"

#include "external/data/Translations.h"
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

wxBEGIN_EVENT_TABLE(CEVImageSelections1Panel, wxPanel)
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
    : wxPanel(parent, id, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CEVImageSelections1Panel::~CEVImageSelections1Panel() = default;

void CEVImageSelections1Panel::zeroInit()
{
    m_imageSelections = nullptr;
    CImageSelectionRows::zeroInit(m_controlMap, kNumRows, m_labels, m_rowControls);
}

bool CEVImageSelections1Panel::createControls()
{
    CImageSelectionRows::createRowControls(this, kRows, kNumRows, m_labels, m_rowControls);
    if (!initializeControlsMapArray())
        return false;
    CImageSelectionRows::layoutRows(this, m_controlMap);
    return true;
}

bool CEVImageSelections1Panel::initializeControlsMapArray()
{
    CImageSelectionRows::mapRows(m_controlMap, kRows, kNumRows, m_labels, m_rowControls);
    return true;
}

bool CEVImageSelections1Panel::initialize(CEVImageSelections* imageSelections)
{
    m_imageSelections = imageSelections;
    TransferDataToWindow();
    return true;
}

bool CEVImageSelections1Panel::TransferDataToWindow()
{
    CImageSelectionRows::show(m_controlMap, m_imageSelections);
    return updateControls();
}

bool CEVImageSelections1Panel::TransferDataFromWindow()
{
    CImageSelectionRows::store(m_controlMap, m_imageSelections);
    return updateControls();
}

bool CEVImageSelections1Panel::browseForFile(const wxString& currentPath, wxString& chosenPath)
{
    return CImageSelectionRows::browseForFile(this, currentPath, chosenPath);
}

bool CEVImageSelections1Panel::updateControls()
{
    return true;
}

// Each button browses for its own row; the control map holds the rows in table order.
void CEVImageSelections1Panel::OnQuestionBackground(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[0]);
}

void CEVImageSelections1Panel::OnAnswerButtonCold(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[1]);
}

void CEVImageSelections1Panel::OnAnswerButtonHot(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[2]);
}

void CEVImageSelections1Panel::OnAnswerButtonChecked(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[3]);
}

void CEVImageSelections1Panel::OnAnswersSubmittalBackground(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[4]);
}

void CEVImageSelections1Panel::OnReviewBackground(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[5]);
}

void CEVImageSelections1Panel::OnCongratulationsBackground(wxCommandEvent&)
{
    CImageSelectionRows::browseRow(this, m_controlMap[6]);
}
