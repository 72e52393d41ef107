#pragma once

#include "results/Attempt.h"
#include "results/ResultsRecorder.h"

#include <wx/string.h>

class CAssessmentMgr;
class CAssessmentTaking;

// One taker's attempt while it is taken: after every page change the
// answers so far are copied from the taking and stored, and once more when
// submitted, through a recorder that falls back to the outbox.
class CAttemptRecording
{
public:
    // The assessment must outlive this object.
    CAttemptRecording(CAssessmentMgr* assessment, const wxString& assessmentFile, const wxString& taker,
                      const wxString& storeUrl, const wxString& outboxPath);

    // Copies the answers and page of `taking` and stores them; submitted once
    // the taking is past its submit page.
    CResultsRecorder::eOutcome record(const CAssessmentTaking& taking);
    // Sends what an earlier run left in the outbox.
    bool sendOutbox();

    const CAttempt& getAttempt() const { return m_attempt; }
    // The store's failure behind an outcome other than eStored.
    wxString getLastError() const;

private:
    CAttempt m_attempt;
    CResultsRecorder m_recorder;
};
