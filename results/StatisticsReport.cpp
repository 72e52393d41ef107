#include "results/StatisticsReport.h"

#include "external/data/FileBytes.h"
#include "results/ResultsCsv.h"
#include "results/PlotScene.h"
#include "results/StatisticsPlots.h"

#include <wx/datetime.h>
#include <wx/filename.h>
#include <wx/intl.h>

#include <algorithm>
#include <cstdio>

const char CStatisticsReport::kCsvHeader[] =
    "position,question,attempts,facility_index,standard_deviation,discrimination_index,flags";

namespace
{
const std::pair<SQuestionStatistics::eFlag, const char*> kFlagTexts[] = {
    {SQuestionStatistics::eKeyMayBeWrong, "⚠ key may be wrong"},
    {SQuestionStatistics::eNegativeDiscrimination, "✗ negative discrimination"},
    {SQuestionStatistics::eLowDiscrimination, "≈ low discrimination"},
    {SQuestionStatistics::eTooEasy, "▲ too easy"},
    {SQuestionStatistics::eTooHard, "▼ too hard"},
};

std::string jsonNumber(const TFigure& figure)
{
    return figure ? CAssessmentStatistics::format(figure, 6) : "null";
}

std::string escaped(const std::string& text)
{
    return CPlotScene::escaped(text);
}

std::string row(std::initializer_list<std::string> cells, const char* tag = "td")
{
    std::string text = "<tr>";
    for (const std::string& cell : cells)
        text += std::string("<") + tag + ">" + escaped(cell) + "</" + tag + ">";
    return text + "</tr>\n";
}

const char kStyle[] = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; color: #222; margin: 2em; max-width: 1100px; }
h1 { font-size: 1.5em; margin-bottom: 0.2em; }
h2 { font-size: 1.15em; margin-top: 1.6em; border-bottom: 1px solid #ccc; }
.meta { color: #555; }
table { border-collapse: collapse; margin: 0.5em 0; }
th, td { border: 1px solid #ccc; padding: 0.25em 0.6em; text-align: left; vertical-align: top; }
th { background: #f0f0f0; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
.flag { color: #a33; font-weight: bold; }
.notes li { color: #7a4a00; }
.plot { margin: 0.5em 0 1em 0; }
@media print {
  body { margin: 0; max-width: none; }
  h2 { break-after: avoid; }
  tr, .plot { break-inside: avoid; }
  thead { display: table-header-group; }
}
)";

std::string passedWord(const CAttempt& attempt, unsigned passMark)
{
    return (attempt.passed(passMark) ? _("passed") : _("not passed")).utf8_string();
}

std::string numberCell(const std::string& text)
{
    return "<td class=\"number\">" + escaped(text) + "</td>";
}
} // namespace

std::string CStatisticsReport::flagText(const SQuestionStatistics& question)
{
    std::string text;
    for (const auto& [flag, words] : kFlagTexts)
        if (question.has(flag))
            text += (text.empty() ? "" : ", ") + std::string(words);
    return text;
}

std::string CStatisticsReport::answerCountText(const SQuestionStatistics& question)
{
    std::string text;
    for (unsigned answer = 0; answer < question.m_answerCounts.size(); ++answer)
    {
        const bool isKey =
            std::find(question.m_correct.begin(), question.m_correct.end(), answer) != question.m_correct.end();
        text += (text.empty() ? "" : " · ") + CStatisticsPlots::answerLetter(answer) + (isKey ? " ✓ " : " ") +
                std::to_string(question.m_answerCounts[answer]);
    }
    return text + (text.empty() ? "" : " · ") + "none " + std::to_string(question.m_unanswered);
}

long long CStatisticsReport::durationSeconds(const CAttempt& attempt)
{
    long long started = 0;
    long long submitted = 0;
    if (!CAttempt::parseUtc(attempt.m_startedAt, &started) || !CAttempt::parseUtc(attempt.m_submittedAt, &submitted) ||
        submitted < started)
        return -1;
    return submitted - started;
}

std::string CStatisticsReport::durationText(long long seconds)
{
    if (seconds < 0)
        return "\xE2\x80\x93";
    char text[48];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld h %02lld min", seconds / 3600, seconds % 3600 / 60);
    else if (seconds >= 60)
        std::snprintf(text, sizeof text, "%lld min %02lld s", seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%lld s", seconds);
    return text;
}

std::string CStatisticsReport::csv(const CAssessmentStatistics& statistics)
{
    std::string text = std::string(kCsvHeader) + "\r\n";
    for (const SQuestionStatistics& question : statistics.questions())
        text += std::to_string(question.m_position + 1) + "," + CResultsCsv::field(question.m_questionText) + "," +
                std::to_string(question.m_attempts) + "," +
                CAssessmentStatistics::formatForFile(question.m_facility) + "," +
                CAssessmentStatistics::formatForFile(question.m_standardDeviation) + "," +
                CAssessmentStatistics::formatForFile(question.m_discrimination) + "," +
                CResultsCsv::field(question.flagWords()) + "\r\n";
    return text;
}

std::string CStatisticsReport::json(const CAssessmentStatistics& statistics)
{
    const STestStatistics& test = statistics.test();
    return "{\"attempts\": " + std::to_string(test.m_attempts) + ", \"mean\": " + jsonNumber(test.m_mean) +
           ", \"median\": " + jsonNumber(test.m_median) +
           ", \"standard_deviation\": " + jsonNumber(test.m_standardDeviation) +
           ", \"lowest\": " + jsonNumber(test.m_lowest) + ", \"highest\": " + jsonNumber(test.m_highest) +
           ", \"cronbach_alpha\": " + jsonNumber(test.m_cronbachAlpha) +
           ", \"standard_error\": " + jsonNumber(test.m_standardError) + "}\n";
}

std::string CStatisticsReport::passedText(const std::vector<CAttempt>& attempts, unsigned passMark)
{
    unsigned submitted = 0, passed = 0;
    for (const CAttempt& attempt : attempts)
        if (attempt.m_status == CAttempt::eSubmitted)
            ++submitted, passed += attempt.passed(passMark) ? 1 : 0;
    return wxString::Format(wxPLURAL("%u of %u submitted attempt passed (pass mark %u%%).",
                                     "%u of %u submitted attempts passed (pass mark %u%%).", submitted),
                            passed, submitted, passMark)
        .utf8_string();
}

std::string CStatisticsReport::html(const CAssessmentStatistics& statistics,
                                    const std::vector<CAttempt>& attempts, const std::string& title,
                                    const std::optional<unsigned>& passMark)
{
    using F = CAssessmentStatistics;
    const STestStatistics& test = statistics.test();
    std::string text = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       escaped("Results of " + title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    text += "<h1>" + escaped("Results of " + title) + "</h1>\n";
    text += "<p class=\"meta\">" +
            escaped("Written " + wxDateTime::Now().Format("%Y-%m-%d %H:%M").utf8_string() + " · " +
                 std::to_string(test.m_attempts) + " submitted attempts · " + std::to_string(test.m_questions) +
                 " questions") +
            "</p>\n";
    if (!statistics.notes().empty())
    {
        text += "<ul class=\"notes\">\n";
        for (const std::string& note : statistics.notes())
            text += "<li>" + escaped(note) + "</li>\n";
        text += "</ul>\n";
    }

    text += "<h2>The test</h2>\n<table>\n";
    text += "<tr><th>Attempts</th>" + numberCell(std::to_string(test.m_attempts)) + "</tr>\n";
    const std::pair<const char*, std::string> figures[] = {
        {"Mean score", F::format(test.m_mean, 1) + (test.m_mean ? "%" : "")},
        {"Median score", F::format(test.m_median, 1) + (test.m_median ? "%" : "")},
        {"Standard deviation", F::format(test.m_standardDeviation, 1) + (test.m_standardDeviation ? "%" : "")},
        {"Lowest score", F::format(test.m_lowest, 1) + (test.m_lowest ? "%" : "")},
        {"Highest score", F::format(test.m_highest, 1) + (test.m_highest ? "%" : "")},
        {"Cronbach's alpha (KR-20)", F::format(test.m_cronbachAlpha, 3)},
        {"Standard error of measurement (questions)", F::format(test.m_standardError, 2)},
    };
    for (const auto& [name, value] : figures)
        text += std::string("<tr><th>") + escaped(name) + "</th>" + numberCell(value) + "</tr>\n";
    if (passMark)
        text += "<tr><th>" + escaped(_("Passed").utf8_string()) + "</th><td>" +
                escaped(passedText(attempts, *passMark)) + "</td></tr>\n";
    text += "</table>\n";

    text += "<h2>Plots</h2>\n";
    text += "<div class=\"plot\">" +
            CStatisticsPlots::layOut(CStatisticsPlots::scoreHistogram(statistics), 760, 300).toSvg() + "</div>\n";
    text += "<div class=\"plot\">" +
            CStatisticsPlots::layOut(CStatisticsPlots::questionFigures(statistics), 760, 320).toSvg() + "</div>\n";

    text += "<h2>The questions</h2>\n<table>\n<thead>" +
            row({"#", "Question", "Attempts", "Facility", "Std. dev.", "Discrimination", "Answers chosen", "Flags"},
                "th") +
            "</thead>\n<tbody>\n";
    for (const SQuestionStatistics& question : statistics.questions())
        text += "<tr>" + numberCell(std::to_string(question.m_position + 1)) + "<td>" +
                escaped(question.m_questionText) + "</td>" + numberCell(std::to_string(question.m_attempts)) +
                numberCell(F::format(question.m_facility, 2)) + numberCell(F::format(question.m_standardDeviation, 2)) +
                numberCell(F::format(question.m_discrimination, 2)) + "<td>" + escaped(answerCountText(question)) +
                "</td><td class=\"flag\">" + escaped(flagText(question)) + "</td></tr>\n";
    text += "</tbody>\n</table>\n";

    text +=
        "<h2>The attempts</h2>\n<table>\n<thead>" +
        (passMark ? row({"Taker", "Submitted (UTC)", "Duration", "Score", _("Passed").utf8_string()}, "th")
                  : row({"Taker", "Submitted (UTC)", "Duration", "Score"}, "th")) +
        "</thead>\n<tbody>\n";
    for (const CAttempt& attempt : attempts)
        if (attempt.m_status == CAttempt::eSubmitted)
            text += "<tr><td>" + escaped(attempt.m_taker) + "</td><td>" + escaped(attempt.m_submittedAt) +
                    "</td>" + numberCell(durationText(durationSeconds(attempt))) +
                    numberCell(std::to_string(attempt.m_score) + "%") +
                    (passMark ? "<td>" + escaped(passedWord(attempt, *passMark)) + "</td>" : std::string()) +
                    "</tr>\n";
    text += "</tbody>\n</table>\n</body>\n</html>\n";
    return text;
}

bool CStatisticsReport::write(const CAssessmentStatistics& statistics, const std::vector<CAttempt>& attempts,
                              const std::string& title, const std::string& path, std::string* error,
                              const std::optional<unsigned>& passMark)
{
    const wxString name = wxString::FromUTF8(path.c_str());
    const wxString extension = wxFileName(name).GetExt().Lower();
    std::string text;
    if (extension == "html" || extension == "htm")
        text = html(statistics, attempts, title, passMark);
    else if (extension == "csv")
        text = csv(statistics);
    else if (extension == "json")
        text = json(statistics);
    else
    {
        *error = "The report " + path + " cannot be written: its name must end in .html, .csv or .json.";
        return false;
    }
    wxString reason;
    if (!CFileBytes::replace(name, text, &reason))
    {
        *error = "The report cannot be written to " + path + ": " + reason.utf8_string() + ".";
        return false;
    }
    return true;
}
