#pragma once

#include "attributes/EVImageSelectionsPanelControlMap.h"
#include "attributes/EvalonAttributesExport.h"
#include "external/data/EVImageSelections.h"

#include <wx/panel.h>

class wxButton;
class wxStaticText;
class wxTextCtrl;

/// What the two image pages of the attributes notebook have in common. Each
/// page is a column of rows, one row per image: a label with the image's name,
/// a path box and a "Browse..." button for a JPEG file. The pages differ only in
/// which images they show and in their control identifiers; they describe their
/// rows in a table, create the rows through this class, and route each row's
/// button to browseRow.
///
/// The boxes are written to the image selections only by TransferDataFromWindow,
/// so an attributes dialog closed with Cancel leaves the paths as they were.
class EVALON_ATTRIBUTES_EXPORT CEVImageSelectionsPanelBase : public wxPanel
{
public:
    ~CEVImageSelectionsPanelBase() override;

    /// Stores the edited object (owned by the caller) and fills the rows from it.
    bool initialize(CEVImageSelections* imageSelections);

    /// Shows each row's stored (relative) path, or writes every path box
    /// into the image selections and resolves the absolute paths anew.
    ///@{
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    ///@}

protected:
    /// One row of a page: the image it edits and the identifiers of its controls.
    struct SImageRow
    {
        CEVImageSelections::imageID m_imageID; ///< the image the row edits
        int m_pathBoxID;                       ///< the identifier of its path box
        int m_browseButtonID;                  ///< the identifier of its "Browse..." button
    };

    /// The controls a page keeps for one row besides its label.
    struct SRowControls
    {
        wxTextCtrl* m_pathBox;    ///< the path as stored
        wxButton* m_browseButton; ///< opens the file dialog for the row
    };

    /// Creates the bare panel; the page creates its rows.
    CEVImageSelectionsPanelBase(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                long style, const wxString& name);

    /// No image selections, every slot of the control map empty.
    void zeroInit();

    /// Creates all labels, then all path boxes, then all buttons: the keyboard
    /// focus follows creation order, so it runs down the path boxes first.
    void createRowControls(const SImageRow rows[], unsigned numRows, wxStaticText* labels[],
                           SRowControls rowControls[]);
    /// Points the first numRows slots of the control map at the rows and ends
    /// the list with an empty slot.
    void mapRows(const SImageRow rows[], unsigned numRows, wxStaticText* const labels[],
                 const SRowControls rowControls[]);
    /// Two lines per row: the label, then the path box with its button.
    void layoutRows();

    /// Lets the user pick a file for the row in slot `row` of the control map;
    /// a confirmed choice replaces the path box's text, nothing else.
    void browseRow(unsigned row);

private:
    bool browseForFile(const wxString& currentPath, wxString& chosenPath);
    bool updateControls();

    CEVImageSelections* m_imageSelections;
    // As many slots as there are images; the rows fill them from the first,
    // and the first slot without a label ends them.
    CEVImageSelectionsPanelControlMap m_controlMap[CEVImageSelections::kNumImages];
};
