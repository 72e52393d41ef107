// The host application's two waits that grow with the content:
//  - opening an assessment of 1,000 question files (generated here) as the
//    authoring window and --take do;
//  - in the real taking window on the bundled sample, the time from a click
//    on Next to the next question page painted with the sample's JPEG
//    pictures (all decoded by then: a page turn decodes nothing).
//   tests/support/run-headless build/bench/open_assessment

#include "bench/support/BenchSupport.h"

#include "app/AssessmentDocument.h"
#include "app/BundledSample.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "external/data/AssessmentSerializer.h"

#include <benchmark/benchmark.h>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/stopwatch.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace
{

const unsigned kNumQuestions = 1000;

// A fresh folder holding an assessment of kNumQuestions question files.
class CGeneratedAssessment
{
public:
    CGeneratedAssessment()
    {
        std::string folder = (wxFileName::GetTempDir() + "/evalon-bench-XXXXXX").utf8_string();
        if (mkdtemp(&folder[0]) == nullptr)
            return;
        m_folder = folder;
        CAssessmentMgr assessment;
        for (unsigned i = 0; i < kNumQuestions; ++i)
        {
            CQuestionData question;
            question.setCategoryType(CQuestionData::eSingleAnswer);
            question.setQuestion(
                wxString::Format("Question number %u: which answer is the right one?", i + 1));
            question.setNumAnswers(4);
            for (unsigned a = 0; a < 4; ++a)
                question.setAnswer(a, wxString::Format("Answer %u of question %u", a + 1, i + 1));
            wxArrayInt correct;
            correct.Add(int(i % 4));
            question.setCorrectAnswerIndexes(&correct);
            question.setReferenceText("Generated for the benchmark.");
            question.setFileNameReference(wxString::Format("%s/questions/q%04u.itm", folder, i + 1));
            CAssessmentMgrData entry(assessment.getQuestionDataMgr()->addQuestion(question));
            assessment.addData(entry);
        }
        wxFileName::Mkdir(wxString(folder) + "/questions", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
        m_file = wxString(folder) + "/generated.eva";
        if (!CAssessmentSerializer(&assessment, m_file).storeWithQuestions())
            m_file.clear();
    }
    ~CGeneratedAssessment()
    {
        std::error_code ignored;
        if (!m_folder.empty())
            std::filesystem::remove_all(m_folder, ignored);
    }

    wxString file() const { return m_file; }

private:
    std::string m_folder;
    wxString m_file;
};

void BM_OpenAssessment1000(benchmark::State& state)
{
    const wxString cwd = wxGetCwd();
    CGeneratedAssessment generated;
    if (generated.file().empty())
        state.SkipWithError("the assessment could not be generated");
    for (auto _ : state)
    {
        CAssessmentDocument document;
        if (!document.open(generated.file()) || document.getAssessment()->getCount() != kNumQuestions)
        {
            state.SkipWithError("the assessment did not open");
            break;
        }
    }
    wxSetWorkingDirectory(cwd);
}

// Counts the panel's paints, so that a page turn can be waited for.
class CPaintCounter
{
public:
    explicit CPaintCounter(wxWindow* window)
    {
        window->Bind(wxEVT_PAINT,
                     [this](wxPaintEvent& event)
                     {
                         ++paints;
                         event.Skip();
                     });
    }
    long paints = 0;
};

// Paints what is pending now, then reads one pixel back: the X server
// answers only after it has drawn everything before, so the page is on the
// screen when this returns.
bool paintAndWait(wxWindow* panel, const CPaintCounter& counter, long before)
{
    panel->Update();
    wxStopWatch watch;
    while (counter.paints == before && watch.Time() < 5000)
        evbench::pumpEvents();
    wxBitmap pixel(1, 1, 24);
    wxMemoryDC memory(pixel);
    wxClientDC screen(panel);
    memory.Blit(0, 0, 1, 1, &screen, 0, 0);
    return counter.paints != before;
}

void click(wxWindow* panel, int id)
{
    wxWindow* button = panel->FindWindow(id);
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

void BM_NextToPaintedPage(benchmark::State& state)
{
    const wxString cwd = wxGetCwd();
    CAssessmentDocument document;
    if (!document.open(CBundledSample::getFile()))
    {
        state.SkipWithError("the sample did not open");
        return;
    }
    auto* frame = new CTakeAssessmentFrame();
    frame->setInteractive(false);
    CTakeAssessmentPanel* panel = frame->getPanel();
    CPaintCounter counter(panel);
    if (!frame->initialize(document.getAssessment()))
        state.SkipWithError("the first page did not show");
    frame->Show();
    wxStopWatch settle;
    while (!frame->IsShownOnScreen() && settle.Time() < 5000)
        evbench::pumpEvents();
    paintAndWait(panel, counter, counter.paints - 1);

    for (auto _ : state)
    {
        // Timed: question 1 to question 2. Untimed: back again.
        const long before = counter.paints;
        const auto start = std::chrono::steady_clock::now();
        click(panel, CTakeAssessmentPanel::kNextButtonID);
        const bool painted = paintAndWait(panel, counter, before);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        click(panel, CTakeAssessmentPanel::kPreviousButtonID);
        if (!painted || !paintAndWait(panel, counter, counter.paints) ||
            panel->getTaking()->getQuestionIndex() != 0)
        {
            state.SkipWithError("the page turn failed");
            break;
        }
    }
    state.counters["pictures_decoded"] = double(frame->getImageCache().getNumDecoded());
    frame->Destroy();
    evbench::pumpEvents();
    wxSetWorkingDirectory(cwd);
}

} // namespace

BENCHMARK(BM_OpenAssessment1000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_NextToPaintedPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
