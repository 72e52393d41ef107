#include "results/StatisticsReport.h"

#include "external/data/FileBytes.h"
#include "results/ResultsCsv.h"
#include "results/PlotScene.h"
#include "results/StatisticsPlots.h"

#include <wx/datetime.h>
#include <wx/filename.h>
#include <wx/intl.h>

#include <algorithm>

const char CStatisticsReport::kCsvHeader[] =
    "position,question,attempts,facility_index,standard_deviation,discrimination_index,flags";

namespace
{
// A flag's sign, which every language shows, and its words, translated where shown.
struct SFlagText
{
    SQuestionStatistics::eFlag m_flag;
    const char* m_sign;
    const char* m_words;
};

const SFlagText kFlagTexts[] = {
    {SQuestionStatistics::eKeyMayBeWrong, "⚠", wxTRANSLATE("key may be wrong")},
    {SQuestionStatistics::eNegativeDiscrimination, "✗", wxTRANSLATE("negative discrimination")},
    {SQuestionStatistics::eLowDiscrimination, "≈", wxTRANSLATE("low discrimination")},
    {SQuestionStatistics::eTooEasy, "▲", wxTRANSLATE("too easy")},
    {SQuestionStatistics::eTooHard, "▼", wxTRANSLATE("too hard")},
};

// The report's texts are kept as UTF-8, like every text of the results.
std::string utf8(const wxString& translated)
{
    return translated.utf8_string();
}

wxString fromUtf8(const std::string& text)
{
    return wxString::FromUTF8(text.c_str());
}

std::string jsonNumber(const TFigure& figure)
{
    return figure ? CAssessmentStatistics::format(figure, 6) : "null";
}

std::string escaped(const std::string& text)
{
    return CPlotScene::escaped(text);
}

std::string row(const std::vector<std::string>& cells, const char* tag = "td")
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
    for (const SFlagText& flag : kFlagTexts)
        if (question.has(flag.m_flag))
            text += (text.empty() ? "" : ", ") + std::string(flag.m_sign) + " " +
                    utf8(wxGetTranslation(flag.m_words));
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
    // TRANSLATORS: how many takers chose no answer of the question.
    return text + (text.empty() ? "" : " · ") + utf8(wxString::Format(_("none %u"), question.m_unanswered));
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
    // No attempt lasts anywhere near the hours an int holds.
    const int hours = int(seconds / 3600);
    const int minutes = int(seconds % 3600 / 60);
    const int rest = int(seconds % 60);
    if (seconds >= 3600)
        // TRANSLATORS: a duration in hours and minutes.
        return utf8(wxString::Format(_("%d h %02d min"), hours, minutes));
    if (seconds >= 60)
        // TRANSLATORS: a duration in minutes and seconds.
        return utf8(wxString::Format(_("%d min %02d s"), int(seconds / 60), rest));
    // TRANSLATORS: a duration in seconds.
    return utf8(wxString::Format(_("%d s"), rest));
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
    // TRANSLATORS: the report's heading; %s is the assessment's name.
    const std::string heading = utf8(wxString::Format(_("Results of %s"), fromUtf8(title)));
    // TRANSLATORS: the code of this translation's language, as web pages name it ("de", "fr").
    const std::string language = utf8(_("en"));
    std::string text = "<!DOCTYPE html>\n<html lang=\"" + escaped(language) +
                       "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + escaped(heading) +
                       "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    text += "<h1>" + escaped(heading) + "</h1>\n";
    // The English line has always said "attempts" and "questions" whatever the
    // number; the plural forms let the other languages say it right.
    text +=
        "<p class=\"meta\">" +
        escaped(
            utf8(wxString::Format(_("Written %s"), wxDateTime::Now().Format("%Y-%m-%d %H:%M"))) + " · " +
            utf8(wxString::Format(wxPLURAL("%u submitted attempts", "%u submitted attempts", test.m_attempts),
                                  test.m_attempts)) +
            " · " +
            utf8(wxString::Format(wxPLURAL("%u questions", "%u questions", test.m_questions),
                                  test.m_questions))) +
        "</p>\n";
    if (!statistics.notes().empty())
    {
        text += "<ul class=\"notes\">\n";
        for (const std::string& note : statistics.notes())
            text += "<li>" + escaped(note) + "</li>\n";
        text += "</ul>\n";
    }

    text += "<h2>" + escaped(utf8(_("The test"))) + "</h2>\n<table>\n";
    text += "<tr><th>" + escaped(utf8(_("Attempts"))) + "</th>" +
            numberCell(std::to_string(test.m_attempts)) + "</tr>\n";
    const std::pair<const char*, std::string> figures[] = {
        {wxTRANSLATE("Mean score"), F::format(test.m_mean, 1) + (test.m_mean ? "%" : "")},
        {wxTRANSLATE("Median score"), F::format(test.m_median, 1) + (test.m_median ? "%" : "")},
        {wxTRANSLATE("Standard deviation"),
         F::format(test.m_standardDeviation, 1) + (test.m_standardDeviation ? "%" : "")},
        {wxTRANSLATE("Lowest score"), F::format(test.m_lowest, 1) + (test.m_lowest ? "%" : "")},
        {wxTRANSLATE("Highest score"), F::format(test.m_highest, 1) + (test.m_highest ? "%" : "")},
        {wxTRANSLATE("Cronbach's alpha (KR-20)"), F::format(test.m_cronbachAlpha, 3)},
        {wxTRANSLATE("Standard error of measurement (questions)"), F::format(test.m_standardError, 2)},
    };
    for (const auto& [name, value] : figures)
        text += "<tr><th>" + escaped(utf8(wxGetTranslation(name))) + "</th>" + numberCell(value) + "</tr>\n";
    if (passMark)
        text += "<tr><th>" + escaped(utf8(_("Passed"))) + "</th><td>" + escaped(passedText(attempts, *passMark)) +
                "</td></tr>\n";
    text += "</table>\n";

    text += "<h2>" + escaped(utf8(_("Plots"))) + "</h2>\n";
    text += "<div class=\"plot\">" +
            CStatisticsPlots::layOut(CStatisticsPlots::scoreHistogram(statistics), 760, 300).toSvg() + "</div>\n";
    text += "<div class=\"plot\">" +
            CStatisticsPlots::layOut(CStatisticsPlots::questionFigures(statistics), 760, 320).toSvg() + "</div>\n";

    text +=
        "<h2>" + escaped(utf8(_("The questions"))) + "</h2>\n<table>\n<thead>" +
        row({utf8(_("#")), utf8(_("Question")), utf8(_("Attempts")), utf8(_("Facility")),
             utf8(_("Std. dev.")), utf8(_("Discrimination")), utf8(_("Answers chosen")), utf8(_("Flags"))},
            "th") +
        "</thead>\n<tbody>\n";
    for (const SQuestionStatistics& question : statistics.questions())
        text += "<tr>" + numberCell(std::to_string(question.m_position + 1)) + "<td>" +
                escaped(question.m_questionText) + "</td>" + numberCell(std::to_string(question.m_attempts)) +
                numberCell(F::format(question.m_facility, 2)) + numberCell(F::format(question.m_standardDeviation, 2)) +
                numberCell(F::format(question.m_discrimination, 2)) + "<td>" + escaped(answerCountText(question)) +
                "</td><td class=\"flag\">" + escaped(flagText(question)) + "</td></tr>\n";
    text += "</tbody>\n</table>\n";

    std::vector<std::string> headings = {utf8(_("Taker")), utf8(_("Submitted (UTC)")), utf8(_("Duration")),
                                          utf8(_("Score"))};
    if (passMark)
        headings.push_back(utf8(_("Passed")));
    text += "<h2>" + escaped(utf8(_("The attempts"))) + "</h2>\n<table>\n<thead>" + row(headings, "th") +
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
        *error = utf8(wxString::Format(
            _("The report %s cannot be written: its name must end in .html, .csv or .json."), name));
        return false;
    }
    wxString reason;
    if (!CFileBytes::replace(name, text, &reason))
    {
        // TRANSLATORS: %s are the file and the reason it cannot be written.
        *error = utf8(wxString::Format(_("The report cannot be written to %s: %s."), name, reason));
        return false;
    }
    return true;
}
