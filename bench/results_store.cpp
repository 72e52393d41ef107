// The results store: a 100-question attempt submitted into SQLite with
// synchronous=FULL (a new attempt each time, one transaction, fsync'd), the
// page change that stores the answers so far, and reading every attempt of
// a 50-question assessment from a store of 10,000 (built once, by copying
// one stored attempt in SQL). The same submit to PostgreSQL runs when a
// server is there (bench/results_postgresql starts one with pg_virtualenv).
//   tests/support/run-headless build/bench/results_store --benchmark_repetitions=5
//   bench/results_postgresql build

#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>

namespace
{

std::unique_ptr<CResultsStore> openOrFail(const std::string& url, benchmark::State& state)
{
    std::string error;
    auto store = CResultsStore::open(url, &error);
    if (!store)
        state.SkipWithError(error.c_str());
    return store;
}

void submitAttempts(benchmark::State& state, const std::string& url)
{
    auto store = openOrFail(url, state);
    if (!store)
        return;
    auto assessment = restest::makeAssessment(100);
    CAttempt attempt = CAttempt::begin(*assessment, "/bench/submit.eva", "Bench");
    for (unsigned position = 0; position < 100; ++position)
        attempt.setAnswers(position, restest::answersOf(1, position));
    attempt.submit();
    std::string error;
    for (auto _ : state)
    {
        attempt.m_id = CAttempt::newId();
        if (!store->saveAttempt(attempt, &error))
            state.SkipWithError(error.c_str());
    }
}

void BM_SubmitAttemptOf100QuestionsSqlite(benchmark::State& state)
{
    restest::CTempFolder folder;
    submitAttempts(state, "sqlite:" + folder.file("results.sqlite"));
}
BENCHMARK(BM_SubmitAttemptOf100QuestionsSqlite)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PageChangeOf100QuestionsSqlite(benchmark::State& state)
{
    restest::CTempFolder folder;
    auto store = openOrFail("sqlite:" + folder.file("results.sqlite"), state);
    if (!store)
        return;
    auto assessment = restest::makeAssessment(100);
    CAttempt attempt = CAttempt::begin(*assessment, "/bench/pages.eva", "Bench");
    std::string error;
    unsigned position = 0;
    for (auto _ : state)
    {
        attempt.setAnswers(position % 100, restest::answersOf(position, position % 100));
        attempt.setCurrentPage(++position % 100);
        if (!store->saveAttempt(attempt, &error))
            state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_PageChangeOf100QuestionsSqlite)->Unit(benchmark::kMillisecond)->UseRealTime();

// 10,000 submitted attempts of 50 questions: one stored through the library,
// the rest copied from it in one SQL transaction under new ids.
void fillStore(const std::string& path, unsigned count)
{
    std::string error;
    {
        auto store = CResultsStore::open("sqlite:" + path, &error);
        auto assessment = restest::makeAssessment(50);
        CAttempt attempt = CAttempt::begin(*assessment, "/bench/read.eva", "Taker");
        for (unsigned position = 0; position < 50; ++position)
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
        " question_fingerprint, question_text, answer_count, chosen, correct, is_right"
        " FROM attempt_questions q, n;"
        "COMMIT;";
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void BM_ReadAll10000AttemptsOf50Questions(benchmark::State& state)
{
    // Filled once, however often the framework runs this function.
    static restest::CTempFolder folder;
    static const std::string path = folder.file("results.sqlite");
    static const bool filled = (fillStore(path, 10000), true);
    (void)filled;
    auto store = openOrFail("sqlite:" + path, state);
    if (!store)
        return;
    CResultsStore::SFilter filter;
    filter.m_assessmentFile = "/bench/read.eva";
    std::vector<CAttempt> attempts;
    std::string error;
    for (auto _ : state)
    {
        if (!store->listAttempts(filter, &attempts, &error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(attempts.data());
    }
    state.counters["attempts"] = double(attempts.size());
    state.counters["questions"] = attempts.empty() ? 0.0 : double(attempts.back().m_questions.size());
}
BENCHMARK(BM_ReadAll10000AttemptsOf50Questions)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SubmitAttemptOf100QuestionsPostgreSql(benchmark::State& state)
{
    const std::string url = restest::postgreSqlUrl();
    if (url.empty())
    {
        state.SkipWithError("no PostgreSQL server: run bench/results_postgresql");
        return;
    }
    submitAttempts(state, url);
}
BENCHMARK(BM_SubmitAttemptOf100QuestionsPostgreSql)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
