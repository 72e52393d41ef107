#pragma once

#include "results/AssessmentStatistics.h"
#include "results/Attempt.h"

#include <wx/string.h>

#include <memory>
#include <vector>

class CAssessmentMgr;
class CResultsStore;

// The attempts of one assessment file read from the results store, with the
// statistics of the assessment as it is now: what the results window shows
// and `evalon --report` writes.
class CAssessmentResults
{
public:
    // `assessment` must outlive this; `assessmentFile` is the file attempts
    // name it by, `storeUrl` the store (as CResultsSettings::storeUrl gives).
    CAssessmentResults(CAssessmentMgr* assessment, const wxString& assessmentFile, const wxString& storeUrl);
    ~CAssessmentResults();

    // Reads every attempt of the assessment file again and computes the
    // statistics. False, with the message naming the store and the reason in
    // getLastError(), when the store cannot be read: what was read before
    // stays.
    bool read();
    // Computes the statistics again from the attempts read, after the
    // options changed. (After the questions changed, read() again: this
    // version's attempts are read without what the assessment itself says.)
    void recompute();
    // Removes an attempt from the store and from what was read.
    bool deleteAttempt(const std::string& id);

    void setIncludeEarlierVersions(bool include);
    bool getIncludeEarlierVersions() const { return m_options.m_includeEarlierVersions; }

    // Every attempt of the file, of any version, in progress or submitted,
    // oldest first.
    const std::vector<CAttempt>& getAttempts() const { return m_attempts; }
    const CAssessmentStatistics& getStatistics() const { return m_statistics; }
    // The fingerprint of the assessment as it is now: attempts with another
    // are of an earlier version.
    const std::string& getFingerprint() const { return m_blueprint.m_assessmentFingerprint; }
    wxString getStoreDescription() const { return m_storeDescription; }
    wxString getLastError() const { return m_lastError; }

private:
    // The store stays open between reads (a room's server is not connected
    // to anew every few seconds) and is opened again after a failure.
    bool openStore(std::string* error);

    CAssessmentMgr* m_assessment;
    std::unique_ptr<CResultsStore> m_store;
    std::string m_assessmentKey;
    std::string m_storeUrl;
    CAssessmentStatistics::SOptions m_options;
    CAttempt m_blueprint;
    std::vector<CAttempt> m_attempts;
    CAssessmentStatistics m_statistics;
    wxString m_storeDescription;
    wxString m_lastError;
};
