#pragma once

#include "results/AssessmentStatistics.h"
#include "results/Attempt.h"
#include "results/EvalonResultsExport.h"

#include <optional>
#include <string>
#include <vector>

/// The statistics of an assessment written out: CSV for a spreadsheet, JSON
/// for scripts, and an HTML report that stands alone and prints well.
class EVALON_RESULTS_EXPORT CStatisticsReport
{
public:
    /// The CSV's header row.
    static const char kCsvHeader[];

    /// One row per question (CRLF line ends): its position from 1, its text,
    /// how many attempts met it, its figures with a dot and four decimals
    /// (empty where undefined) and its flags as words.
    static std::string csv(const CAssessmentStatistics& statistics);
    /// The test's figures as one JSON object, null where undefined.
    static std::string json(const CAssessmentStatistics& statistics);
    /// The whole report: the test's figures, what was left out, the plots
    /// as inline SVG, the questions and the attempts. `title` names the
    /// assessment. With a pass mark, the test's figures say how many
    /// submitted attempts passed, and each attempt whether it did.
    static std::string html(const CAssessmentStatistics& statistics, const std::vector<CAttempt>& attempts,
                            const std::string& title, const std::optional<unsigned>& passMark = std::nullopt);

    /// Writes the report `path`'s extension chooses (.html/.htm, .csv or
    /// .json) through a temporary file renamed into place. False, with the
    /// reason naming the file, for another extension or when it cannot be
    /// written.
    static bool write(const CAssessmentStatistics& statistics, const std::vector<CAttempt>& attempts,
                      const std::string& title, const std::string& path, std::string* error,
                      const std::optional<unsigned>& passMark = std::nullopt);
    /// "12 of 15 submitted attempts passed (pass mark 60%)."
    static std::string passedText(const std::vector<CAttempt>& attempts, unsigned passMark);

    /// The flags for people, each a symbol and words ("⚠ key may be wrong");
    /// empty when none holds.
    static std::string flagText(const SQuestionStatistics& question);
    /// How many chose each answer: "A 3 · B ✓ 12 · C 1 · none 0".
    static std::string answerCountText(const SQuestionStatistics& question);
    /// Seconds from an attempt's start to its submission; -1 when either
    /// time is missing or not understood.
    static long long durationSeconds(const CAttempt& attempt);
    /// "1 h 02 min", "12 min 05 s", "40 s"; "–" for an unknown duration.
    static std::string durationText(long long seconds);
};
