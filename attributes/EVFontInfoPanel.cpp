#include "attributes/EVFontInfoPanel.h"

#include "external/data/EVFontInfo.h"
#include "external/data/Translations.h"

#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/fontdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>

#include <initializer_list>

namespace
{

// Every control of a row alike: top-aligned, 5 pixels all round.
void addSideBySide(wxSizer* row, std::initializer_list<wxWindow*> controls)
{
    for (wxWindow* control : controls)
        row->Add(control, 0, wxALL, 5);
}

} // namespace

wxBEGIN_EVENT_TABLE(CEVFontInfoPanel, wxPanel)
    EVT_BUTTON(CEVFontInfoPanel::eFontButtonID, CEVFontInfoPanel::OnFontBrowse)
    EVT_BUTTON(CEVFontInfoPanel::eColourButtonID, CEVFontInfoPanel::OnFontColourBrowse)
wxEND_EVENT_TABLE()

CEVFontInfoPanel::CEVFontInfoPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                   long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name), m_fontInfo(nullptr)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CEVFontInfoPanel::~CEVFontInfoPanel() = default;

void CEVFontInfoPanel::zeroInit()
{
    m_fontInfo = nullptr;
    m_faceNameBox = nullptr;
    m_sizeBox = nullptr;
    m_fontButton = nullptr;
    m_redBox = nullptr;
    m_greenBox = nullptr;
    m_blueBox = nullptr;
    m_colourButton = nullptr;
}

bool CEVFontInfoPanel::createControls()
{
    auto* box = new wxStaticBox(this, wxID_ANY, _("Font Information"));
    auto* boxSizer = new wxStaticBoxSizer(box, wxVERTICAL);

    auto* faceNameLabel = new wxStaticText(this, wxID_ANY, _("Face Name:"));
    auto* sizeLabel = new wxStaticText(this, wxID_ANY, _("Size:"));
    // Wide enough for common face names, which the default width cuts off.
    m_faceNameBox =
        new wxTextCtrl(this, eFaceNameID, wxEmptyString, wxDefaultPosition, wxSize(200, -1), wxTE_READONLY);
    m_sizeBox = new wxTextCtrl(this, eSizeID, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    m_fontButton = new wxButton(this, eFontButtonID, _("Font..."));

    auto* colourCaption = new wxStaticText(this, wxID_ANY, _("Color: (R = Red, G = Green, B = Blue)"));
    auto* redLabel = new wxStaticText(this, wxID_ANY, _("R:"));
    auto* greenLabel = new wxStaticText(this, wxID_ANY, _("G:"));
    auto* blueLabel = new wxStaticText(this, wxID_ANY, _("B:"));
    // Read-only like the font boxes: nothing typed here would ever reach the
    // font description, so the boxes should not invite typing.
    m_redBox = new wxTextCtrl(this, eRedID, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    m_greenBox =
        new wxTextCtrl(this, eGreenID, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    m_blueBox = new wxTextCtrl(this, eBlueID, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    m_colourButton = new wxButton(this, eColourButtonID, _("Font Colour..."));

    auto* fontRow = new wxBoxSizer(wxHORIZONTAL);
    addSideBySide(fontRow, {faceNameLabel, m_faceNameBox, sizeLabel, m_sizeBox, m_fontButton});
    auto* colourRow = new wxBoxSizer(wxHORIZONTAL);
    addSideBySide(colourRow,
                  {redLabel, m_redBox, greenLabel, m_greenBox, blueLabel, m_blueBox, m_colourButton});

    boxSizer->Add(fontRow, 0, wxALL, 5);
    boxSizer->Add(colourCaption, 0, wxALL, 5);
    boxSizer->Add(colourRow, 0, wxALL, 5);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(boxSizer, 0, wxEXPAND | wxALL, 5);
    SetSizer(topSizer);
    return true;
}

bool CEVFontInfoPanel::initialize(CEVFontInfo* fontInfo)
{
    m_fontInfo = fontInfo;
    TransferDataToWindow();
    return true;
}

bool CEVFontInfoPanel::TransferDataToWindow()
{
    if (m_fontInfo)
    {
        transferDataToWindowForFont(m_fontInfo->getFontFaceName(), m_fontInfo->getFontSize());
        transferDataToWindowForColour(m_fontInfo->getFontColour());
    }
    updateControls();
    return true;
}

bool CEVFontInfoPanel::TransferDataFromWindow()
{
    updateControls();
    return true;
}

bool CEVFontInfoPanel::transferDataToWindowForFont(const wxString& faceName, unsigned short size)
{
    m_faceNameBox->ChangeValue(faceName);
    m_sizeBox->ChangeValue(wxString::Format("%u", unsigned(size)));
    return true;
}

bool CEVFontInfoPanel::transferDataToWindowForColour(wxColour colour)
{
    m_redBox->ChangeValue(wxString::Format("%u", unsigned(colour.Red())));
    m_greenBox->ChangeValue(wxString::Format("%u", unsigned(colour.Green())));
    m_blueBox->ChangeValue(wxString::Format("%u", unsigned(colour.Blue())));
    return true;
}

bool CEVFontInfoPanel::updateControls()
{
    return true;
}

void CEVFontInfoPanel::OnFontBrowse(wxCommandEvent&)
{
    // Before initialize there is no description to edit.
    if (!m_fontInfo)
        return;

    // Only the font is preset and read back: the colour has its own button,
    // whatever colour the font dialog may show.
    wxFontData fontData;
    fontData.SetInitialFont(m_fontInfo->getAsFont());
    wxFontDialog dialog(this, fontData);
    if (dialog.ShowModal() != wxID_OK)
        return;

    m_fontInfo->setAsFont(dialog.GetFontData().GetChosenFont());
    TransferDataToWindow();
}

void CEVFontInfoPanel::OnFontColourBrowse(wxCommandEvent&)
{
    if (!m_fontInfo)
        return;

    wxColourData colourData;
    colourData.SetColour(m_fontInfo->getFontColour());
    wxColourDialog dialog(this, &colourData);
    if (dialog.ShowModal() != wxID_OK)
        return;

    m_fontInfo->setFontColour(dialog.GetColourData().GetColour());
    TransferDataToWindow();
}
