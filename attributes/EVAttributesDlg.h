#pragma once

#include "attributes/EvalonAttributesExport.h"

#include <wx/dialog.h>
#include <wx/translation.h>

class CEVAttributes;
class CEVAttributesNotebook;
class wxButton;

/// The modal dialog in which an author edits an assessment's appearance: the
/// font, its colour and the thirteen images, on the pages of a notebook above
/// Cancel and OK. The host constructs it, calls initialize, shows it modally
/// and reads the result (wxID_OK or wxID_CANCEL). OK and Cancel keep the
/// toolkit's own handling: OK transfers the pages' data and closes only when
/// the transfer succeeds.
class EVALON_ATTRIBUTES_EXPORT CEVAttributesDlg : public wxDialog
{
public:
    /// Creates the dialog with its notebook and buttons; the defaults are the
    /// dialog's own.
    CEVAttributesDlg(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY,
                     const wxString& title = _("Attributes"), const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize,
                     long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER,
                     const wxString& name = "dialogBox");
    ~CEVAttributesDlg() override;

    /// The attributes (owned by the caller) must not be null and must outlive the dialog.
    bool initialize(CEVAttributes* attributes);

    /// Passed on to the notebook's pages in page order. Showing the dialog
    /// fills them; OK writes the picture paths back and resolves them anew.
    ///@{
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    ///@}

private:
    void zeroInit();
    bool createControls();

    CEVAttributesNotebook* m_notebook;
    wxButton* m_okButton;
    wxButton* m_cancelButton;

    wxDECLARE_EVENT_TABLE();
};
