// The assessment check, which runs before every Take: on the bundled sample
// (ten questions over its JPEG backgrounds), and on 100 questions over the
// same pictures, each question page laid out and its texts' contrast measured.
//   tests/support/run-headless build/bench/assessment_check

#include "bench/support/BenchSupport.h"

#include "app/AssessmentCheck.h"
#include "app/AssessmentDocument.h"
#include "app/BundledSample.h"
#include "external/data/QuestionData.h"

#include <benchmark/benchmark.h>

namespace
{

void runCheck(benchmark::State& state, CAssessmentMgr* assessment)
{
    for (auto _ : state)
    {
        CAssessmentCheck check(assessment);
        check.setMeasureContrast(true);
        benchmark::DoNotOptimize(check.run().size());
    }
}

void BM_CheckSample(benchmark::State& state)
{
    CAssessmentDocument document;
    if (!document.open(CBundledSample::getFile()))
    {
        state.SkipWithError("the bundled sample cannot be opened");
        return;
    }
    runCheck(state, document.getAssessment());
}

void BM_Check100Questions(benchmark::State& state)
{
    CAssessmentDocument document;
    if (!document.open(CBundledSample::getFile()))
    {
        state.SkipWithError("the bundled sample cannot be opened");
        return;
    }
    CAssessmentMgr* assessment = document.getAssessment();
    const unsigned sampleCount = assessment->getCount();
    for (unsigned copy = 1; assessment->getCount() < 100; ++copy)
    {
        const int id = assessment->getDataAtIndex(assessment->getCount() % sampleCount)->m_questionID;
        CQuestionData question = *assessment->getQuestionDataMgr()->getQuestionDataForID(id);
        question.setQuestion(question.getQuestion() + wxString::Format(" (%u)", copy));
        CAssessmentMgrData entry(assessment->getQuestionDataMgr()->addQuestion(question));
        assessment->addData(entry);
    }
    runCheck(state, assessment);
}

} // namespace

BENCHMARK(BM_CheckSample)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Check100Questions)->Unit(benchmark::kMillisecond)->Repetitions(5);
