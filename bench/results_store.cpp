// The results store: a 100-question attempt submitted into SQLite with
// synchronous=FULL (a new attempt each time, one transaction, fsync'd), the
// page change that stores the answers so far, and reading every attempt of
// a 50-question assessment from a store of 10,000 (built once, by copying
// one stored attempt in SQL). The same submit to PostgreSQL runs when a
// server is there (bench/results_postgresql starts one with pg_virtualenv).
//   tests/support/run-headless build/bench/results_store --benchmark_repetitions=5
//   bench/results_postgresql build

#include "results/ResultsStore.h"
#include "bench/support/ResultsBenchStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <benchmark/benchmark.h>

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

void BM_ReadAll10000AttemptsOf50Questions(benchmark::State& state)
{
    // Filled once, however often the framework runs this function.
    static restest::CTempFolder folder;
    static const std::string path = folder.file("results.sqlite");
    static const bool filled = (resbench::fillStore(path, 10000, 50, "/bench/read.eva"), true);
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
