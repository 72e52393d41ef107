#pragma once

#include "results/EvalonResultsExport.h"

#include <string>
#include <vector>

class CAssessmentMgr;

/// One question of an attempt as the taker met it, with what they chose.
/// Texts are UTF-8.
struct EVALON_RESULTS_EXPORT SQuestionResult
{
    unsigned m_position = 0;           ///< 0 for the assessment's first question
    std::string m_questionFile;        ///< the question file the entry named
    std::string m_fingerprint;         ///< CFingerprint::ofQuestion() when it was taken
    std::string m_questionText;        ///< the question as shown, kept for reports
    unsigned m_numAnswers = 0;         ///< how many answers were offered
    std::vector<unsigned> m_chosen;    ///< the answers checked, ascending
    std::vector<unsigned> m_correct;   ///< the correct answers, ascending
    bool m_right = false;              ///< exactly the correct answers checked

    /// Equal in every field.
    bool operator==(const SQuestionResult& other) const;
};

/// One taker's attempt at one assessment: kept while in progress, after every
/// page change, and once more when submitted. The UUID identifies it in every
/// store, so sending it twice never makes two attempts.
class EVALON_RESULTS_EXPORT CAttempt
{
public:
    /// Where the attempt stands.
    enum eStatus
    {
        eInProgress = 0, ///< answers so far; the taker may come back to it
        eSubmitted = 1   ///< final
    };

    /// An empty attempt with no id; begin() makes a real one.
    CAttempt() = default;

    /// A new attempt in progress at `assessment` (read from `assessmentFile`)
    /// by `taker` on this machine, started now, with one unanswered
    /// question per entry. An entry naming no question counts as a question
    /// with no answers, never right, as the review page counts it.
    static CAttempt begin(CAssessmentMgr& assessment, const std::string& assessmentFile,
                          const std::string& taker);

    /// Sets the answers of the question at `position` (indexes kept in
    /// range, sorted, each once), scores the attempt again and counts one
    /// more revision. False for a position outside the attempt.
    bool setAnswers(unsigned position, std::vector<unsigned> chosen);
    /// The page the taker is on, for resuming (0 for the first question).
    void setCurrentPage(unsigned page);
    /// Marks the attempt submitted now; false (no change) when it already is.
    bool submit();

    /// The score in percent, truncated, and the number of questions to
    /// review, as the review page shows them for `numMissed` of `numQuestions`.
    static unsigned scorePercent(unsigned numMissed, unsigned numQuestions);
    /// Whether the attempt is submitted with a score of at least `passMark`
    /// percent (the score as the review page shows it).
    bool passed(unsigned passMark) const { return m_status == eSubmitted && m_score >= passMark; }

    /// The fields, as stored. Times are UTC in ISO 8601 (2026-12-07T02:03:04Z);
    /// the submit time is empty while in progress. The revision counts the
    /// changes made to the attempt: a store keeps the highest it was sent.
    ///@{
    std::string m_id;
    std::string m_assessmentFile;
    std::string m_assessmentFingerprint;
    std::string m_taker;
    std::string m_machine;
    std::string m_startedAt;
    std::string m_savedAt;
    std::string m_submittedAt;
    eStatus m_status = eInProgress;
    unsigned m_currentPage = 0;
    unsigned m_revision = 0;
    unsigned m_score = 0;
    unsigned m_numToReview = 0;
    std::vector<SQuestionResult> m_questions;
    ///@}

    /// Equal in every field.
    bool operator==(const CAttempt& other) const;
    bool operator!=(const CAttempt& other) const { return !(*this == other); }

    /// A fresh random UUID in its lower-case text form.
    static std::string newId();
    /// The current time, UTC, in ISO 8601 to the second.
    static std::string utcNow();
    /// Reads a time utcNow() wrote, as seconds since 1970 (UTC); false for
    /// any other text.
    static bool parseUtc(const std::string& text, long long* seconds);
    /// The name of this machine.
    static std::string machineName();

private:
    void rescore();
    void touch();
};
