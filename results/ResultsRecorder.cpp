#include "results/ResultsRecorder.h"

#include "results/StoreUrl.h"

#include <wx/intl.h>

#include <sys/stat.h>

const char CResultsRecorder::kOutboxNotice[] = wxTRANSLATE(
    "The results store cannot be reached, so your answers are kept on this computer and will be sent later.");

CResultsRecorder::CResultsRecorder(const std::string& storeUrl, const std::string& outboxPath)
    : m_storeUrl(storeUrl), m_outboxPath(outboxPath)
{
}

CResultsRecorder::~CResultsRecorder() = default;

std::string CResultsRecorder::outboxPathIn(const std::string& folder)
{
    return folder + "/outbox.sqlite";
}

CResultsStore* CResultsRecorder::store()
{
    // A store that failed is opened afresh next time: the server may be back.
    if (!m_store)
        m_store = CResultsStore::open(m_storeUrl, &m_lastError);
    return m_store.get();
}

bool CResultsRecorder::saveToStore(const CAttempt& attempt)
{
    // A connection that served before may have been dropped by a server
    // that restarted since: one fresh connection is tried before giving up.
    const bool wasOpen = m_store != nullptr;
    for (int tries = wasOpen ? 2 : 1; tries > 0; --tries)
    {
        CResultsStore* primary = store();
        if (primary == nullptr)
            return false;
        if (primary->saveAttempt(attempt, &m_lastError))
            return true;
        m_store.reset();
    }
    return false;
}

CResultsStore* CResultsRecorder::outbox(bool create, std::string* error)
{
    if (!m_outbox)
    {
        struct stat status;
        if (!create && stat(m_outboxPath.c_str(), &status) != 0)
            return nullptr; // no outbox yet: nothing waits
        m_outbox = CResultsStore::open(CStoreUrl::forSqliteFile(m_outboxPath), error);
    }
    return m_outbox.get();
}

CResultsRecorder::eOutcome CResultsRecorder::save(const CAttempt& attempt)
{
    if (attempt.m_status == CAttempt::eSubmitted)
        sendOutbox();
    m_lastError.clear();
    if (saveToStore(attempt))
        return eStored;
    const std::string storeError = m_lastError;
    std::string outboxError;
    CResultsStore* kept = outbox(true, &outboxError);
    if (kept != nullptr && kept->saveAttempt(attempt, &outboxError))
    {
        m_lastError = storeError;
        return eKeptInOutbox;
    }
    m_outbox.reset();
    m_lastError = storeError + " " + outboxError;
    return eLost;
}

bool CResultsRecorder::sendOutbox(unsigned* sent)
{
    if (sent != nullptr)
        *sent = 0;
    m_lastError.clear();
    CResultsStore* kept = outbox(false, &m_lastError);
    if (kept == nullptr)
        return m_lastError.empty();
    std::vector<CAttempt> waiting;
    if (!kept->listAttempts(CResultsStore::SFilter(), &waiting, &m_lastError))
        return false;
    if (waiting.empty())
        return true;
    for (const CAttempt& attempt : waiting)
    {
        // Removed from the outbox only once the store has it: a crash in
        // between sends it again, which the store takes as the same attempt.
        if (!saveToStore(attempt))
            return false;
        if (!kept->deleteAttempt(attempt.m_id, &m_lastError))
            return false;
        if (sent != nullptr)
            ++*sent;
    }
    return true;
}

unsigned CResultsRecorder::countOutbox()
{
    std::string error;
    CResultsStore* kept = outbox(false, &error);
    std::vector<CAttempt> waiting;
    if (kept == nullptr || !kept->listAttempts(CResultsStore::SFilter(), &waiting, &error))
        return 0;
    return unsigned(waiting.size());
}
