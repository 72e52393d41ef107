#pragma once

#include "results/Attempt.h"
#include "results/EvalonResultsExport.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CAssessmentMgr;

/// A figure that some data sets leave undefined (one attempt, no variance):
/// empty then, never NaN.
using TFigure = std::optional<double>;

/// The whole test, over the submitted attempts of one version of an
/// assessment. A question scores 1 when exactly its correct answers were
/// chosen, else 0; the test score is their sum. Scores in percent are
/// 100 x score / number of questions, not truncated.
struct EVALON_RESULTS_EXPORT STestStatistics
{
    unsigned m_attempts = 0;     ///< submitted attempts of this version
    unsigned m_questions = 0;    ///< questions of the assessment
    TFigure m_mean;              ///< percent
    TFigure m_median;            ///< percent
    TFigure m_standardDeviation; ///< percent, sample (n - 1)
    TFigure m_lowest;            ///< percent
    TFigure m_highest;           ///< percent
    TFigure m_cronbachAlpha;     ///< KR-20 for right/wrong questions
    TFigure m_standardError;     ///< of measurement, in questions (score points)
};

/// One question of the assessment as it is now, over the attempts that met
/// exactly this question (its fingerprint).
struct EVALON_RESULTS_EXPORT SQuestionStatistics
{
    /// What the figures say about the question; several may hold.
    enum eFlag
    {
        eTooEasy = 1,                ///< facility above 0.9
        eTooHard = 2,                ///< facility below 0.2
        eLowDiscrimination = 4,      ///< discrimination from 0 to below 0.2
        eNegativeDiscrimination = 8, ///< discrimination below 0
        eKeyMayBeWrong = 16          ///< negative, and the top third prefer a wrong answer
    };

    unsigned m_position = 0; ///< 0 for the first question
    std::string m_questionFile;
    std::string m_questionText;
    std::string m_fingerprint;
    unsigned m_numAnswers = 0;
    std::vector<unsigned> m_correct;      ///< the key, ascending
    unsigned m_attempts = 0;              ///< attempts that met this question
    TFigure m_facility;                   ///< share right, 0 to 1
    TFigure m_standardDeviation;          ///< of the question's score, sample
    TFigure m_discrimination;             ///< correlation with the rest of the test
    std::vector<unsigned> m_answerCounts; ///< how many chose each answer
    unsigned m_unanswered = 0;            ///< how many chose none
    unsigned m_flags = 0;                 ///< eFlag bits

    bool has(eFlag flag) const { return (m_flags & flag) != 0; }
    /// The flags as words separated by spaces ("too-hard key-may-be-wrong"),
    /// empty when none holds.
    std::string flagWords() const;
};

/// Item statistics of an assessment, computed from its attempts as a
/// teacher judges a test: facility, discrimination, distractors, internal
/// consistency.
class EVALON_RESULTS_EXPORT CAssessmentStatistics
{
public:
    /// Which attempts count.
    struct SOptions
    {
        /// Attempts of earlier versions of the assessment count for the
        /// questions that did not change since (same fingerprint); the test
        /// figures always come from this version's attempts.
        bool m_includeEarlierVersions = false;
    };

    /// The questions of `assessment` as they are now, described as an
    /// attempt nobody took: each question's file, fingerprint, text and key.
    static CAttempt blueprintOf(CAssessmentMgr& assessment);

    /// The statistics of the assessment `blueprint` describes over the
    /// submitted attempts among `attempts` (attempts in progress are left
    /// out, and so are attempts of other versions unless the options say).
    static CAssessmentStatistics compute(const CAttempt& blueprint, const std::vector<CAttempt>& attempts,
                                         const SOptions& options);
    static CAssessmentStatistics compute(const CAttempt& blueprint, const std::vector<CAttempt>& attempts)
    {
        return compute(blueprint, attempts, SOptions());
    }

    const STestStatistics& test() const { return m_test; }
    const std::vector<SQuestionStatistics>& questions() const { return m_questions; }
    /// What was left out and why, in sentences for the author ("No attempt
    /// has been submitted yet."); empty when every attempt counted.
    const std::vector<std::string>& notes() const { return m_notes; }
    /// How many submitted attempts count towards each plot of scores, in ten
    /// bins of percent: 0 to under 10, ..., 90 to 100.
    const std::vector<unsigned>& scoreHistogram() const { return m_histogram; }

    /// A figure for people: fixed with `decimals` places, "–" when undefined.
    static std::string format(const TFigure& figure, int decimals);
    /// A figure for files: a dot and at least four decimals, empty when
    /// undefined.
    static std::string formatForFile(const TFigure& figure);

    /// The sample statistics the figures are made of, each undefined where
    /// the data do not define it.
    ///@{
    static TFigure mean(const std::vector<double>& values);
    static TFigure median(std::vector<double> values);
    static TFigure sampleVariance(const std::vector<double>& values);
    static TFigure sampleStandardDeviation(const std::vector<double>& values);
    static TFigure pearson(const std::vector<double>& x, const std::vector<double>& y);
    ///@}

private:
    // An attempt that counts, with its test score; an attempt of an earlier
    // version also with its questions by fingerprint (this version's stand
    // at their positions).
    struct SCounted
    {
        const CAttempt* m_attempt;
        double m_total;
        bool m_current;
        std::unordered_map<std::string, const SQuestionResult*> m_byFingerprint;
    };

    void computeTest(const std::vector<const CAttempt*>& current, const std::vector<std::vector<double>>& scores);
    void computeQuestion(SQuestionStatistics& question, const std::vector<SCounted>& attempts);

    STestStatistics m_test;
    std::vector<SQuestionStatistics> m_questions;
    std::vector<std::string> m_notes;
    std::vector<unsigned> m_histogram;
};
