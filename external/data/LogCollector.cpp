#include "external/data/LogCollector.h"

CLogCollector::CLogCollector() : m_previous(wxLog::SetActiveTarget(this))
{
}

CLogCollector::~CLogCollector()
{
    wxLog::SetActiveTarget(m_previous);
}

void CLogCollector::DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&)
{
    if (level <= wxLOG_Warning)
    {
        m_text += (m_text.empty() ? "" : "; ") + message;
    }
}
