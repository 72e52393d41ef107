#include "bench/support/ResultsBenchStore.h"

#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <sqlite3.h>

namespace resbench
{

void fillStore(const std::string& path, unsigned count, unsigned numQuestions, const std::string& assessmentFile)
{
    std::string error;
    {
        auto store = CResultsStore::open("sqlite:" + path, &error);
        auto assessment = restest::makeAssessment(numQuestions);
        CAttempt attempt = CAttempt::begin(*assessment, assessmentFile, "Taker");
        for (unsigned position = 0; position < numQuestions; ++position)
            attempt.setAnswers(position, restest::answersOf(7, position));
        attempt.submit();
        store->saveAttempt(attempt, &error);
    }
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::string copies = std::to_string(count - 1);
    const std::string sql =
        "BEGIN;"
        "CREATE TEMP TABLE n AS WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < " +
        copies +
        ") SELECT i FROM c;"
        "INSERT INTO attempts SELECT a.id || '-' || n.i, assessment_file, assessment_fingerprint,"
        " taker || ' ' || n.i, machine, started_at, saved_at, submitted_at, status, current_page, revision,"
        " score, to_review, question_count FROM attempts a, n;"
        "INSERT INTO attempt_questions SELECT q.attempt_id || '-' || n.i, position, question_file,"
        " question_fingerprint, question_text, answer_count, chosen, correct, abs(random()) % 2"
        " FROM attempt_questions q, n;"
        "COMMIT;"
        // As a store in everyday use: its WAL checkpointed, not one
        // transaction of a million rows waiting in it.
        "PRAGMA wal_checkpoint(TRUNCATE);";
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace resbench
