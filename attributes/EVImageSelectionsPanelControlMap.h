#pragma once

#include "EvalonUiExport.h"
#include "external/data/EVImageSelections.h"

class wxButton;
class wxStaticText;
class wxTextCtrl;

// Binds the controls of one row of an image page to the image the row edits.
// The controls belong to the page; the map only points at them. A map whose
// label is null ends a page's list of rows.
struct EVALON_UI_EXPORT CEVImageSelectionsPanelControlMap
{
    CEVImageSelectionsPanelControlMap();
    CEVImageSelectionsPanelControlMap(wxStaticText* label, wxTextCtrl* pathBox, wxButton* browseButton,
                                      CEVImageSelections::imageID imageID);
    CEVImageSelectionsPanelControlMap(const CEVImageSelectionsPanelControlMap& other) = default;

    void zeroInit();
    void operator=(const CEVImageSelectionsPanelControlMap& other);

    wxStaticText* m_label;
    wxTextCtrl* m_pathBox;
    wxButton* m_browseButton;
    CEVImageSelections::imageID m_imageID;
};
