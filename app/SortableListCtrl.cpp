#include "app/SortableListCtrl.h"

#include <algorithm>
#include <cmath>

namespace
{
double numberOf(const CSortableListCtrl::SRow& row, size_t column)
{
    return column < row.m_numbers.size() ? row.m_numbers[column] : std::nan("");
}

// Numbers before texts, then texts without regard to case.
bool comesBefore(const CSortableListCtrl::SRow& a, const CSortableListCtrl::SRow& b, size_t column)
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

CSortableListCtrl::CSortableListCtrl(wxWindow* parent, wxWindowID id, const wxArrayString& headers,
                                     const std::vector<int>& widths, const wxSize& size)
    : wxListCtrl(parent, id, wxDefaultPosition, size, wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL)
{
    for (size_t column = 0; column < headers.size(); ++column)
        AppendColumn(headers[column], wxLIST_FORMAT_LEFT, column < widths.size() ? widths[column] : -1);
}

void CSortableListCtrl::setRows(std::vector<SRow> rows)
{
    const wxString selected = getSelectedKey();
    m_rows = std::move(rows);
    sortRows();
    show(selected);
}

void CSortableListCtrl::sortBy(int column)
{
    if (column < 0 || column >= GetColumnCount())
        return;
    const wxString selected = getSelectedKey();
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    sortRows();
    ShowSortIndicator(m_sortColumn, m_ascending);
    show(selected);
}

void CSortableListCtrl::sortRows()
{
    if (m_sortColumn < 0)
        return;
    const size_t column = size_t(m_sortColumn);
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const SRow& a, const SRow& b) {
        return m_ascending ? comesBefore(a, b, column) : comesBefore(b, a, column);
    });
}

void CSortableListCtrl::show(const wxString& selectedKey)
{
    // The selection belongs to positions: cleared, then set where its row went.
    const long selected = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (selected >= 0 && selected < GetItemCount())
        SetItemState(selected, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    SetItemCount(long(m_rows.size()));
    if (!selectedKey.empty())
        selectKey(selectedKey);
    Refresh();
}

wxString CSortableListCtrl::OnGetItemText(long item, long column) const
{
    if (item < 0 || size_t(item) >= m_rows.size() || column < 0)
        return wxString();
    const std::vector<wxString>& cells = m_rows[size_t(item)].m_cells;
    return size_t(column) < cells.size() ? cells[size_t(column)] : wxString();
}

wxString CSortableListCtrl::getSelectedKey() const
{
    return getKeyAt(GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

wxString CSortableListCtrl::getKeyAt(long index) const
{
    return index >= 0 && size_t(index) < m_rows.size() ? m_rows[size_t(index)].m_key : wxString();
}

void CSortableListCtrl::selectKey(const wxString& key)
{
    for (size_t index = 0; index < m_rows.size(); ++index)
        if (m_rows[index].m_key == key)
        {
            SetItemState(long(index), wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                         wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
            EnsureVisible(long(index));
            return;
        }
}
