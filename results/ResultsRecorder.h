#pragma once

#include "results/Attempt.h"
#include "results/EvalonResultsExport.h"
#include "results/ResultsStore.h"

#include <memory>
#include <string>

/// Keeps a taker's attempt whatever happens to the results store. Each save
/// goes to the store the URL names; when it cannot (a server away, a broken
/// or full file), it goes to a local SQLite outbox instead, which is sent on
/// the next start (sendOutbox()) and before each submit. Attempts are keyed by
/// their UUID, so an attempt sent twice is still one attempt.
class EVALON_RESULTS_EXPORT CResultsRecorder
{
public:
    /// Where a save went.
    enum eOutcome
    {
        eStored,        ///< in the results store
        eKeptInOutbox,  ///< in the outbox; getLastError() says why not the store
        eLost           ///< nowhere; getLastError() names both stores and why
    };

    /// Nothing is opened until the first save or send.
    CResultsRecorder(const std::string& storeUrl, const std::string& outboxPath);
    ~CResultsRecorder();

    /// Stores the attempt's answers so far, or its submission. A submitted
    /// attempt first sends what waits in the outbox.
    eOutcome save(const CAttempt& attempt);
    /// Sends every attempt of the outbox to the store, removing each from
    /// the outbox once the store has it. True when the outbox is empty
    /// afterwards (or does not exist); `sent` counts the attempts sent.
    bool sendOutbox(unsigned* sent = nullptr);
    /// How many attempts wait in the outbox; 0 when it cannot be read.
    unsigned countOutbox();

    /// The reason of the last failure, naming the store.
    const std::string& getLastError() const { return m_lastError; }
    /// The store, opened if it can be; null, with the reason in
    /// getLastError(), when it cannot.
    CResultsStore* store();

    /// What the taker is told when their answers went to the outbox, in
    /// English: shown through wxGetTranslation().
    static const char kOutboxNotice[];
    /// `outbox.sqlite` in `folder`: the outbox beside the default store.
    static std::string outboxPathIn(const std::string& folder);

private:
    bool saveToStore(const CAttempt& attempt);
    // The outbox, created when `create` says so; null when there is none.
    CResultsStore* outbox(bool create, std::string* error);

    std::string m_storeUrl;
    std::string m_outboxPath;
    std::unique_ptr<CResultsStore> m_store;
    std::unique_ptr<CResultsStore> m_outbox;
    std::string m_lastError;
};
