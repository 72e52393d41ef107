#include "app/SortableList.h"

#include <wx/listctrl.h>

#include <algorithm>
#include <cmath>

namespace
{
double numberOf(const CSortableList::SRow& row, size_t column)
{
    return column < row.m_numbers.size() ? row.m_numbers[column] : std::nan("");
}

// Numbers before texts, then texts without regard to case.
bool comesBefore(const CSortableList::SRow& a, const CSortableList::SRow& b, size_t column)
{
    const double x = numberOf(a, column);
    const double y = numberOf(b, column);
    if (!std::isnan(x) || !std::isnan(y))
    {
        if (std::isnan(x) != std::isnan(y))
            return !std::isnan(x);
        return x < y;
    }
    const wxString left = column < a.m_cells.size() ? a.m_cells[column] : wxString();
    const wxString right = column < b.m_cells.size() ? b.m_cells[column] : wxString();
    return left.CmpNoCase(right) < 0;
}
} // namespace

CSortableList::CSortableList(wxListCtrl* list, const wxArrayString& headers, const std::vector<int>& widths)
    : m_list(list)
{
    for (size_t column = 0; column < headers.size(); ++column)
        m_list->AppendColumn(headers[column], wxLIST_FORMAT_LEFT, column < widths.size() ? widths[column] : -1);
}

void CSortableList::setRows(std::vector<SRow> rows)
{
    const wxString selected = getSelectedKey();
    m_rows = std::move(rows);
    fill();
    if (!selected.empty())
        selectKey(selected);
}

void CSortableList::sortBy(int column)
{
    if (column < 0 || column >= m_list->GetColumnCount())
        return;
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    const wxString selected = getSelectedKey();
    fill();
    if (!selected.empty())
        selectKey(selected);
}

void CSortableList::fill()
{
    if (m_sortColumn >= 0)
    {
        const size_t column = size_t(m_sortColumn);
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](const SRow& a, const SRow& b) {
            return m_ascending ? comesBefore(a, b, column) : comesBefore(b, a, column);
        });
        m_list->ShowSortIndicator(m_sortColumn, m_ascending);
    }
    m_list->Freeze();
    m_list->DeleteAllItems();
    for (size_t index = 0; index < m_rows.size(); ++index)
    {
        const SRow& row = m_rows[index];
        const long item = m_list->InsertItem(long(index), row.m_cells.empty() ? wxString() : row.m_cells[0]);
        for (size_t column = 1; column < row.m_cells.size(); ++column)
            m_list->SetItem(item, int(column), row.m_cells[column]);
    }
    m_list->Thaw();
}

wxString CSortableList::getSelectedKey() const
{
    return getKeyAt(m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

wxString CSortableList::getKeyAt(long index) const
{
    return index >= 0 && size_t(index) < m_rows.size() ? m_rows[size_t(index)].m_key : wxString();
}

void CSortableList::selectKey(const wxString& key)
{
    for (size_t index = 0; index < m_rows.size(); ++index)
        if (m_rows[index].m_key == key)
        {
            m_list->SetItemState(long(index), wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                 wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
            m_list->EnsureVisible(long(index));
            return;
        }
}
