#include "external/widgets/ListCtrlHelpers.h"

#include <wx/listctrl.h>

void insertListColumns(wxListCtrl* list, std::initializer_list<CListColumn> columns)
{
    // The outer width, read before any column exists: the shares need not add
    // up to 100, so the columns may leave a margin for the scroll bar.
    const int width = list->GetSize().GetWidth();
    long column = 0;
    for (const CListColumn& entry : columns)
        list->InsertColumn(column++, entry.heading, wxLIST_FORMAT_LEFT, width * entry.percentOfWidth / 100);
}

bool insertListRow(wxListCtrl* list, unsigned int index, const wxString& first, const wxString& second)
{
    const long row = list->InsertItem(index, first);
    if (row < 0)
        return false;
    list->SetItemData(row, index);
    list->SetItem(row, 1, second);
    return true;
}

int getSelectedListRow(const wxListCtrl* list)
{
    return static_cast<int>(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void enableForSelectedRow(const wxListCtrl* list, std::initializer_list<wxWindow*> windows)
{
    const bool rowSelected = getSelectedListRow(list) != -1;
    for (wxWindow* window : windows)
        window->Enable(rowSelected);
}

void emptyListBeforeDestruction(wxListCtrl* list)
{
    if (list)
        list->DeleteAllItems();
}
