#pragma once

#include "attributes/EvalonAttributesExport.h"

#include <wx/colour.h>
#include <wx/panel.h>

class CEVFontInfo;
class wxButton;
class wxTextCtrl;

/// The "Font Info" page of the attributes notebook: shows the face name, size
/// and colour in which an assessment's texts are presented. The boxes only
/// display; the font changes through the toolkit's font dialog, the colour
/// through its colour dialog, and each confirmed dialog writes to the font
/// description at once (an attributes dialog closed with Cancel keeps it).
class EVALON_ATTRIBUTES_EXPORT CEVFontInfoPanel : public wxPanel
{
public:
    /// Identifiers of the page's controls.
    enum eControlID
    {
        eFaceNameID = 0,
        eSizeID,
        eFontButtonID,
        eRedID,
        eGreenID,
        eBlueID,
        eColourButtonID,
    };

    /// Creates the page's boxes and buttons. The arguments are the toolkit's.
    CEVFontInfoPanel(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL,
                     const wxString& name = "panel");
    ~CEVFontInfoPanel() override;

    /// Stores the edited description (owned by the caller) and shows it.
    bool initialize(CEVFontInfo* fontInfo);

    /// Shows the face name, size and the colour's red, green and blue parts.
    bool TransferDataToWindow() override;
    /// Reads nothing back: the dialogs have already written their choices.
    bool TransferDataFromWindow() override;

private:
    void zeroInit();
    bool createControls();

    bool transferDataToWindowForFont(const wxString& faceName, unsigned short size);
    bool transferDataToWindowForColour(wxColour colour);
    bool updateControls();

    void OnFontBrowse(wxCommandEvent& event);
    void OnFontColourBrowse(wxCommandEvent& event);

    CEVFontInfo* m_fontInfo;
    wxTextCtrl* m_faceNameBox;
    wxTextCtrl* m_sizeBox;
    wxButton* m_fontButton;
    wxTextCtrl* m_redBox;
    wxTextCtrl* m_greenBox;
    wxTextCtrl* m_blueBox;
    wxButton* m_colourButton;

    wxDECLARE_EVENT_TABLE();
};
