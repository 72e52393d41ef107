#pragma once

#include "attributes/EvalonAttributesExport.h"
#include "external/data/EVImageSelections.h"

class wxButton;
class wxStaticText;
class wxTextCtrl;

/// Binds the controls of one row of an image page to the image the row edits.
/// The controls belong to the page; the map only points at them. A map whose
/// label is null ends a page's list of rows.
struct EVALON_ATTRIBUTES_EXPORT CEVImageSelectionsPanelControlMap
{
    /// An empty slot, which ends a list of rows.
    CEVImageSelectionsPanelControlMap();
    /// The row of `imageID` with its controls.
    CEVImageSelectionsPanelControlMap(wxStaticText* label, wxTextCtrl* pathBox, wxButton* browseButton,
                                      CEVImageSelections::imageID imageID);
    /// Copies point at the same controls.
    ///@{
    CEVImageSelectionsPanelControlMap(const CEVImageSelectionsPanelControlMap& other) = default;
    void operator=(const CEVImageSelectionsPanelControlMap& other);
    ///@}

    /// Makes the slot empty: no controls, eNoImage.
    void zeroInit();

    wxStaticText* m_label;                 ///< the image's name; null in an empty slot
    wxTextCtrl* m_pathBox;                 ///< the path as stored
    wxButton* m_browseButton;              ///< opens the file dialog for the row
    CEVImageSelections::imageID m_imageID; ///< the image the row edits
};
