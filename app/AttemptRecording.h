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

    // What the store holds of this taker's attempts at this assessment file:
    // how many there are (in progress or submitted) and the latest one still
    // in progress of this version of the assessment, if any. False, with the
    // reason in getLastError(), when the store cannot be read.
    bool findEarlierAttempts(unsigned* count, CAttempt* inProgress, bool* hasInProgress);
    // Goes on with `attempt` instead of the fresh one: its identifier (and
    // so its order), its start, its answers and its page.
    void resume(const CAttempt& attempt);

    const CAttempt& getAttempt() const { return m_attempt; }
    // The store's failure behind an outcome other than eStored.
    wxString getLastError() const;

private:
    CAttempt m_attempt;
    CResultsRecorder m_recorder;
    std::string m_lastError; // of reading the store here; the recorder keeps its own
};
