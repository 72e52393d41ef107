#include "results/StoreSchema.h"

#include <soci/soci.h>

#include <wx/intl.h>
#include <wx/string.h>

#include <vector>

namespace
{
// SQLite keeps the rows of a WITHOUT ROWID table in its primary key's
// order, so an attempt's questions lie together and are read in one pass;
// PostgreSQL does not know the clause. Replaced per store in upgrade().
#define WITHOUT_ROWID "{without rowid}"

// Migration n (from 1) brings a store from version n-1 to n. A later version
// appends a migration and never edits an earlier one.
const std::vector<std::vector<const char*>> kMigrations = {
    {
        "CREATE TABLE attempts ("
        " id TEXT PRIMARY KEY,"
        " assessment_file TEXT NOT NULL,"
        " assessment_fingerprint TEXT NOT NULL,"
        " taker TEXT NOT NULL,"
        " machine TEXT NOT NULL,"
        " started_at TEXT NOT NULL,"
        " saved_at TEXT NOT NULL,"
        " submitted_at TEXT NOT NULL,"
        " status TEXT NOT NULL CHECK (status IN ('in progress', 'submitted')),"
        " current_page INTEGER NOT NULL,"
        " revision INTEGER NOT NULL,"
        " score INTEGER NOT NULL,"
        " to_review INTEGER NOT NULL,"
        " question_count INTEGER NOT NULL)",
        "CREATE TABLE attempt_questions ("
        " attempt_id TEXT NOT NULL REFERENCES attempts (id) ON DELETE CASCADE,"
        " position INTEGER NOT NULL,"
        " question_file TEXT NOT NULL,"
        " question_fingerprint TEXT NOT NULL,"
        " question_text TEXT NOT NULL,"
        " answer_count INTEGER NOT NULL,"
        " chosen TEXT NOT NULL,"
        " correct TEXT NOT NULL,"
        " is_right INTEGER NOT NULL,"
        " PRIMARY KEY (attempt_id, position))" WITHOUT_ROWID,
        "CREATE INDEX attempts_by_fingerprint ON attempts (assessment_fingerprint, started_at)",
        "CREATE INDEX attempts_by_file ON attempts (assessment_file, started_at)",
    },
    {
        // Each attempt's answers and right-or-wrong in one text ("R0;W1,2;W"),
        // so that statistics read one row per attempt, not one per question.
        // Attempts stored before have none and are read question by question.
        "ALTER TABLE attempts ADD COLUMN answers TEXT",
    },
};

// Any constant: machines of a room that open the store at once take turns.
const char kPostgreSqlLock[] = "SELECT pg_advisory_xact_lock(62120417)";
} // namespace

const int CStoreSchema::kVersion = int(kMigrations.size());

int CStoreSchema::storedVersion(soci::session& sql)
{
    int version = 0;
    soci::indicator isSet = soci::i_null;
    sql << "SELECT MAX(version) FROM evalon_schema", soci::into(version, isSet);
    return isSet == soci::i_ok ? version : 0;
}

bool CStoreSchema::isAnotherProgramsSqlite(soci::session& sql)
{
    int ours = 0;
    int tables = 0;
    sql << "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'", soci::into(tables);
    sql << "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'evalon_schema'", soci::into(ours);
    return tables > 0 && ours == 0;
}

bool CStoreSchema::upgrade(soci::session& sql, bool postgreSql, std::string* reason)
{
    for (;;)
    {
        soci::transaction transaction(sql);
        if (postgreSql)
            sql << kPostgreSqlLock;
        sql << "CREATE TABLE IF NOT EXISTS evalon_schema (version INTEGER NOT NULL)";
        const int version = storedVersion(sql);
        if (version > kVersion)
        {
            // TRANSLATORS: the numbers are the store's schema version and the newest one this program knows.
            *reason = wxString::Format(_("it was written by a newer version of evalon (schema version %d; "
                                         "this version knows up to %d)"),
                                       version, kVersion)
                          .utf8_string();
            return false;
        }
        if (version == kVersion)
        {
            transaction.commit();
            return true;
        }
        for (std::string statement : kMigrations[size_t(version)])
        {
            const size_t mark = statement.find(WITHOUT_ROWID);
            if (mark != std::string::npos)
                statement.replace(mark, sizeof WITHOUT_ROWID - 1, postgreSql ? "" : " WITHOUT ROWID");
            sql << statement;
        }
        const int next = version + 1;
        sql << "DELETE FROM evalon_schema";
        sql << "INSERT INTO evalon_schema (version) VALUES (:version)", soci::use(next);
        transaction.commit();
    }
}
