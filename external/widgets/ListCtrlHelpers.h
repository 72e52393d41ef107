#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/string.h>

#include <initializer_list>

class wxListCtrl;
class wxWindow;

// The steps the report-view list panels (the assessment files, the questions of
// one assessment) take alike: columns sized from shares of the list's width,
// rows of two texts carrying their index, the selected row, and buttons that
// act on it.

// A column of a report-view list: its heading and its width in per cent of the
// list control's whole width.
struct CListColumn
{
    const char* heading;
    int percentOfWidth;
};

// Inserts the columns in order, left-aligned. The list's outer width W is read
// once; each width is W * percent / 100 in signed arithmetic, truncated.
EVALON_WIDGETS_EXPORT void insertListColumns(wxListCtrl* list, std::initializer_list<CListColumn> columns);

// Inserts row `index` with `first` in column 0 and `second` in column 1; the
// row's item data is its index, the entry's position in its manager. False
// when the control refuses the row.
EVALON_WIDGETS_EXPORT bool insertListRow(wxListCtrl* list, unsigned int index, const wxString& first, const wxString& second);

// The first selected row, or -1 when none is.
EVALON_WIDGETS_EXPORT int getSelectedListRow(const wxListCtrl* list);

// Enables each window exactly when a row of `list` is selected.
EVALON_WIDGETS_EXPORT void enableForSelectedRow(const wxListCtrl* list, std::initializer_list<wxWindow*> windows);

// Called from a list panel's destructor. A non-empty list control announces
// the deletion of its rows from its own destructor, which runs inside the
// panel's base destructor, after the panel's members are gone: emptying it
// first keeps that late event away from the panel's handlers.
EVALON_WIDGETS_EXPORT void emptyListBeforeDestruction(wxListCtrl* list);
