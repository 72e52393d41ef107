#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include <wx/string.h>

/// Where a question of a bank came from, so that a report can point the author
/// at it: the file, the line (0 when the format has no useful line) or the
/// item's identifier, and the question's title.
class EVALON_INTERCHANGE_EXPORT CItemSource
{
public:
    wxString m_file;     ///< the file, as the report names it
    unsigned m_line = 0; ///< the line the question starts on; 0 when the format has none
    wxString m_item;     ///< the item's identifier in formats that have one
    wxString m_title;    ///< the question's title

    /// Nowhere in particular.
    CItemSource() = default;
    /// A place in a bank.
    CItemSource(const wxString& file, unsigned line, const wxString& item = wxString(),
                const wxString& title = wxString())
        : m_file(file), m_line(line), m_item(item), m_title(title)
    {
    }

    /// `file, line 12, item "q7", "Title"`, leaving out what is unknown.
    wxString describe() const;
    /// A title for a question that has none: the first line of its text,
    /// shortened to a readable length.
    static wxString titleFromText(const wxString& text);
};
