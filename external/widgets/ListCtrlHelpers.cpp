#include "external/widgets/ListCtrlHelpers.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

wxListCtrl* createListPanelControls(wxWindow* panel, int listID,
                                    std::initializer_list<std::initializer_list<CListPanelButton>> buttonRows)
{
    auto* list =
        new wxListCtrl(panel, listID, wxDefaultPosition, wxSize(450, 250), wxLC_REPORT | wxLC_SINGLE_SEL);
    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(list, 1, wxEXPAND | wxALL, 10);
    for (const auto& buttons : buttonRows)
    {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        for (const CListPanelButton& button : buttons)
        {
            *button.field = new wxButton(panel, button.id, button.label, wxDefaultPosition, wxDefaultSize, 0);
            row->Add(*button.field, 0, wxALL, 10);
        }
        topSizer->Add(row, 0, wxEXPAND | wxALL, 0);
    }
    panel->SetSizer(topSizer);
    // The host window holding the panel gets the panel's layout as its minimum.
    topSizer->SetSizeHints(panel->GetParent());
    return list;
}

void addListPanelButton(wxWindow* listPanel, wxButton* button)
{
    // The button rows are the sizers after the list in the panel's top sizer.
    wxSizer* topSizer = listPanel->GetSizer();
    wxSizer* lastRow = topSizer;
    for (wxSizerItem* item : topSizer->GetChildren())
        if (item->IsSizer())
            lastRow = item->GetSizer();
    lastRow->Add(button, 0, wxALL, 10);
}

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
