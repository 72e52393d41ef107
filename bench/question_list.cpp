// The cost of rebuilding the question list of an assessment: reloadListCtrl on
// assessments of 100, 1,000 and 10,000 entries, alone and with the list laid
// out and painted afterwards. "per_row" is the time per row; it should stay
// flat as the list grows.
//   tests/support/run-headless build/bench/question_list

#include "bench/support/BenchSupport.h"

#include "assessment/AssessmentMgrPanel.h"
#include "external/data/AssessmentMgr.h"

#include <benchmark/benchmark.h>

#include <wx/frame.h>

#include <memory>

namespace
{

std::unique_ptr<CAssessmentMgr> newAssessment(int entries)
{
    auto mgr = std::make_unique<CAssessmentMgr>();
    for (int i = 0; i < entries; ++i)
    {
        CQuestionData question;
        question.setQuestion(
            wxString::Format("Question %d: which planet of the solar system has the most moons?", i));
        CAssessmentMgrData entry(mgr->getQuestionDataMgr()->addQuestion(question));
        mgr->addData(entry);
    }
    return mgr;
}

// The panel in a shown frame, filled once so that every measured reload also
// empties a full list, as it does for the author.
struct CListWindow
{
    explicit CListWindow(CAssessmentMgr* mgr)
    {
        frame = new wxFrame(nullptr, wxID_ANY, "question_list", wxPoint(0, 0), wxSize(600, 500));
        panel = new CAssessmentMgrPanel(frame);
        frame->Show();
        panel->initialize(mgr);
        panel->reloadListCtrl();
        evbench::pumpEvents();
    }
    ~CListWindow()
    {
        frame->Destroy();
        evbench::pumpEvents();
    }

    wxFrame* frame;
    CAssessmentMgrPanel* panel;
};

void setCounters(benchmark::State& state)
{
    const double rows = double(state.range(0));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(rows));
    state.counters["per_row"] =
        benchmark::Counter(rows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReloadListCtrl(benchmark::State& state)
{
    const std::unique_ptr<CAssessmentMgr> mgr = newAssessment(int(state.range(0)));
    CListWindow window(mgr.get());
    for (auto _ : state)
    {
        if (!window.panel->reloadListCtrl())
        {
            state.SkipWithError("reloadListCtrl failed");
            break;
        }
    }
    setCounters(state);
}

// The reload as the author sees it: the generic list control lays its rows out
// and paints the visible ones when the toolkit is idle.
void BM_ReloadAndShow(benchmark::State& state)
{
    const std::unique_ptr<CAssessmentMgr> mgr = newAssessment(int(state.range(0)));
    CListWindow window(mgr.get());
    for (auto _ : state)
    {
        window.panel->reloadListCtrl();
        window.panel->Update();
        evbench::pumpEvents();
    }
    setCounters(state);
}

} // namespace

// Medians of five runs of at least a second each. The times per row are of
// processor time: on a shared machine the wall clock also counts the time
// other programs had the processor, and the X server's share.
static void listSizes(benchmark::internal::Benchmark* run)
{
    run->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5);
    run->ReportAggregatesOnly(true);
}
BENCHMARK(BM_ReloadListCtrl)->Apply(listSizes);
BENCHMARK(BM_ReloadAndShow)->Apply(listSizes);
