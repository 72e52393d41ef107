#pragma once

#include "attributes/EvalonAttributesExport.h"

#include <wx/notebook.h>

class CEVAttributes;
class CEVFontInfoPanel;
class CEVImageSelections1Panel;
class CEVImageSelections2Panel;

/// The body of the attributes dialog: the "Font Info" page, selected first, and
/// the two image pages. It hands each page its part of the attributes and
/// passes the data transfers on to the pages in page order.
class EVALON_ATTRIBUTES_EXPORT CEVAttributesNotebook : public wxNotebook
{
public:
    /// Creates the notebook and its three pages. The arguments are the
    /// toolkit's.
    CEVAttributesNotebook(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY,
                          const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                          long style = 0, const wxString& name = "notebook");
    ~CEVAttributesNotebook() override;

    /// Both image pages edit the same image selections, each its own rows.
    /// The attributes (owned by the caller) must not be null.
    bool initialize(CEVAttributes* attributes);

    /// Passed on to the pages in page order; false as soon as a page fails.
    ///@{
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    ///@}

private:
    void zeroInit();
    bool createControls();

    CEVAttributes* m_attributes;
    CEVFontInfoPanel* m_fontPage;
    CEVImageSelections1Panel* m_imagePage1;
    CEVImageSelections2Panel* m_imagePage2;

    wxDECLARE_EVENT_TABLE();
};
