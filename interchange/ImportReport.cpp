#include "interchange/ImportReport.h"

#include <wx/intl.h>

#include <algorithm>

CImportReport::CImportReport(eWork work) : m_work(work)
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
    const unsigned changed = count(eChanged);
    const unsigned refused = count(eRefused);
    // Whole phrases per kind of work, so that each language can make the verb agree with the number.
    const wxString done =
        m_work == eImport
            ? wxString::Format(wxPLURAL("%u question imported", "%u questions imported", taken), taken)
            : wxString::Format(wxPLURAL("%u question exported", "%u questions exported", taken), taken);
    const wxString notTaken = wxString::Format(wxPLURAL("%u refused", "%u refused", refused), refused);
    if (changed > 0)
    {
        // TRANSLATORS: "12 questions imported (2 of them changed), 1 refused."
        return wxString::Format(
            _("%s (%s), %s."), done,
            wxString::Format(wxPLURAL("%u of them changed", "%u of them changed", changed), changed),
            notTaken);
    }
    // TRANSLATORS: "12 questions imported, 1 refused."
    return wxString::Format(_("%s, %s."), done, notTaken);
}

wxString CImportReport::entryText(const SEntry& entry) const
{
    static const char* const kLabels[] = {"", wxTRANSLATE("changed"), wxTRANSLATE("refused"),
                                          wxTRANSLATE("note")};
    const wxString text = entry.m_source.describe() + ": ";
    if (entry.m_kind == eImported)
    {
        return text + (m_work == eImport ? _("imported") : _("exported"));
    }
    return text + wxGetTranslation(kLabels[entry.m_kind]) + ": " + entry.m_message;
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
