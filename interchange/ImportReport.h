#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "interchange/ItemSource.h"

#include <wx/arrstr.h>
#include <wx/intl.h>

#include <vector>

/// What an import or export did, question by question: taken over as it was,
/// taken over with changes (each change named), or refused (with the reason),
/// plus notices about a whole file. Nothing an operation leaves out goes
/// unmentioned here.
class EVALON_INTERCHANGE_EXPORT CImportReport
{
public:
    /// What became of a question, or that an entry is about a file.
    enum eKind
    {
        eImported, ///< taken over unchanged
        eChanged,  ///< taken over; the message names what changed
        eRefused,  ///< not taken over; the message says why
        eNotice    ///< about a file rather than a question
    };

    /// One line of the report.
    struct SEntry
    {
        eKind m_kind;         ///< what became of the question
        CItemSource m_source; ///< the question or file it is about
        wxString m_message;   ///< the changes or the reason; empty for eImported
    };

    /// What the report tells of: questions read into an assessment, or written out to a bank.
    enum eWork
    {
        eImport,
        eExport
    };

    explicit CImportReport(eWork work = eImport);

    /// Appends an entry and returns its index.
    size_t add(eKind kind, const CItemSource& source, const wxString& message = wxString());
    /// A question taken over, as eImported or, with changes, as eChanged.
    size_t addTaken(const CItemSource& source, const wxArrayString& changes);
    /// Adds a change to an entry of a question taken over.
    void addChange(size_t index, const wxString& change);
    /// Turns an entry into a refusal (a question that could not be stored after all).
    void refuse(size_t index, const wxString& why);

    /// Every entry, in the order of the work.
    const std::vector<SEntry>& entries() const { return m_entries; }
    /// How many entries are of `kind`.
    unsigned count(eKind kind) const;
    /// Questions taken over, changed or not.
    unsigned countTaken() const { return count(eImported) + count(eChanged); }
    /// Whether anything was refused.
    bool hasRefusals() const { return count(eRefused) > 0; }

    /// `12 questions imported (2 of them changed), 1 refused.`
    wxString summary() const;
    /// The summary, then one line per entry.
    wxString toText() const;
    /// One entry as a line: its place, then what became of it.
    wxString entryText(const SEntry& entry) const;

private:
    eWork m_work;
    std::vector<SEntry> m_entries;
};
