#pragma once

#include "attributes/EVImageSelectionsPanelControlMap.h"
#include "external/data/EVImageSelections.h"

#include <wx/string.h>

class wxButton;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// The steps the two image pages of the attributes notebook take alike. Each
// page is a column of rows, one row per image: a label with the image's name,
// a path box and a "Browse..." button for a JPEG file. A page describes its
// rows in one table and keeps its controls in its own fields; these steps
// read the table and the page's control map, so that each page operation and
// each row's handler is one call.
//
// The boxes are written to the image selections only by store(), so an
// attributes dialog closed with Cancel leaves the paths as they were.
class CImageSelectionRows
{
public:
    // One row of a page: the image it edits and the identifiers of its controls.
    struct SImageRow
    {
        CEVImageSelections::imageID m_imageID;
        int m_pathBoxID;
        int m_browseButtonID;
    };

    // The controls a page keeps for one row besides its label.
    struct SRowControls
    {
        wxTextCtrl* m_pathBox;
        wxButton* m_browseButton;
    };

    using ControlMap = CEVImageSelectionsPanelControlMap[CEVImageSelections::kNumImages];

    // Every slot of the map, label and row-control pointer reset.
    static void zeroInit(ControlMap& controlMap, unsigned numRows, wxStaticText* labels[],
                         SRowControls rowControls[]);
    // Creates all labels, then all path boxes, then all buttons: the keyboard
    // focus follows creation order, so it runs down the path boxes first.
    static void createRowControls(wxWindow* page, const SImageRow rows[], unsigned numRows,
                                  wxStaticText* labels[], SRowControls rowControls[]);
    // Points the first numRows slots of the map at the rows and ends the list
    // with an empty slot.
    static void mapRows(ControlMap& controlMap, const SImageRow rows[], unsigned numRows,
                        wxStaticText* const labels[], const SRowControls rowControls[]);
    // Two lines per row: the label, then the path box with its button.
    static void layoutRows(wxWindow* page, const ControlMap& controlMap);

    // Shows each row's label and stored (relative) path.
    static void show(const ControlMap& controlMap, const CEVImageSelections* imageSelections);
    // Writes every path box into the image selections and resolves the
    // absolute paths anew.
    static void store(const ControlMap& controlMap, CEVImageSelections* imageSelections);

    // Lets the user pick a file for the row in `slot`; a confirmed choice
    // replaces the path box's text, nothing else.
    static void browseRow(wxWindow* page, const CEVImageSelectionsPanelControlMap& slot);
    // The file dialog of one row, on the row's current path; the choice comes
    // back relative to the working directory. False when cancelled.
    static bool browseForFile(wxWindow* page, const wxString& currentPath, wxString& chosenPath);
};
