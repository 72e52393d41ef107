#include "attributes/ImageSelectionRows.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>

namespace
{

// TRANSLATORS: the text before | is shown; the patterns after it stay.
const char* const kJpegWildcard =
    wxTRANSLATE("Joint Photographic Experts Group Files (*.jpg,*.jpeg)|*.jpg;*.jpeg");

// Wide enough for a typical relative path without making the page huge.
const int kPathBoxWidth = 300;

} // namespace

void CImageSelectionRows::zeroInit(ControlMap& controlMap, unsigned numRows, wxStaticText* labels[],
                                   SRowControls rowControls[])
{
    for (CEVImageSelectionsPanelControlMap& slot : controlMap)
        slot.zeroInit();
    for (unsigned row = 0; row < numRows; ++row)
    {
        labels[row] = nullptr;
        rowControls[row] = SRowControls{nullptr, nullptr};
    }
}

void CImageSelectionRows::createRowControls(wxWindow* page, const SImageRow rows[], unsigned numRows,
                                            wxStaticText* labels[], SRowControls rowControls[])
{
    for (unsigned row = 0; row < numRows; ++row)
        labels[row] = new wxStaticText(page, wxID_ANY, wxEmptyString);
    for (unsigned row = 0; row < numRows; ++row)
        rowControls[row].m_pathBox = new wxTextCtrl(page, rows[row].m_pathBoxID, wxEmptyString,
                                                    wxDefaultPosition, wxSize(kPathBoxWidth, -1));
    for (unsigned row = 0; row < numRows; ++row)
        rowControls[row].m_browseButton = new wxButton(page, rows[row].m_browseButtonID, _("Browse..."));
}

void CImageSelectionRows::mapRows(ControlMap& controlMap, const SImageRow rows[], unsigned numRows,
                                  wxStaticText* const labels[], const SRowControls rowControls[])
{
    for (unsigned row = 0; row < numRows; ++row)
        controlMap[row] = CEVImageSelectionsPanelControlMap(
            labels[row], rowControls[row].m_pathBox, rowControls[row].m_browseButton, rows[row].m_imageID);
    controlMap[numRows].zeroInit();
}

void CImageSelectionRows::layoutRows(wxWindow* page, const ControlMap& controlMap)
{
    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    for (unsigned row = 0; row < CEVImageSelections::kNumImages && controlMap[row].m_label; ++row)
    {
        auto* rowSizer = new wxBoxSizer(wxHORIZONTAL);
        rowSizer->Add(controlMap[row].m_pathBox, 1, wxEXPAND | wxALL, 5);
        rowSizer->Add(controlMap[row].m_browseButton, 0, wxALL, 5);
        topSizer->Add(controlMap[row].m_label, 0, wxALL, 5);
        // Not expanded: the row keeps its natural width, so the path box stays
        // at the 300 pixels it is created with however wide the page grows.
        topSizer->Add(rowSizer, 0, wxALL, 5);
    }
    page->SetSizer(topSizer);
}

void CImageSelectionRows::show(const ControlMap& controlMap, const CEVImageSelections* imageSelections)
{
    if (!imageSelections)
        return;
    for (unsigned row = 0; row < CEVImageSelections::kNumImages && controlMap[row].m_label; ++row)
    {
        const CEVImageSelectionsPanelControlMap& slot = controlMap[row];
        const CImageSelectionsInfo* info = imageSelections->getImageSelectionsInfoFor(slot.m_imageID);
        // The label is a name, not a mnemonic: show an '&' as it is.
        slot.m_label->SetLabelText(info->getLabel());
        slot.m_pathBox->ChangeValue(info->getRelativePath());
    }
}

void CImageSelectionRows::store(const ControlMap& controlMap, CEVImageSelections* imageSelections)
{
    if (!imageSelections)
        return;
    // Whatever stands in a box is stored, typed or browsed, empty or not.
    for (unsigned row = 0; row < CEVImageSelections::kNumImages && controlMap[row].m_label; ++row)
    {
        const CEVImageSelectionsPanelControlMap& slot = controlMap[row];
        imageSelections->getImageSelectionsInfoFor(slot.m_imageID)
            ->setRelativePath(slot.m_pathBox->GetValue());
    }
    imageSelections->updateAbsolutePaths();
}

void CImageSelectionRows::browseRow(wxWindow* page, const CEVImageSelectionsPanelControlMap& slot)
{
    wxString chosenPath;
    if (browseForFile(page, slot.m_pathBox->GetValue(), chosenPath))
        slot.m_pathBox->ChangeValue(chosenPath);
}

bool CImageSelectionRows::browseForFile(wxWindow* page, const wxString& currentPath, wxString& chosenPath)
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
    wxFileDialog dialog(page, wxFileSelectorPromptStr, defaultDir, defaultFile,
                        wxGetTranslation(kJpegWildcard), wxFD_OPEN);
    if (dialog.ShowModal() == wxID_CANCEL)
        return false;

    // Stored relative to the working directory, against which the image
    // selections resolve their absolute paths again.
    wxFileName chosen(dialog.GetPath(), wxPATH_NATIVE);
    chosen.MakeRelativeTo(wxFileName::GetCwd(), wxPATH_NATIVE);
    chosenPath = chosen.GetFullPath(wxPATH_NATIVE);
    return true;
}
