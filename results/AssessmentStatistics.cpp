#include "results/AssessmentStatistics.h"

#include "external/data/AssessmentMgr.h"

#include <wx/intl.h>
#include <wx/string.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iomanip>
#include <locale>
#include <numeric>
#include <sstream>

namespace
{
const double kTooEasy = 0.9;
const double kTooHard = 0.2;
const double kLowDiscrimination = 0.2;

// One question as one attempt met it, with the score on the rest of that
// attempt: what the question's figures are made of.
struct SMeeting
{
    const SQuestionResult* m_result;
    double m_score;
    double m_rest;
};

double rightCount(const CAttempt& attempt)
{
    return double(std::count_if(attempt.m_questions.begin(), attempt.m_questions.end(),
                                [](const SQuestionResult& question) { return question.m_right; }));
}

// The notes are kept as UTF-8, like every text of the results.
std::string note(const wxString& text)
{
    return text.utf8_string();
}

// How many of the best third of the takers (by their test score, at least
// one taker) chose each answer.
std::vector<unsigned> topThirdChoices(std::vector<SMeeting> meetings, unsigned numAnswers)
{
    std::stable_sort(meetings.begin(), meetings.end(), [](const SMeeting& a, const SMeeting& b) {
        return a.m_score + a.m_rest > b.m_score + b.m_rest;
    });
    const size_t topCount = std::max<size_t>(1, (meetings.size() + 2) / 3);
    std::vector<unsigned> counts(numAnswers, 0);
    for (size_t i = 0; i < topCount && i < meetings.size(); ++i)
        for (unsigned answer : meetings[i].m_result->m_chosen)
            if (answer < numAnswers)
                ++counts[answer];
    return counts;
}

// Negative discrimination, and a wrong answer that the top third chose more
// often than the least chosen part of the key.
bool keyMayBeWrong(const SQuestionStatistics& question, const std::vector<SMeeting>& meetings)
{
    if (question.m_correct.empty() || meetings.empty())
        return false;
    const std::vector<unsigned> top = topThirdChoices(meetings, question.m_numAnswers);
    unsigned keyCount = UINT_MAX;
    for (unsigned answer : question.m_correct)
        if (answer < top.size())
            keyCount = std::min(keyCount, top[answer]);
    for (unsigned answer = 0; answer < top.size(); ++answer)
    {
        const bool isKey = std::find(question.m_correct.begin(), question.m_correct.end(), answer) !=
                           question.m_correct.end();
        if (!isKey && keyCount != UINT_MAX && top[answer] > keyCount)
            return true;
    }
    return false;
}

unsigned flagsOf(const SQuestionStatistics& question, const std::vector<SMeeting>& meetings)
{
    unsigned flags = 0;
    if (question.m_facility && *question.m_facility > kTooEasy)
        flags |= SQuestionStatistics::eTooEasy;
    if (question.m_facility && *question.m_facility < kTooHard)
        flags |= SQuestionStatistics::eTooHard;
    if (question.m_discrimination)
    {
        if (*question.m_discrimination < 0)
        {
            flags |= SQuestionStatistics::eNegativeDiscrimination;
            if (keyMayBeWrong(question, meetings))
                flags |= SQuestionStatistics::eKeyMayBeWrong;
        }
        else if (*question.m_discrimination < kLowDiscrimination)
            flags |= SQuestionStatistics::eLowDiscrimination;
    }
    return flags;
}
} // namespace

std::string SQuestionStatistics::flagWords() const
{
    static const std::pair<eFlag, const char*> kWords[] = {
        {eTooEasy, "too-easy"},
        {eTooHard, "too-hard"},
        {eLowDiscrimination, "low-discrimination"},
        {eNegativeDiscrimination, "negative-discrimination"},
        {eKeyMayBeWrong, "key-may-be-wrong"},
    };
    std::string words;
    for (const auto& [flag, word] : kWords)
        if (has(flag))
            words += (words.empty() ? "" : " ") + std::string(word);
    return words;
}

CAttempt CAssessmentStatistics::blueprintOf(CAssessmentMgr& assessment)
{
    CAttempt blueprint = CAttempt::begin(assessment, std::string(), std::string());
    blueprint.m_id.clear();
    return blueprint;
}

CAssessmentStatistics CAssessmentStatistics::compute(const CAttempt& blueprint, const std::vector<CAttempt>& attempts,
                                                     const SOptions& options)
{
    CAssessmentStatistics statistics;
    const size_t numQuestions = blueprint.m_questions.size();
    std::vector<const CAttempt*> current;
    std::vector<const CAttempt*> earlier;
    size_t inProgress = 0;
    size_t damaged = 0;
    for (const CAttempt& attempt : attempts)
    {
        if (attempt.m_status != CAttempt::eSubmitted)
            ++inProgress;
        else if (attempt.m_assessmentFingerprint != blueprint.m_assessmentFingerprint)
            earlier.push_back(&attempt);
        else if (attempt.m_questions.size() != numQuestions)
            ++damaged;
        else
            current.push_back(&attempt);
    }

    std::vector<std::vector<double>> scores(numQuestions);
    for (const CAttempt* attempt : current)
        for (size_t position = 0; position < numQuestions; ++position)
            scores[position].push_back(attempt->m_questions[position].m_right ? 1.0 : 0.0);
    statistics.computeTest(current, scores);

    for (const SQuestionResult& described : blueprint.m_questions)
    {
        SQuestionStatistics question;
        question.m_position = described.m_position;
        question.m_questionFile = described.m_questionFile;
        question.m_questionText = described.m_questionText;
        question.m_fingerprint = described.m_fingerprint;
        question.m_numAnswers = described.m_numAnswers;
        question.m_correct = described.m_correct;
        question.m_answerCounts.assign(described.m_numAnswers, 0);
        statistics.m_questions.push_back(question);
    }
    // Each attempt's total once; this version's questions stand at their
    // positions, earlier versions' are found by fingerprint.
    std::vector<SCounted> counted;
    for (const CAttempt* attempt : current)
        counted.push_back({attempt, rightCount(*attempt), true, {}});
    if (options.m_includeEarlierVersions)
        for (const CAttempt* attempt : earlier)
        {
            SCounted entry{attempt, rightCount(*attempt), false, {}};
            for (const SQuestionResult& question : attempt->m_questions)
                entry.m_byFingerprint.emplace(question.m_fingerprint, &question);
            counted.push_back(std::move(entry));
        }
    for (SQuestionStatistics& question : statistics.m_questions)
    {
        if (question.m_fingerprint.empty())
        {
            statistics.m_notes.push_back(note(
                wxString::Format(_("Question %u names no question of the assessment: it has no figures."),
                                 question.m_position + 1)));
            continue;
        }
        statistics.computeQuestion(question, counted);
    }

    if (current.empty())
        statistics.m_notes.insert(
            statistics.m_notes.begin(),
            note(_("No attempt of this version of the assessment has been submitted yet.")));
    if (inProgress > 0)
        statistics.m_notes.push_back(
            note(wxString::Format(wxPLURAL("%zu attempt is still in progress and not counted.",
                                           "%zu attempts are still in progress and not counted.", inProgress),
                                  inProgress)));
    if (!earlier.empty())
        statistics.m_notes.push_back(
            note(options.m_includeEarlierVersions
                     ? wxString::Format(
                           wxPLURAL("%zu attempt of earlier versions count for the questions that have not "
                                    "changed since.",
                                    "%zu attempts of earlier versions count for the questions that have not "
                                    "changed since.",
                                    earlier.size()),
                           earlier.size())
                     : wxString::Format(
                           wxPLURAL("%zu attempt is of an earlier version of the assessment (questions "
                                    "changed, added or removed since) and not counted.",
                                    "%zu attempts are of an earlier version of the assessment (questions "
                                    "changed, added or removed since) and not counted.",
                                    earlier.size()),
                           earlier.size())));
    if (damaged > 0)
        statistics.m_notes.push_back(note(wxString::Format(
            wxPLURAL("%zu attempt does not match the assessment's questions and is not counted.",
                     "%zu attempts do not match the assessment's questions and are not counted.", damaged),
            damaged)));
    return statistics;
}

void CAssessmentStatistics::computeTest(const std::vector<const CAttempt*>& current,
                                        const std::vector<std::vector<double>>& scores)
{
    const size_t k = scores.size();
    m_test.m_attempts = unsigned(current.size());
    m_test.m_questions = unsigned(k);
    m_histogram.assign(10, 0);
    if (k == 0 || current.empty())
        return;
    std::vector<double> totals(current.size(), 0.0);
    for (const std::vector<double>& question : scores)
        for (size_t i = 0; i < question.size(); ++i)
            totals[i] += question[i];
    std::vector<double> percents;
    for (double total : totals)
    {
        const double percent = 100.0 * total / double(k);
        percents.push_back(percent);
        ++m_histogram[std::min<size_t>(9, size_t(percent / 10.0))];
    }
    m_test.m_mean = mean(percents);
    m_test.m_median = median(percents);
    m_test.m_standardDeviation = sampleStandardDeviation(percents);
    m_test.m_lowest = *std::min_element(percents.begin(), percents.end());
    m_test.m_highest = *std::max_element(percents.begin(), percents.end());

    const TFigure totalVariance = sampleVariance(totals);
    if (k < 2 || !totalVariance || *totalVariance <= 0)
        return;
    double questionVariances = 0;
    for (const std::vector<double>& question : scores)
        questionVariances += sampleVariance(question).value_or(0.0);
    const double alpha = double(k) / double(k - 1) * (1.0 - questionVariances / *totalVariance);
    m_test.m_cronbachAlpha = alpha;
    m_test.m_standardError = std::sqrt(*totalVariance) * std::sqrt(1.0 - alpha);
}

void CAssessmentStatistics::computeQuestion(SQuestionStatistics& question, const std::vector<SCounted>& attempts)
{
    std::vector<SMeeting> meetings;
    meetings.reserve(attempts.size());
    for (const SCounted& attempt : attempts)
    {
        const SQuestionResult* result = nullptr;
        if (attempt.m_current)
            result = &attempt.m_attempt->m_questions[question.m_position];
        else
        {
            const auto found = attempt.m_byFingerprint.find(question.m_fingerprint);
            result = found == attempt.m_byFingerprint.end() ? nullptr : found->second;
        }
        if (result == nullptr)
            continue;
        const double score = result->m_right ? 1.0 : 0.0;
        meetings.push_back({result, score, attempt.m_total - score});
        if (result->m_chosen.empty())
            ++question.m_unanswered;
        for (unsigned answer : result->m_chosen)
            if (answer < question.m_answerCounts.size())
                ++question.m_answerCounts[answer];
    }
    question.m_attempts = unsigned(meetings.size());
    std::vector<double> own;
    std::vector<double> rest;
    for (const SMeeting& meeting : meetings)
    {
        own.push_back(meeting.m_score);
        rest.push_back(meeting.m_rest);
    }
    question.m_facility = mean(own);
    question.m_standardDeviation = sampleStandardDeviation(own);
    question.m_discrimination = pearson(own, rest);
    question.m_flags = flagsOf(question, meetings);
}

TFigure CAssessmentStatistics::mean(const std::vector<double>& values)
{
    if (values.empty())
        return std::nullopt;
    return std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

TFigure CAssessmentStatistics::median(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

TFigure CAssessmentStatistics::sampleVariance(const std::vector<double>& values)
{
    if (values.size() < 2)
        return std::nullopt;
    const double average = *mean(values);
    double sum = 0;
    for (double value : values)
        sum += (value - average) * (value - average);
    return sum / double(values.size() - 1);
}

TFigure CAssessmentStatistics::sampleStandardDeviation(const std::vector<double>& values)
{
    const TFigure variance = sampleVariance(values);
    if (!variance)
        return std::nullopt;
    return std::sqrt(*variance);
}

TFigure CAssessmentStatistics::pearson(const std::vector<double>& x, const std::vector<double>& y)
{
    if (x.size() != y.size() || x.size() < 2)
        return std::nullopt;
    const double meanX = *mean(x);
    const double meanY = *mean(y);
    double covariance = 0;
    double varianceX = 0;
    double varianceY = 0;
    for (size_t i = 0; i < x.size(); ++i)
    {
        covariance += (x[i] - meanX) * (y[i] - meanY);
        varianceX += (x[i] - meanX) * (x[i] - meanX);
        varianceY += (y[i] - meanY) * (y[i] - meanY);
    }
    // No spread on either side: the correlation is not defined.
    if (varianceX <= 0 || varianceY <= 0)
        return std::nullopt;
    return std::clamp(covariance / std::sqrt(varianceX * varianceY), -1.0, 1.0);
}

std::string CAssessmentStatistics::format(const TFigure& figure, int decimals)
{
    if (!figure)
        return "\xE2\x80\x93";
    std::ostringstream text;
    text.imbue(std::locale::classic());
    // No "-0.00" for a figure that rounds to zero.
    const double shown = std::abs(*figure) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : *figure;
    text << std::fixed << std::setprecision(decimals) << shown;
    return text.str();
}

std::string CAssessmentStatistics::formatForFile(const TFigure& figure)
{
    return figure ? format(figure, 4) : std::string();
}
