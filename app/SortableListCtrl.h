#pragma once

#include <wx/arrstr.h>
#include <wx/listctrl.h>

#include <vector>

// A report list whose rows the program holds (the control asks for the
// texts it shows, so ten thousand rows cost nothing to show), sorted by the
// column whose header was clicked last (a second click turns the order
// round), with the sort shown in the header. The selected row stays
// selected when the rows are replaced, found again by its key.
class CSortableListCtrl : public wxListCtrl
{
public:
    struct SRow
    {
        wxString m_key;                ///< identifies the row across updates
        std::vector<wxString> m_cells; ///< one per column
        std::vector<double> m_numbers; ///< per column; NaN (or missing) sorts by the text
    };

    CSortableListCtrl(wxWindow* parent, wxWindowID id, const wxArrayString& headers, const std::vector<int>& widths,
                      const wxSize& size = wxDefaultSize);

    void setRows(std::vector<SRow> rows);
    // Sorts by `column`, or turns the order round when it is sorted by it.
    void sortBy(int column);
    int getSortColumn() const { return m_sortColumn; }
    bool isAscending() const { return m_ascending; }

    // The key of the selected row, or empty.
    wxString getSelectedKey() const;
    void selectKey(const wxString& key);
    // The key of the row shown at `index`, or empty.
    wxString getKeyAt(long index) const;

private:
    wxString OnGetItemText(long item, long column) const override;
    void sortRows();
    void show(const wxString& selectedKey);

    std::vector<SRow> m_rows;
    int m_sortColumn = -1;
    bool m_ascending = true;
};
