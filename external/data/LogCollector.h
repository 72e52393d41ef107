#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/log.h>

/// Collects what the toolkit logs while it lives (a decoder's or parser's
/// complaint), instead of letting it reach a log window or a message box, so
/// that the reason can go into our own message: the records' own texts,
/// without the time stamps and level words a log formatter adds.
class EVALON_DATA_EXPORT CLogCollector : public wxLog
{
public:
    /// Becomes the active log target until destroyed.
    CLogCollector();
    ~CLogCollector() override;
    CLogCollector(const CLogCollector&) = delete;
    CLogCollector& operator=(const CLogCollector&) = delete;

    /// The errors and warnings logged so far, joined by "; "; empty when none.
    wxString text() const { return m_text; }

protected:
    /// Keeps errors and warnings; drops the rest.
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo& info) override;

private:
    wxLog* m_previous;
    wxString m_text;
};
