#include "app/AssessmentResults.h"

#include "app/ResultsCommands.h"
#include "results/ResultsStore.h"

#include <algorithm>

CAssessmentResults::CAssessmentResults(CAssessmentMgr* assessment, const wxString& assessmentFile,
                                       const wxString& storeUrl)
    : m_assessment(assessment), m_assessmentKey(CResultsCommands::assessmentKey(assessmentFile).utf8_string()),
      m_storeUrl(storeUrl.utf8_string()), m_storeDescription(storeUrl)
{
    recompute();
}

CAssessmentResults::~CAssessmentResults() = default;

bool CAssessmentResults::openStore(std::string* error)
{
    if (!m_store)
        m_store = CResultsStore::open(m_storeUrl, error);
    if (m_store)
        m_storeDescription = wxString::FromUTF8(m_store->describe());
    return m_store != nullptr;
}

bool CAssessmentResults::read()
{
    std::string error;
    if (openStore(&error))
    {
        CResultsStore::SFilter filter;
        filter.m_assessmentFile = m_assessmentKey;
        filter.m_questionTexts = false;
        filter.m_knownVersion = m_blueprint.m_assessmentFingerprint;
        std::vector<CAttempt> attempts;
        if (m_store->listAttempts(filter, &attempts, &error))
        {
            m_attempts = std::move(attempts);
            recompute();
            return true;
        }
        // Opened again next time: a server that went away may be back.
        m_store.reset();
    }
    m_lastError = wxString::FromUTF8(error);
    return false;
}

void CAssessmentResults::recompute()
{
    m_blueprint = CAssessmentStatistics::blueprintOf(*m_assessment);
    m_statistics = CAssessmentStatistics::compute(m_blueprint, m_attempts, m_options);
}

bool CAssessmentResults::deleteAttempt(const std::string& id)
{
    std::string error;
    if (!openStore(&error) || !m_store->deleteAttempt(id, &error))
    {
        m_store.reset();
        m_lastError = wxString::FromUTF8(error);
        return false;
    }
    m_attempts.erase(std::remove_if(m_attempts.begin(), m_attempts.end(),
                                    [&](const CAttempt& attempt) { return attempt.m_id == id; }),
                     m_attempts.end());
    recompute();
    return true;
}

void CAssessmentResults::setIncludeEarlierVersions(bool include)
{
    m_options.m_includeEarlierVersions = include;
    recompute();
}
