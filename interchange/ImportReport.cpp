#include "interchange/ImportReport.h"

#include <algorithm>

CImportReport::CImportReport(const wxString& verb) : m_verb(verb)
{
}

size_t CImportReport::add(eKind kind, const CItemSource& source, const wxString& message)
{
    m_entries.push_back(SEntry{kind, source, message});
    return m_entries.size() - 1;
}

size_t CImportReport::addTaken(const CItemSource& source, const wxArrayString& changes)
{
    if (changes.empty())
    {
        return add(eImported, source);
    }
    wxString message;
    for (const wxString& change : changes)
    {
        message += (message.empty() ? "" : "; ") + change;
    }
    return add(eChanged, source, message);
}

void CImportReport::addChange(size_t index, const wxString& change)
{
    if (index < m_entries.size() && m_entries[index].m_kind != eRefused)
    {
        SEntry& entry = m_entries[index];
        entry.m_message += (entry.m_message.empty() ? "" : "; ") + change;
        entry.m_kind = eChanged;
    }
}

void CImportReport::refuse(size_t index, const wxString& why)
{
    if (index < m_entries.size())
    {
        m_entries[index].m_kind = eRefused;
        m_entries[index].m_message = why;
    }
}

unsigned CImportReport::count(eKind kind) const
{
    return static_cast<unsigned>(std::count_if(m_entries.begin(), m_entries.end(),
                                               [kind](const SEntry& entry) { return entry.m_kind == kind; }));
}

wxString CImportReport::summary() const
{
    const unsigned taken = countTaken();
    wxString text = wxString::Format(taken == 1 ? "%u question %s" : "%u questions %s", taken, m_verb);
    if (count(eChanged) > 0)
    {
        text += wxString::Format(" (%u of them changed)", count(eChanged));
    }
    text += wxString::Format(", %u refused.", count(eRefused));
    return text;
}

wxString CImportReport::entryText(const SEntry& entry) const
{
    static const char* const kLabels[] = {"", "changed", "refused", "note"};
    const wxString text = entry.m_source.describe() + ": ";
    if (entry.m_kind == eImported)
    {
        return text + m_verb;
    }
    return text + kLabels[entry.m_kind] + ": " + entry.m_message;
}

wxString CImportReport::toText() const
{
    wxString text = summary() + "\n";
    for (const SEntry& entry : m_entries)
    {
        text += entryText(entry) + "\n";
    }
    return text;
}
