#include "attributes/EVImageSelectionsPanelBase.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

const char* const kJpegWildcard = "Joint Photographic Experts Group Files (*.jpg,*.jpeg)|*.jpg;*.jpeg";

// Wide enough for a typical relative path without making the page huge.
const int kPathBoxWidth = 300;

} // namespace

CEVImageSelectionsPanelBase::CEVImageSelectionsPanelBase(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                         const wxSize& size, long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name), m_imageSelections(nullptr)
{
}

CEVImageSelectionsPanelBase::~CEVImageSelectionsPanelBase() = default;

void CEVImageSelectionsPanelBase::zeroInit()
{
    m_imageSelections = nullptr;
    for (CEVImageSelectionsPanelControlMap& slot : m_controlMap)
        slot.zeroInit();
}

void CEVImageSelectionsPanelBase::createRowControls(const SImageRow rows[], unsigned numRows,
                                                    wxStaticText* labels[], SRowControls rowControls[])
{
    for (unsigned row = 0; row < numRows; ++row)
        labels[row] = new wxStaticText(this, wxID_ANY, wxEmptyString);
    for (unsigned row = 0; row < numRows; ++row)
        rowControls[row].m_pathBox = new wxTextCtrl(this, rows[row].m_pathBoxID, wxEmptyString,
                                                    wxDefaultPosition, wxSize(kPathBoxWidth, -1));
    for (unsigned row = 0; row < numRows; ++row)
        rowControls[row].m_browseButton = new wxButton(this, rows[row].m_browseButtonID, "Browse...");
}

void CEVImageSelectionsPanelBase::mapRows(const SImageRow rows[], unsigned numRows,
                                          wxStaticText* const labels[], const SRowControls rowControls[])
{
    for (unsigned row = 0; row < numRows; ++row)
        m_controlMap[row] = CEVImageSelectionsPanelControlMap(
            labels[row], rowControls[row].m_pathBox, rowControls[row].m_browseButton, rows[row].m_imageID);
    m_controlMap[numRows].zeroInit();
}

void CEVImageSelectionsPanelBase::layoutRows()
{
    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    for (unsigned row = 0; row < CEVImageSelections::kNumImages && m_controlMap[row].m_label; ++row)
    {
        auto* rowSizer = new wxBoxSizer(wxHORIZONTAL);
        rowSizer->Add(m_controlMap[row].m_pathBox, 1, wxEXPAND | wxALL, 5);
        rowSizer->Add(m_controlMap[row].m_browseButton, 0, wxALL, 5);
        topSizer->Add(m_controlMap[row].m_label, 0, wxALL, 5);
        // Not expanded: the row keeps its natural width, so the path box stays
        // at the 300 pixels it is created with however wide the page grows.
        topSizer->Add(rowSizer, 0, wxALL, 5);
    }
    SetSizer(topSizer);
}

bool CEVImageSelectionsPanelBase::initialize(CEVImageSelections* imageSelections)
{
    m_imageSelections = imageSelections;
    TransferDataToWindow();
    return true;
}

bool CEVImageSelectionsPanelBase::TransferDataToWindow()
{
    if (m_imageSelections)
    {
        for (unsigned row = 0; row < CEVImageSelections::kNumImages && m_controlMap[row].m_label; ++row)
        {
            const CEVImageSelectionsPanelControlMap& slot = m_controlMap[row];
            const CImageSelectionsInfo* info = m_imageSelections->getImageSelectionsInfoFor(slot.m_imageID);
            // The label is a name, not a mnemonic: show an '&' as it is.
            slot.m_label->SetLabelText(info->getLabel());
            slot.m_pathBox->ChangeValue(info->getRelativePath());
        }
    }
    updateControls();
    return true;
}

bool CEVImageSelectionsPanelBase::TransferDataFromWindow()
{
    if (m_imageSelections)
    {
        // Whatever stands in a box is stored, typed or browsed, empty or not.
        for (unsigned row = 0; row < CEVImageSelections::kNumImages && m_controlMap[row].m_label; ++row)
        {
            const CEVImageSelectionsPanelControlMap& slot = m_controlMap[row];
            m_imageSelections->getImageSelectionsInfoFor(slot.m_imageID)
                ->setRelativePath(slot.m_pathBox->GetValue());
        }
        m_imageSelections->updateAbsolutePaths();
    }
    updateControls();
    return true;
}

void CEVImageSelectionsPanelBase::browseRow(unsigned row)
{
    wxTextCtrl* pathBox = m_controlMap[row].m_pathBox;
    wxString chosenPath;
    if (browseForFile(pathBox->GetValue(), chosenPath))
        pathBox->ChangeValue(chosenPath);
}

bool CEVImageSelectionsPanelBase::browseForFile(const wxString& currentPath, wxString& chosenPath)
{
    // The dialog opens in the working directory on the row's current file.
    // GTK's dialog takes a bare file name only (a name with a folder asserts
    // and is dropped), so a path with folders opens that folder instead, on
    // the same file.
    wxString defaultDir = wxFileName::GetCwd();
    wxString defaultFile;
    if (!currentPath.empty())
    {
        wxFileName current(currentPath, wxPATH_NATIVE);
        current.MakeAbsolute(defaultDir);
        defaultDir = current.GetPath();
        defaultFile = current.GetFullName();
    }
    wxFileDialog dialog(this, wxFileSelectorPromptStr, defaultDir, defaultFile, kJpegWildcard, wxFD_OPEN);
    if (dialog.ShowModal() == wxID_CANCEL)
        return false;

    // Stored relative to the working directory, against which the image
    // selections resolve their absolute paths again.
    wxFileName chosen(dialog.GetPath(), wxPATH_NATIVE);
    chosen.MakeRelativeTo(wxFileName::GetCwd(), wxPATH_NATIVE);
    chosenPath = chosen.GetFullPath(wxPATH_NATIVE);
    return true;
}

bool CEVImageSelectionsPanelBase::updateControls()
{
    return true;
}
