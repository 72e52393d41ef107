#include "external/data/DeliveryOptions.h"
#include <wx/translation.h>

wxString CDeliveryOptions::check() const
{
    if (m_timeLimitMinutes > kMaxTimeLimitMinutes)
        return wxString::Format(_("The time limit must be from 1 to 1,440 minutes (24 hours), not %u."),
                                m_timeLimitMinutes);
    if (m_attemptsAllowed > kMaxAttempts)
        return wxString::Format(_("The attempts allowed must be from 1 to %u, or unlimited, not %u."),
                                kMaxAttempts, m_attemptsAllowed);
    if (m_hasPassMark && m_passMark > kMaxPassMark)
        return wxString::Format(_("The pass mark must be from 0 to 100 percent, not %u."), m_passMark);
    return wxString();
}

bool CDeliveryOptions::operator==(const CDeliveryOptions& other) const
{
    return m_shuffleQuestions == other.m_shuffleQuestions && m_shuffleAnswers == other.m_shuffleAnswers &&
           m_timeLimitMinutes == other.m_timeLimitMinutes && m_attemptsAllowed == other.m_attemptsAllowed &&
           m_hasPassMark == other.m_hasPassMark && m_passMark == other.m_passMark;
}
