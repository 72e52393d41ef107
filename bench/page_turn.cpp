// The cost of turning a page: a question page with ten answers set up and
// painted once, on a 1920 x 1080 client area with a 1280 x 800 background
// scaled smoothly to it on every paint, beside the floor of the toolkit, a
// bare panel of the same size that paints one bitmap already scaled to it.
//   tests/support/run-headless build/bench/page_turn

#include "bench/support/BenchSupport.h"

#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"
#include "views/AssessmentViewPanelBase.h"

#include <benchmark/benchmark.h>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/stopwatch.h>

#include <map>

namespace
{

const wxSize kPageSize(1920, 1080);
const wxSize kBackgroundSize(1280, 800);

// A vertical gradient, so that scaling has real pixels to move.
wxImage gradient(const wxSize& size, const wxColour& top, const wxColour& bottom)
{
    wxImage image(size);
    unsigned char* data = image.GetData();
    for (int y = 0; y < size.y; ++y)
    {
        const double t = double(y) / (size.y - 1);
        const unsigned char r = (unsigned char)(top.Red() + t * (bottom.Red() - top.Red()));
        const unsigned char g = (unsigned char)(top.Green() + t * (bottom.Green() - top.Green()));
        const unsigned char b = (unsigned char)(top.Blue() + t * (bottom.Blue() - top.Blue()));
        for (int x = 0; x < size.x; ++x, data += 3)
        {
            data[0] = r;
            data[1] = g;
            data[2] = b;
        }
    }
    return image;
}

class CBenchHost : public CAssessmentViewPanelBase
{
public:
    explicit CBenchHost(wxWindow* parent) : CAssessmentViewPanelBase(parent)
    {
        m_images[CEVImageSelections::eQuestionBackground] = gradient(kBackgroundSize, *wxBLUE, *wxBLACK);
        for (int id : {CEVImageSelections::eAnswerButtonCold, CEVImageSelections::eAnswerButtonHot,
                       CEVImageSelections::eAnswerButtonChecked})
            m_images[id] = gradient(wxSize(64, 64), *wxYELLOW, *wxRED);
        for (int id = CEVImageSelections::ePreviousCold; id <= CEVImageSelections::eSubmitHot; ++id)
            m_images[id] = gradient(wxSize(160, 60), *wxGREEN, *wxBLACK);
        Bind(wxEVT_PAINT,
             [this](wxPaintEvent& event)
             {
                 ++paints;
                 event.Skip();
             });
    }

    long paints = 0;

protected:
    void handlePreviousButtonClicked() override {}
    void handleNextButtonClicked() override {}
    void handleSubmitButtonClicked() override {}
    bool getImageForID(CEVAttributes*, CEVImageSelections::imageID id, wxImage* image) override
    {
        const auto found = m_images.find(id);
        *image = found == m_images.end() ? wxImage() : found->second;
        return true;
    }

private:
    std::map<int, wxImage> m_images;
};

// The floor: one bitmap, scaled once beforehand, drawn on every paint.
class CBitmapPanel : public wxPanel
{
public:
    CBitmapPanel(wxWindow* parent, const wxBitmap& bitmap) : wxPanel(parent), m_bitmap(bitmap)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT,
             [this](wxPaintEvent&)
             {
                 wxPaintDC dc(this);
                 dc.DrawBitmap(m_bitmap, 0, 0, false);
                 ++paints;
             });
    }

    long paints = 0;

private:
    wxBitmap m_bitmap;
};

// A top-level window at the screen's corner, shown once its panel is in it:
// a frame sizes its only child to the client area when it is laid out.
wxFrame* newPageFrame()
{
    return new wxFrame(nullptr, wxID_ANY, "page_turn", wxPoint(0, 0));
}

void showPage(wxFrame* frame)
{
    frame->SetClientSize(kPageSize);
    frame->Show();
    frame->SendSizeEvent();
}

template <class Panel> bool waitForPaint(Panel* panel, long before)
{
    wxStopWatch watch;
    while (panel->paints == before && watch.Time() < 5000)
        evbench::pumpEvents();
    return panel->paints != before;
}

// The X server draws after the program has sent its requests: reading one
// pixel back waits until it has drawn everything before, so that the time
// counted is the time until the page is on the screen.
void waitUntilDrawn(wxWindow* window)
{
    wxBitmap pixel(1, 1, 24);
    wxMemoryDC memory(pixel);
    wxClientDC screen(window);
    memory.Blit(0, 0, 1, 1, &screen, 0, 0);
}

// Update() paints at once when the window is mapped; pumping covers the rest.
template <class Panel> bool repaintNow(Panel* panel)
{
    const long before = panel->paints;
    panel->Update();
    if (panel->paints == before && !waitForPaint(panel, before))
        return false;
    waitUntilDrawn(panel);
    return true;
}

template <class Panel> bool settle(wxFrame* frame, Panel* panel)
{
    wxStopWatch watch;
    while (panel->GetClientSize() != kPageSize && watch.Time() < 5000)
        evbench::pumpEvents();
    panel->Refresh();
    return waitForPaint(panel, panel->paints) && frame->IsShownOnScreen() &&
           panel->GetClientSize() == kPageSize;
}

void closeFrame(wxFrame* frame)
{
    frame->Destroy();
    evbench::pumpEvents();
}

void BM_PageTurn(benchmark::State& state)
{
    wxFrame* frame = newPageFrame();
    auto* panel = new CBenchHost(frame);
    showPage(frame);
    CEVAttributes attributes;
    CQuestionData question;
    question.setCategoryType(CQuestionData::eMultipleAnswers);
    question.setQuestion("Which of these planets have rings? Choose every one that has.");
    question.setNumAnswers(10);
    for (unsigned i = 0; i < 10; ++i)
        question.setAnswer(i, wxString::Format("Planet number %u of a system of ten", i + 1));
    if (!panel->initializeForQuestion(&attributes, &question) || !settle(frame, panel))
        state.SkipWithError("the page did not show");

    const long paintsBefore = panel->paints;
    for (auto _ : state)
    {
        if (!panel->initializeForQuestion(&attributes, &question) || !repaintNow(panel))
        {
            state.SkipWithError("the page turn failed");
            break;
        }
    }
    state.counters["paints_per_turn"] =
        benchmark::Counter(double(panel->paints - paintsBefore) / double(state.iterations()));
    closeFrame(frame);
}

void BM_ToolkitFloor(benchmark::State& state)
{
    wxFrame* frame = newPageFrame();
    const wxBitmap bitmap(gradient(kPageSize, *wxBLUE, *wxBLACK));
    auto* panel = new CBitmapPanel(frame, bitmap);
    showPage(frame);
    if (!settle(frame, panel))
        state.SkipWithError("the panel did not show");

    for (auto _ : state)
    {
        panel->Refresh();
        if (!repaintNow(panel))
        {
            state.SkipWithError("the repaint failed");
            break;
        }
    }
    closeFrame(frame);
}

const bool kRatioRegistered = evbench::addMedianRatio("BM_PageTurn", "BM_ToolkitFloor");

} // namespace

BENCHMARK(BM_PageTurn)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ToolkitFloor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
