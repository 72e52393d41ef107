// The author's view of 10,000 attempts of a 100-question assessment in
// SQLite: the statistics with the read that feeds them, the results window
// opened on them until it is usable, and the redraw of its three plots after
// a resize (laid out afresh and painted, as a paint event does).
//   tests/support/run-headless build/bench/results_statistics --benchmark_repetitions=5

#include "app/AssessmentResults.h"
#include "app/PlotPanel.h"
#include "app/ResultsFrame.h"
#include "bench/support/BenchSupport.h"
#include "bench/support/ResultsBenchStore.h"
#include "results/AssessmentStatistics.h"
#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <benchmark/benchmark.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>

namespace
{

const char kAssessmentFile[] = "/bench/statistics.eva";

// Filled once, however often the framework runs a function.
const std::string& storeUrl()
{
    static restest::CTempFolder folder;
    static const std::string path = folder.file("results.sqlite");
    static const bool filled = (resbench::fillStore(path, 10000, 100, kAssessmentFile), true);
    (void)filled;
    static const std::string url = "sqlite:" + path;
    return url;
}

void BM_StatisticsOf10000AttemptsOf100QuestionsWithTheRead(benchmark::State& state)
{
    auto assessment = restest::makeAssessment(100);
    const std::string& url = storeUrl();
    for (auto _ : state)
    {
        CAssessmentResults results(assessment.get(), kAssessmentFile, url);
        if (!results.read())
            state.SkipWithError(results.getLastError().utf8_string().c_str());
        benchmark::DoNotOptimize(results.getStatistics().test().m_cronbachAlpha);
        state.counters["attempts"] = results.getStatistics().test().m_attempts;
    }
}
BENCHMARK(BM_StatisticsOf10000AttemptsOf100QuestionsWithTheRead)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ResultsWindowOpensOn10000Attempts(benchmark::State& state)
{
    auto assessment = restest::makeAssessment(100);
    const std::string& url = storeUrl();
    for (auto _ : state)
    {
        auto* frame = new CResultsFrame(nullptr);
        frame->initialize(assessment.get(), kAssessmentFile, url);
        frame->Show();
        evbench::pumpEvents();
        frame->Update();
        state.PauseTiming();
        frame->Destroy();
        evbench::pumpEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ResultsWindowOpensOn10000Attempts)->Unit(benchmark::kMillisecond)->UseRealTime();

// The three plots at the sizes a resize gives them, each laid out and
// painted with wxGraphicsContext into a bitmap of its size.
void BM_PlotsRedrawnAfterAResize(benchmark::State& state)
{
    auto assessment = restest::makeAssessment(100);
    CAssessmentResults results(assessment.get(), kAssessmentFile, storeUrl());
    results.read();
    const CAssessmentStatistics& statistics = results.getStatistics();
    const CStatisticsPlots::SBarChart charts[] = {CStatisticsPlots::scoreHistogram(statistics),
                                                  CStatisticsPlots::questionFigures(statistics),
                                                  CStatisticsPlots::answerShares(statistics.questions()[0])};
    wxBitmap bitmap(900, 600, 24);
    int step = 0;
    for (auto _ : state)
    {
        const double width = 600 + (step % 2) * 300;
        const double height = 400 + (step++ % 2) * 200;
        for (const CStatisticsPlots::SBarChart& chart : charts)
        {
            wxMemoryDC memoryDC(bitmap);
            wxGCDC dc(memoryDC);
            CPlotPanel::paint(dc, CStatisticsPlots::layOut(chart, width, height));
        }
    }
}
BENCHMARK(BM_PlotsRedrawnAfterAResize)->Unit(benchmark::kMillisecond)->UseRealTime();

// The parts of the first: the store opened (its file checked whole), the
// attempts read, and the statistics computed from them.
void BM_StoreOpened(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CResultsStore::open(storeUrl(), nullptr));
}
BENCHMARK(BM_StoreOpened)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AttemptsReadForStatistics(benchmark::State& state)
{
    auto assessment = restest::makeAssessment(100);
    auto store = CResultsStore::open(storeUrl(), nullptr);
    CResultsStore::SFilter filter;
    filter.m_assessmentFile = kAssessmentFile;
    filter.m_questionTexts = false;
    filter.m_knownVersion = CAssessmentStatistics::blueprintOf(*assessment).m_assessmentFingerprint;
    std::vector<CAttempt> attempts;
    std::string error;
    for (auto _ : state)
        if (!store->listAttempts(filter, &attempts, &error))
            state.SkipWithError(error.c_str());
}
BENCHMARK(BM_AttemptsReadForStatistics)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StatisticsComputed(benchmark::State& state)
{
    auto assessment = restest::makeAssessment(100);
    CAssessmentResults results(assessment.get(), kAssessmentFile, storeUrl());
    results.read();
    const CAttempt blueprint = CAssessmentStatistics::blueprintOf(*assessment);
    for (auto _ : state)
        benchmark::DoNotOptimize(CAssessmentStatistics::compute(blueprint, results.getAttempts()).test().m_mean);
}
BENCHMARK(BM_StatisticsComputed)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
