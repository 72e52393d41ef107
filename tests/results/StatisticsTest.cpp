// Item statistics: the figures against values worked out by hand and against
// an independent computation in Python, the undefined cases, the flags, which
// attempts count, and the reports written from them.

#include "results/AssessmentStatistics.h"
#include "results/StatisticsPlots.h"
#include "results/StatisticsReport.h"
#include "tests/results/ResultsTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>

namespace
{

using Matrix = std::vector<std::vector<int>>;

// An assessment of `numQuestions` questions of four answers, the key answer
// 0, described as the statistics see it.
CAttempt blueprint(unsigned numQuestions, const std::string& version = "version-1")
{
    CAttempt described;
    described.m_assessmentFingerprint = version;
    for (unsigned position = 0; position < numQuestions; ++position)
    {
        SQuestionResult question;
        question.m_position = position;
        question.m_fingerprint = "question-" + std::to_string(position);
        question.m_questionText = "Question " + std::to_string(position + 1);
        question.m_numAnswers = 4;
        question.m_correct = {0};
        described.m_questions.push_back(question);
    }
    return described;
}

// A submitted attempt of `described` choosing `choices` (one answer per
// question, -1 for none).
CAttempt taken(const CAttempt& described, const std::vector<int>& choices)
{
    CAttempt attempt = described;
    attempt.m_id = CAttempt::newId();
    attempt.m_status = CAttempt::eSubmitted;
    unsigned wrong = 0;
    for (size_t position = 0; position < choices.size(); ++position)
    {
        SQuestionResult& question = attempt.m_questions[position];
        question.m_chosen.clear();
        if (choices[position] >= 0)
            question.m_chosen.push_back(unsigned(choices[position]));
        question.m_right = question.m_chosen == question.m_correct;
        wrong += !question.m_right;
    }
    attempt.m_score = CAttempt::scorePercent(wrong, unsigned(choices.size()));
    return attempt;
}

// Right (1) chooses the key, wrong (0) answer 1.
std::vector<CAttempt> attemptsScoring(const CAttempt& described, const Matrix& scores)
{
    std::vector<CAttempt> attempts;
    for (const std::vector<int>& row : scores)
    {
        std::vector<int> choices;
        for (int score : row)
            choices.push_back(score == 1 ? 0 : 1);
        attempts.push_back(taken(described, choices));
    }
    return attempts;
}

CAssessmentStatistics statisticsOf(const Matrix& scores)
{
    const CAttempt described = blueprint(unsigned(scores.empty() ? 0 : scores[0].size()));
    return CAssessmentStatistics::compute(described, attemptsScoring(described, scores));
}

using Figures = std::map<std::string, TFigure>;

// Every figure by the name the reference computation gives it.
Figures figuresOf(const CAssessmentStatistics& statistics)
{
    const STestStatistics& test = statistics.test();
    Figures figures = {{"test.attempts", double(test.m_attempts)},
                       {"test.mean", test.m_mean},
                       {"test.median", test.m_median},
                       {"test.standard_deviation", test.m_standardDeviation},
                       {"test.lowest", test.m_lowest},
                       {"test.highest", test.m_highest},
                       {"test.cronbach_alpha", test.m_cronbachAlpha},
                       {"test.standard_error", test.m_standardError}};
    for (const SQuestionStatistics& question : statistics.questions())
    {
        const std::string prefix = "question." + std::to_string(question.m_position) + ".";
        figures[prefix + "facility"] = question.m_facility;
        figures[prefix + "standard_deviation"] = question.m_standardDeviation;
        figures[prefix + "discrimination"] = question.m_discrimination;
    }
    return figures;
}

// The figures named in `expected` (nullopt: undefined) are those of `statistics`.
void expectFigures(const CAssessmentStatistics& statistics, const Figures& expected, double tolerance = 1e-6)
{
    const Figures figures = figuresOf(statistics);
    for (const auto& [name, value] : expected)
    {
        const auto found = figures.find(name);
        ASSERT_NE(found, figures.end()) << name;
        ASSERT_EQ(found->second.has_value(), value.has_value()) << name;
        EXPECT_NEAR(found->second.value_or(0), value.value_or(0), tolerance) << name;
    }
}

// Five takers, three questions, worked out on paper:
//   taker  q1 q2 q3  total
//   1       1  1  1   3
//   2       1  1  0   2
//   3       1  0  0   1
//   4       1  1  0   2
//   5       0  0  0   0
// totals: mean 1.6, variance 5.2 / 4 = 1.3; question variances 0.2, 0.3, 0.2;
// alpha = 3/2 x (1 - 0.7 / 1.3) = 0.692308; SEM = sqrt(1.3 x 0.307692) = sqrt(0.4).
const Matrix kFiveTakers = {{1, 1, 1}, {1, 1, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}};

// The figures the reference computation gives for `scores`.
Figures referenceFigures(const Matrix& scores)
{
    std::ostringstream json;
    for (size_t row = 0; row < scores.size(); ++row)
        for (size_t column = 0; column < scores[row].size(); ++column)
            json << (column ? ", " : row ? "], [" : "{\"scores\": [[") << scores[row][column];
    const std::string command =
        "echo '" + json.str() + "]]}' | " + EVALON_PYTHON + " " + EVALON_STATISTICS_REFERENCE;
    Figures figures;
    FILE* pipe = popen(command.c_str(), "r");
    char line[256];
    std::string name, value;
    while (pipe && std::fgets(line, sizeof line, pipe))
        if (std::istringstream(line) >> name >> value)
            figures[name] = value == "null" ? TFigure() : std::stod(value);
    EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << command;
    return figures;
}

void expectAsReference(const Matrix& scores)
{
    const Figures reference = referenceFigures(scores);
    const CAssessmentStatistics statistics = statisticsOf(scores);
    EXPECT_EQ(reference.size(), figuresOf(statistics).size());
    expectFigures(statistics, reference, 1e-9);
}

TEST(StatisticsTest, TheFiguresAreThoseWorkedOutByHandAndOfAnIndependentComputation)
{
    const CAssessmentStatistics statistics = statisticsOf(kFiveTakers);
    // The corrected item-total correlation, by hand: the reference could share a wrong definition.
    expectFigures(statistics, {{"test.cronbach_alpha", 0.692308},
                               {"test.standard_error", std::sqrt(0.4)},
                               {"question.0.discrimination", 0.8 / std::sqrt(0.8 * 2.8)},
                               {"question.2.discrimination", 0.375}});
    EXPECT_EQ(statistics.questions()[2].m_flags, 0u) << "a facility of exactly 0.2 is not too hard";
    // Percent scores 100, 66.7, 33.3, 66.7, 0 in tenths of the range.
    EXPECT_EQ(statistics.scoreHistogram(), (std::vector<unsigned>{1, 0, 0, 1, 0, 0, 2, 0, 0, 1}));
    // Two questions that do not go together are flagged (their figures are the reference's).
    EXPECT_EQ(statisticsOf({{1, 1}, {1, 0}, {0, 1}, {0, 0}}).questions()[0].flagWords(),
              "low-discrimination");

    // Takers of different ability on questions of different difficulty, so
    // that every figure takes a value of its own; and small corner cases.
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    Matrix scores;
    for (int taker = 0; taker < 60; ++taker)
    {
        const double ability = uniform(random);
        std::vector<int> row;
        for (int question = 0; question < 12; ++question)
            row.push_back(uniform(random) < 0.15 + 0.7 * ability * (1.0 - question / 24.0) ? 1 : 0);
        scores.push_back(row);
    }
    expectAsReference(scores);
    expectAsReference(kFiveTakers);
    expectAsReference({{1, 1}, {1, 0}, {0, 1}, {0, 0}});
    expectAsReference({{1, 0, 1}, {1, 1, 1}});
}

TEST(StatisticsTest, WhatTheDataDoNotDefineIsADashNeverANumber)
{
    const CAttempt described = blueprint(3);
    const CAssessmentStatistics none = CAssessmentStatistics::compute(described, {});
    const CAssessmentStatistics one = statisticsOf({{1, 0, 1}});
    const CAssessmentStatistics allRight = statisticsOf({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}});
    for (const CAssessmentStatistics* statistics : {&none, &one, &allRight})
    {
        expectFigures(*statistics, {{"test.cronbach_alpha", std::nullopt},
                                    {"test.standard_error", std::nullopt},
                                    {"question.0.discrimination", std::nullopt}});
        const std::string reports =
            CStatisticsReport::json(*statistics) + CStatisticsReport::csv(*statistics);
        EXPECT_EQ(reports.find("nan"), std::string::npos) << reports;
        EXPECT_EQ(reports.find("inf"), std::string::npos) << reports;
    }
    EXPECT_EQ(
        CStatisticsReport::json(none),
        "{\"attempts\": 0, \"mean\": null, \"median\": null, \"standard_deviation\": null, \"lowest\": null, "
        "\"highest\": null, \"cronbach_alpha\": null, \"standard_error\": null}\n");
    expectFigures(one, {{"test.mean", 200.0 / 3}, {"test.standard_deviation", std::nullopt}});
    EXPECT_EQ(CAssessmentStatistics::format(one.test().m_standardDeviation, 2), "\xE2\x80\x93");
    expectFigures(allRight, {{"question.0.facility", 1.0}, {"question.0.standard_deviation", 0.0}});
    // The CSV leaves undefined figures empty.
    EXPECT_NE(CStatisticsReport::csv(allRight).find("\r\n1,Question 1,3,1.0000,0.0000,,too-easy\r\n"),
              std::string::npos)
        << CStatisticsReport::csv(allRight);
}

// Six takers; question 1's key is A, but the two best takers chose B and the
// weaker ones A: negative discrimination, and the key may be wrong.
TEST(StatisticsTest, AKeyTheBestTakersAvoidIsFlaggedAsPossiblyWrong)
{
    const CAttempt described = blueprint(4);
    std::vector<CAttempt> attempts = {
        taken(described, {1, 0, 0, 0}), taken(described, {1, 0, 0, 0}), taken(described, {0, 0, 1, 0}),
        taken(described, {0, 1, 0, 1}), taken(described, {0, 1, 1, 1}), taken(described, {-1, 1, 1, 1}),
    }; // the weakest left question 1 out
    const CAssessmentStatistics statistics = CAssessmentStatistics::compute(described, attempts);
    const SQuestionStatistics& question = statistics.questions()[0];
    EXPECT_EQ(question.flagWords(), "negative-discrimination key-may-be-wrong");
    EXPECT_EQ(CStatisticsReport::flagText(question), "⚠ key may be wrong, ✗ negative discrimination");
    EXPECT_EQ(CStatisticsReport::answerCountText(question), "A ✓ 3 · B 2 · C 0 · D 0 · none 1");
    // Question 2 is right for the best takers only.
    EXPECT_FALSE(statistics.questions()[1].has(SQuestionStatistics::eNegativeDiscrimination));
}

TEST(StatisticsTest, OnlySubmittedAttemptsOfThisVersionCountUnlessEarlierOnesAreAskedFor)
{
    const CAttempt now = blueprint(2, "version-2");
    // The earlier version had the same first question and another second.
    CAttempt before = blueprint(2, "version-1");
    before.m_questions[1].m_fingerprint = "an-older-question";
    std::vector<CAttempt> attempts = {taken(now, {0, 0}), taken(now, {1, 0}), taken(before, {0, 1}),
                                      taken(before, {0, 1}), taken(now, {0, 0})};
    attempts.back().m_status = CAttempt::eInProgress;

    const CAssessmentStatistics alone = CAssessmentStatistics::compute(now, attempts);
    EXPECT_EQ(alone.test().m_attempts, 2u);
    EXPECT_EQ(alone.notes(),
              (std::vector<std::string>{
                  "1 attempt is still in progress and not counted.",
                  "2 attempts are of an earlier version of the assessment (questions changed, added "
                  "or removed since) and not counted."}));

    CAssessmentStatistics::SOptions options;
    options.m_includeEarlierVersions = true;
    const CAssessmentStatistics together = CAssessmentStatistics::compute(now, attempts, options);
    EXPECT_EQ(together.test().m_attempts, 2u) << "the test's figures stay with this version";
    EXPECT_EQ(together.questions()[0].m_attempts, 4u);
    expectFigures(together, {{"question.0.facility", 0.75}});
    EXPECT_EQ(together.questions()[1].m_attempts, 2u) << "the changed question counts this version only";

    // A question whose entry names none has no figures, and says so.
    CAttempt broken = blueprint(2);
    broken.m_questions[1].m_fingerprint.clear();
    const CAssessmentStatistics gap =
        CAssessmentStatistics::compute(broken, attemptsScoring(broken, {{1, 0}}));
    EXPECT_EQ(gap.questions()[1].m_attempts, 0u);
    EXPECT_EQ(gap.notes().back(), "Question 2 names no question of the assessment: it has no figures.");
}

TEST(StatisticsTest, TheReportsSayWhatTheFiguresSay)
{
    CAttempt described = blueprint(3);
    described.m_questions[0].m_questionText = "Is 1 < 2, \"really\"?";
    std::vector<CAttempt> attempts = attemptsScoring(described, kFiveTakers);
    attempts[0].m_taker = "<b>Ann</b>";
    attempts[0].m_startedAt = "2026-12-07T09:00:00Z";
    attempts[0].m_submittedAt = "2026-12-07T09:12:05Z";
    const CAssessmentStatistics statistics = CAssessmentStatistics::compute(described, attempts);

    // The host's report test checks the CSV's header and the JSON figures.
    const std::string csv = CStatisticsReport::csv(statistics);
    EXPECT_NE(csv.find("\r\n1,\"Is 1 < 2, \"\"really\"\"?\",5,0.8000,0.4472,0.5345,\r\n"), std::string::npos)
        << csv;

    const std::string html = CStatisticsReport::html(statistics, attempts, "Fractions & decimals.eva");
    EXPECT_NE(html.find("<title>Results of Fractions &amp; decimals.eva</title>"), std::string::npos);
    EXPECT_NE(html.find("&lt;b&gt;Ann&lt;/b&gt;"), std::string::npos) << "texts are escaped";
    EXPECT_NE(html.find("12 min 05 s"), std::string::npos);
    auto count = [](const std::string& text, const std::string& part)
    {
        size_t found = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count(html, "<svg "), 2u) << "the score and question plots stand inline";
    EXPECT_EQ(html.find("<img"), std::string::npos) << "nothing outside the one file";
    // Scores 100, 66, 33, 66, 0 against a mark of 66: a score at the mark passes.
    const std::string marked = CStatisticsReport::html(statistics, attempts, "a.eva", 66u);
    EXPECT_NE(marked.find("3 of 5 submitted attempts passed (pass mark 66%)."), std::string::npos) << marked;
    EXPECT_EQ(count(marked, "<td>passed</td>"), 3u);
    EXPECT_EQ(html.find("passed"), std::string::npos) << "no pass mark, no word of passing";

    // The host's report test checks the files written.
    restest::CTempFolder folder;
    std::string error;
    EXPECT_FALSE(CStatisticsReport::write(statistics, attempts, "a.eva", folder.file("report.txt"), &error));
    EXPECT_EQ(error, "The report " + folder.file("report.txt") +
                         " cannot be written: its name must end in .html, .csv or .json.");
    const std::string missing = folder.file("no/such/folder/report.csv");
    EXPECT_FALSE(CStatisticsReport::write(statistics, attempts, "a.eva", missing, &error));
    EXPECT_EQ(error.rfind("The report cannot be written to " + missing + ": ", 0), 0u) << error;
}

TEST(StatisticsPlotsTest, TheAnswerPlotMarksTheKeyByMoreThanItsColour)
{
    const CAttempt described = blueprint(1);
    const CAssessmentStatistics statistics =
        CAssessmentStatistics::compute(described, {taken(described, {0}), taken(described, {2})});
    const CStatisticsPlots::SBarChart chart = CStatisticsPlots::answerShares(statistics.questions()[0]);
    EXPECT_EQ(chart.m_categories, (std::vector<std::string>{"A ✓ key", "B", "C", "D", "none"}));
    EXPECT_EQ(chart.m_series[0].m_values, (std::vector<double>{50, 0, 50, 0, 0}));
    EXPECT_NE(chart.m_categoryColours[0], chart.m_categoryColours[1]);

    // Laid out small, every mark stays inside the plot.
    const CPlotScene scene = CStatisticsPlots::layOut(chart, 120, 90);
    for (const SPlotShape& shape : scene.shapes())
    {
        EXPECT_GE(std::min(shape.m_x, shape.m_x2), 0) << shape.m_text;
        EXPECT_LE(std::max(shape.m_x, shape.m_x2), 120) << shape.m_text;
        EXPECT_GE(std::min(shape.m_y, shape.m_y2), 0) << shape.m_text;
        EXPECT_LE(std::max(shape.m_y, shape.m_y2), 90) << shape.m_text;
    }
    EXPECT_EQ(scene.toSvg().rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", 0), 0u);
}

} // namespace
