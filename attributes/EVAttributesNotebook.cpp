#include "attributes/EVAttributesNotebook.h"

#include "attributes/EVFontInfoPanel.h"
#include "attributes/EVImageSelections1Panel.h"
#include "attributes/EVImageSelections2Panel.h"
#include "external/data/EVAttributes.h"
#include "external/data/Translations.h"
#include <wx/translation.h>

namespace
{

enum ePageID
{
    eFontPageID = 0,
    eImagePage1ID,
    eImagePage2ID,
};

const int kNoPageImage = -1;

} // namespace

wxBEGIN_EVENT_TABLE(CEVAttributesNotebook, wxNotebook)
wxEND_EVENT_TABLE()

CEVAttributesNotebook::CEVAttributesNotebook(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                             const wxSize& size, long style, const wxString& name)
    : wxNotebook(parent, id, pos, size, style, name), m_attributes(nullptr)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CEVAttributesNotebook::~CEVAttributesNotebook() = default;

void CEVAttributesNotebook::zeroInit()
{
    m_fontPage = nullptr;
    m_imagePage1 = nullptr;
    m_imagePage2 = nullptr;
}

bool CEVAttributesNotebook::createControls()
{
    m_fontPage =
        new CEVFontInfoPanel(this, eFontPageID, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "panel");
    m_imagePage1 = new CEVImageSelections1Panel(this, eImagePage1ID, wxDefaultPosition, wxDefaultSize,
                                                wxTAB_TRAVERSAL, "panel");
    m_imagePage2 = new CEVImageSelections2Panel(this, eImagePage2ID, wxDefaultPosition, wxDefaultSize,
                                                wxTAB_TRAVERSAL, "panel");

    if (!AddPage(m_fontPage, _("Font Info"), true, kNoPageImage))
        return false;
    if (!AddPage(m_imagePage1, _("Image Selections 1"), false, kNoPageImage))
        return false;
    return AddPage(m_imagePage2, _("Image Selections 2"), false, kNoPageImage);
}

bool CEVAttributesNotebook::initialize(CEVAttributes* attributes)
{
    m_attributes = attributes;
    m_fontPage->initialize(m_attributes->getFontInfo());
    m_imagePage1->initialize(m_attributes->getImageSelections());
    m_imagePage2->initialize(m_attributes->getImageSelections());
    return true;
}

// Page order matters on the way back: page 1 writes its rows (and brings the
// absolute paths up to date) before page 2 writes its own.
bool CEVAttributesNotebook::TransferDataToWindow()
{
    return m_fontPage->TransferDataToWindow() && m_imagePage1->TransferDataToWindow() &&
           m_imagePage2->TransferDataToWindow();
}

bool CEVAttributesNotebook::TransferDataFromWindow()
{
    return m_fontPage->TransferDataFromWindow() && m_imagePage1->TransferDataFromWindow() &&
           m_imagePage2->TransferDataFromWindow();
}
