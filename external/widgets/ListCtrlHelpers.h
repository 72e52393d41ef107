#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/string.h>

#include <initializer_list>

class wxButton;
class wxListCtrl;
class wxWindow;

// The steps the report-view list panels (the assessment files, the questions of
// one assessment) take alike: columns sized from shares of the list's width,
// rows of two texts carrying their index, the selected row, and buttons that
// act on it.

// One button of a list panel's button rows: where the panel keeps it, its
// identifier and its label.
struct CListPanelButton
{
    wxButton** field;
    int id;
    wxString label;
};

// Builds a list panel's controls and layout alike for both list panels: the
// report-view list with single selection (450 x 250 to start with), then the
// buttons row by row, in that order, which is the focus order. The list takes
// the panel's height (proportion 1, wxEXPAND | wxALL, 10); each row of buttons
// follows it (proportion 0, wxEXPAND), each button with wxALL and 10. The
// layout becomes the panel's sizer and the minimum of the panel's parent.
EVALON_WIDGETS_EXPORT wxListCtrl*
createListPanelControls(wxWindow* panel, int listID,
                        std::initializer_list<std::initializer_list<CListPanelButton>> buttonRows);

// The documented way for a host to put a button of its own into a list
// panel's last button row, after the panel's buttons and with their flags:
// create the button as a child of the panel, then call this. A click on it
// travels up from the panel to the host as any command event does.
EVALON_WIDGETS_EXPORT void addListPanelButton(wxWindow* listPanel, wxButton* button);

// A column of a report-view list: its heading and its width in per cent of the
// list control's whole width.
struct CListColumn
{
    wxString heading;
    int percentOfWidth;
};

// Inserts the columns in order, left-aligned. The list's outer width W is read
// once; each width is W * percent / 100 in signed arithmetic, truncated.
EVALON_WIDGETS_EXPORT void insertListColumns(wxListCtrl* list, std::initializer_list<CListColumn> columns);

// Inserts row `index` with `first` in column 0 and `second` in column 1; the
// row's item data is its index, the entry's position in its manager. False
// when the control refuses the row.
EVALON_WIDGETS_EXPORT bool insertListRow(wxListCtrl* list, unsigned int index, const wxString& first,
                                         const wxString& second);

// The first selected row, or -1 when none is.
EVALON_WIDGETS_EXPORT int getSelectedListRow(const wxListCtrl* list);

// Enables each window exactly when a row of `list` is selected.
EVALON_WIDGETS_EXPORT void enableForSelectedRow(const wxListCtrl* list,
                                                std::initializer_list<wxWindow*> windows);

// Called from a list panel's destructor. A non-empty list control announces
// the deletion of its rows from its own destructor, which runs inside the
// panel's base destructor, after the panel's members are gone: emptying it
// first keeps that late event away from the panel's handlers.
EVALON_WIDGETS_EXPORT void emptyListBeforeDestruction(wxListCtrl* list);

// Appends a row for each of `entries` (a wx pointer array), in
// order, through insertRow(entry, index); false as soon as one is refused.
template <class Entries, class InsertRow> bool insertListRows(const Entries& entries, InsertRow insertRow)
{
    for (size_t index = 0; index < entries.GetCount(); ++index)
        if (!insertRow(*entries[index], static_cast<unsigned int>(index)))
            return false;
    return true;
}
