// The main of every benchmark program. Run under a display, for instance
//   tests/support/run-headless build/bench/page_turn
// (its screen is 1920x1200x24, room for a 1920x1080 page).

#include "bench/support/BenchSupport.h"

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace
{

class CBenchApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

std::vector<std::pair<std::string, std::string>>& ratios()
{
    static std::vector<std::pair<std::string, std::string>> all;
    return all;
}

// Prints as the console reporter does and keeps each benchmark's median.
class CMedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.time_unit};
    }

    void printRatios() const
    {
        for (const auto& [numerator, denominator] : ratios())
        {
            const auto top = m_medians.find(numerator);
            const auto bottom = m_medians.find(denominator);
            if (top == m_medians.end() || bottom == m_medians.end())
            {
                std::printf("ratio %s / %s: no medians (run with repetitions)\n", numerator.c_str(),
                            denominator.c_str());
                continue;
            }
            // The multiplier turns seconds into the run's unit.
            const double topSeconds =
                top->second.first / benchmark::GetTimeUnitMultiplier(top->second.second);
            const double bottomSeconds =
                bottom->second.first / benchmark::GetTimeUnitMultiplier(bottom->second.second);
            std::printf("median %s: %.3f ms\nmedian %s: %.3f ms\nratio %s / %s: %.2f\n", numerator.c_str(),
                        topSeconds * 1e3, denominator.c_str(), bottomSeconds * 1e3, numerator.c_str(),
                        denominator.c_str(), topSeconds / bottomSeconds);
        }
    }

private:
    std::map<std::string, std::pair<double, benchmark::TimeUnit>> m_medians;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(CBenchApp);

namespace evbench
{

bool addMedianRatio(const std::string& numerator, const std::string& denominator)
{
    ratios().emplace_back(numerator, denominator);
    return true;
}

void pumpEvents()
{
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
    wxTheApp->Yield(true);
}

} // namespace evbench

int main(int argc, char** argv)
{
    setenv("NO_AT_BRIDGE", "1", 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    if (!wxEntryStart(argc, argv) || !wxTheApp || !wxTheApp->CallOnInit())
    {
        std::fprintf(stderr, "benchmark: wxWidgets could not start (is DISPLAY set?)\n");
        return 1;
    }
    wxInitAllImageHandlers();
    delete wxLog::SetActiveTarget(new wxLogStderr);

    CMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();

    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
