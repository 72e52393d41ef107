#include "bench/support/ResultsBenchStore.h"

#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <cstdio>

namespace resbench
{

void fillStore(const std::string& path, unsigned count, unsigned numQuestions, const std::string& assessmentFile)
{
    // Twenty takers answering differently, through the library; then copies
    // of them under new ids, in SQL, up to `count`.
    const unsigned kTakers = 20;
    std::string error;
    {
        auto store = CResultsStore::open("sqlite:" + path, &error);
        auto assessment = restest::makeAssessment(numQuestions);
        for (unsigned taker = 0; taker < kTakers; ++taker)
        {
            CAttempt attempt = CAttempt::begin(*assessment, assessmentFile, "Taker");
            for (unsigned position = 0; position < numQuestions; ++position)
                attempt.setAnswers(position, restest::answersOf(taker * 7 + position % (taker + 2), position));
            attempt.submit();
            if (!store || !store->saveAttempt(attempt, &error))
                std::fprintf(stderr, "%s\n", error.c_str());
        }
    }
    const std::string copies = std::to_string(count / kTakers - 1);
    const std::string sql =
        "BEGIN;"
        "CREATE TEMP TABLE n AS WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < " +
        copies +
        ") SELECT i FROM c;"
        "INSERT INTO attempts SELECT a.id || '-' || n.i, assessment_file, assessment_fingerprint,"
        " taker || ' ' || n.i, machine, started_at, saved_at, submitted_at, status, current_page, revision,"
        " score, to_review, question_count, answers FROM attempts a, n;"
        "INSERT INTO attempt_questions SELECT q.attempt_id || '-' || n.i, position, question_file,"
        " question_fingerprint, question_text, answer_count, chosen, correct, is_right"
        " FROM attempt_questions q, n;"
        "COMMIT;"
        // As a store in everyday use: its WAL checkpointed, not one
        // transaction of a million rows waiting in it.
        "PRAGMA wal_checkpoint(TRUNCATE);";
    const std::string reason = restest::runSql(path, sql.c_str());
    if (!reason.empty())
        std::fprintf(stderr, "the store was not filled: %s\n", reason.c_str());
}

} // namespace resbench
