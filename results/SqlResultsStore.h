#pragma once

#include "results/ResultsStore.h"
#include "results/StoreUrl.h"

class wxString;

namespace soci
{
class session;
}

/// The results store over SOCI, one class for both back ends: the SQL is
/// the same, and only the session's set-up differs (SQLite's journal and
/// durability settings, PostgreSQL's row locks).
class EVALON_RESULTS_EXPORT CSqlResultsStore : public CResultsStore
{
public:
    /// Connects and brings the schema up to date; false, with the reason,
    /// when the store cannot be used.
    bool open(const CStoreUrl& url, std::string* error);
    CSqlResultsStore();
    ~CSqlResultsStore() override;

    std::string describe() const override;
    bool saveAttempt(const CAttempt& attempt, std::string* error) override;
    bool loadAttempt(const std::string& id, CAttempt* attempt, std::string* error) override;
    bool listAttempts(const SFilter& filter, std::vector<CAttempt>* attempts, std::string* error) override;
    bool deleteAttempt(const std::string& id, std::string* error) override;

private:
    bool isPostgreSql() const { return m_url.getKind() == CStoreUrl::ePostgreSql; }
    // False, with the reason, for a file this program must leave alone.
    bool configureSqlite(std::string* reason);
    void writeAttempt(const CAttempt& attempt, bool exists);
    void readAttempts(const SFilter& filter, std::vector<CAttempt>* attempts);
    // The store's address as the messages name it.
    wxString shownUrl() const;
    // What went wrong, as the driver says it, without its closing stop.
    static wxString reasonOf(const std::exception& reason);

    CStoreUrl m_url;
    std::unique_ptr<soci::session> m_session;
};
