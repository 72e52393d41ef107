#include "results/StatisticsPlots.h"

#include <wx/intl.h>
#include <wx/string.h>

#include <algorithm>
#include <cmath>

namespace
{
const std::uint32_t kBlue = 0x3b6ea5;
const std::uint32_t kOrange = 0xd9822b;
const std::uint32_t kKeyGreen = 0x2e8b57;
const std::uint32_t kDistractor = 0x8a96a3;
const std::uint32_t kGrid = 0xe2e2e2;
const std::uint32_t kAxis = 0x555555;
const std::uint32_t kGuide = 0x888888;
const double kLeft = 52;
const double kRight = 34;
const double kBottom = 40;
const double kTitleBaseline = 22;
const double kMinLabelSpacing = 30;

// A step of 1, 2 or 5 times a power of ten that gives about five ticks.
double niceStep(double range)
{
    const double rough = range / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10.0 * power;
}

size_t utf8Length(const std::string& text)
{
    return size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; }));
}

std::string tickLabel(double value, int decimals, const std::string& suffix)
{
    return CAssessmentStatistics::format(value, decimals) + suffix;
}

// The plots' texts are kept as UTF-8, like every text of the results.
std::string text(const wxString& translated)
{
    return translated.utf8_string();
}

std::string percentLabel(unsigned count, unsigned total)
{
    return total == 0 ? std::string() : CAssessmentStatistics::format(100.0 * count / total, 0) + "%";
}
} // namespace

std::string CStatisticsPlots::answerLetter(unsigned answer)
{
    return answer < 26 ? std::string(1, char('A' + answer)) : std::to_string(answer + 1);
}

CStatisticsPlots::SBarChart CStatisticsPlots::scoreHistogram(const CAssessmentStatistics& statistics)
{
    SBarChart chart;
    chart.m_title = text(_("Takers per score range (%)"));
    SBarChart::SSeries series;
    series.m_name = text(_("Takers"));
    series.m_colour = kBlue;
    const std::vector<unsigned>& bins = statistics.scoreHistogram();
    for (size_t bin = 0; bin < bins.size(); ++bin)
    {
        chart.m_categories.push_back(std::to_string(bin * 10) + (bin == 9 ? "–100" : "–" + std::to_string(bin * 10 + 9)));
        series.m_values.push_back(bins[bin]);
        chart.m_valueLabels.push_back(bins[bin] > 0 ? std::to_string(bins[bin]) : std::string());
    }
    const unsigned highest = bins.empty() ? 0 : *std::max_element(bins.begin(), bins.end());
    chart.m_yStep = std::max(1.0, niceStep(std::max(1u, highest)));
    chart.m_yMax = std::max(chart.m_yStep, std::ceil(highest / chart.m_yStep) * chart.m_yStep);
    chart.m_tickDecimals = 0;
    chart.m_series.push_back(series);
    if (statistics.test().m_attempts == 0)
        chart.m_emptyText = text(_("No submitted attempts yet"));
    return chart;
}

CStatisticsPlots::SBarChart CStatisticsPlots::questionFigures(const CAssessmentStatistics& statistics)
{
    SBarChart chart;
    chart.m_title = text(_("Facility and discrimination of each question"));
    chart.m_yMin = -1;
    chart.m_yMax = 1;
    chart.m_yStep = 0.5;
    chart.m_tickDecimals = 1;
    SBarChart::SSeries facility{text(_("Facility")), kBlue, {}};
    SBarChart::SSeries discrimination{text(_("Discrimination")), kOrange, {}};
    for (const SQuestionStatistics& question : statistics.questions())
    {
        chart.m_categories.push_back(std::to_string(question.m_position + 1));
        facility.m_values.push_back(question.m_facility.value_or(0.0));
        discrimination.m_values.push_back(question.m_discrimination.value_or(0.0));
    }
    chart.m_series = {facility, discrimination};
    chart.m_guides = {{0.9, "0.9"}, {0.2, "0.2"}};
    chart.m_guideNote = text(_("above 0.9 too easy; below 0.2 too hard, or low discrimination"));
    if (statistics.questions().empty())
        chart.m_emptyText = text(_("The assessment has no questions"));
    else if (statistics.test().m_attempts == 0)
        chart.m_emptyText = text(_("No submitted attempts yet"));
    return chart;
}

CStatisticsPlots::SBarChart CStatisticsPlots::answerShares(const SQuestionStatistics& question)
{
    SBarChart chart;
    chart.m_title = text(
        wxString::Format(_("Question %u: share of takers choosing each answer"), question.m_position + 1));
    chart.m_tickDecimals = 0;
    chart.m_tickSuffix = "%";
    chart.m_yMax = 100;
    chart.m_yStep = 25;
    SBarChart::SSeries series{text(_("Takers")), kDistractor, {}};
    for (unsigned answer = 0; answer < question.m_answerCounts.size(); ++answer)
    {
        const bool isKey =
            std::find(question.m_correct.begin(), question.m_correct.end(), answer) != question.m_correct.end();
        // TRANSLATORS: marks the correct answer of a question under its bar.
        chart.m_categories.push_back(answerLetter(answer) + (isKey ? " ✓ " + text(_("key")) : ""));
        chart.m_categoryColours.push_back(isKey ? kKeyGreen : kDistractor);
        const unsigned count = question.m_answerCounts[answer];
        series.m_values.push_back(question.m_attempts == 0 ? 0.0 : 100.0 * count / question.m_attempts);
        chart.m_valueLabels.push_back(percentLabel(count, question.m_attempts));
    }
    // TRANSLATORS: the bar of the takers who chose no answer.
    chart.m_categories.push_back(text(_("none")));
    chart.m_categoryColours.push_back(kDistractor);
    series.m_values.push_back(question.m_attempts == 0 ? 0.0 : 100.0 * question.m_unanswered / question.m_attempts);
    chart.m_valueLabels.push_back(percentLabel(question.m_unanswered, question.m_attempts));
    chart.m_series.push_back(series);
    if (question.m_attempts == 0)
        chart.m_emptyText = text(_("No taker has met this question yet"));
    return chart;
}

CPlotScene CStatisticsPlots::layOut(const SBarChart& chart, double width, double height)
{
    CPlotScene scene(width, height);
    scene.addText(kLeft, kTitleBaseline, chart.m_title, SPlotShape::eStart, 14, true);
    double top = kTitleBaseline + 14;
    if (chart.m_series.size() > 1 || !chart.m_guideNote.empty())
    {
        double x = kLeft;
        for (const SBarChart::SSeries& series : chart.m_series)
        {
            if (chart.m_series.size() < 2)
                break;
            scene.addRectangle(x, top, x + 12, top + 12, series.m_colour);
            scene.addText(x + 17, top + 11, series.m_name, SPlotShape::eStart, 12);
            x += 34 + 7.5 * double(series.m_name.size());
        }
        if (!chart.m_guideNote.empty())
        {
            scene.addLine(x, top + 7, x + 20, top + 7, kGuide, 1, true);
            scene.addText(x + 25, top + 11, chart.m_guideNote, SPlotShape::eStart, 12, false, 0x555555);
        }
        top += 22;
    }
    top += 10;
    const double left = kLeft;
    const double right = std::max(left + 1, width - kRight);
    const double bottom = std::max(top + 1, height - kBottom);
    const double span = chart.m_yMax > chart.m_yMin ? chart.m_yMax - chart.m_yMin : 1;
    auto yOf = [&](double value) {
        return bottom - (std::clamp(value, chart.m_yMin, chart.m_yMax) - chart.m_yMin) / span * (bottom - top);
    };

    const double step = chart.m_yStep > 0 ? chart.m_yStep : span;
    for (double tick = chart.m_yMin; tick <= chart.m_yMax + step / 1000; tick += step)
    {
        scene.addLine(left, yOf(tick), right, yOf(tick), kGrid);
        scene.addText(left - 6, yOf(tick) + 4, tickLabel(tick, chart.m_tickDecimals, chart.m_tickSuffix),
                      SPlotShape::eEnd, 11);
    }
    scene.addLine(left, top, left, bottom, kAxis);
    scene.addLine(left, yOf(0), right, yOf(0), kAxis);

    if (!chart.m_emptyText.empty() || chart.m_categories.empty())
    {
        scene.addText((left + right) / 2, (top + bottom) / 2, chart.m_emptyText, SPlotShape::eMiddle, 13, false,
                      0x777777);
        return scene;
    }

    const size_t count = chart.m_categories.size();
    const double group = (right - left) / double(count);
    const double inner = group * 0.75;
    const double barWidth = inner / double(std::max<size_t>(1, chart.m_series.size()));
    // Texts are not measured here (the scene is drawn by the toolkit and by
    // browsers alike): a 12 px label is taken as 7 px a character.
    size_t longest = 1;
    for (const std::string& label : chart.m_categories)
        longest = std::max(longest, utf8Length(label));
    const double labelWidth = std::max(kMinLabelSpacing, 7.0 * double(longest) + 10);
    const size_t labelEvery = size_t(std::ceil(labelWidth / std::max(group, 1.0)));
    for (size_t category = 0; category < count; ++category)
    {
        const double groupLeft = left + double(category) * group + (group - inner) / 2;
        for (size_t s = 0; s < chart.m_series.size(); ++s)
        {
            const SBarChart::SSeries& series = chart.m_series[s];
            if (category >= series.m_values.size())
                continue;
            std::uint32_t colour = series.m_colour;
            if (s == 0 && category < chart.m_categoryColours.size())
                colour = chart.m_categoryColours[category];
            const double x = groupLeft + double(s) * barWidth;
            scene.addRectangle(x, yOf(0), x + std::max(1.0, barWidth - 1), yOf(series.m_values[category]), colour);
        }
        const double middle = left + (double(category) + 0.5) * group;
        if (category < chart.m_valueLabels.size() && !chart.m_valueLabels[category].empty() && group >= 24)
            scene.addText(middle, yOf(chart.m_series[0].m_values[category]) - 4, chart.m_valueLabels[category],
                          SPlotShape::eMiddle, 11);
        if (category % std::max<size_t>(1, labelEvery) == 0)
            scene.addText(middle, bottom + 17, chart.m_categories[category], SPlotShape::eMiddle, 12);
    }
    for (const auto& [value, label] : chart.m_guides)
    {
        scene.addLine(left, yOf(value), right, yOf(value), kGuide, 1, true);
        scene.addText(right + 3, yOf(value) + 4, label, SPlotShape::eStart, 11, false, 0x555555);
    }
    return scene;
}
