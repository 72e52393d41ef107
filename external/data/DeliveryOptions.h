#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

#include <optional>

/// How an assessment is delivered to its takers: whether the questions and
/// their answers come in an order of their own for each attempt, a time
/// limit, how many attempts a taker may make and the mark that passes. A
/// default-constructed object has every option off, as an assessment file
/// without delivery options reads.
class EVALON_DATA_EXPORT CDeliveryOptions
{
public:
    static const unsigned kMaxTimeLimitMinutes = 1440;
    static const unsigned kMaxAttempts = 1000;
    static const unsigned kMaxPassMark = 100;

    bool getShuffleQuestions() const { return m_shuffleQuestions; }
    void setShuffleQuestions(bool shuffle) { m_shuffleQuestions = shuffle; }
    /// True/false questions keep their order whatever this says.
    bool getShuffleAnswers() const { return m_shuffleAnswers; }
    void setShuffleAnswers(bool shuffle) { m_shuffleAnswers = shuffle; }

    /// Minutes from 1 to kMaxTimeLimitMinutes; 0 for no time limit.
    unsigned getTimeLimitMinutes() const { return m_timeLimitMinutes; }
    void setTimeLimitMinutes(unsigned minutes) { m_timeLimitMinutes = minutes; }
    /// Attempts per taker from 1 to kMaxAttempts; 0 for as many as they like.
    unsigned getAttemptsAllowed() const { return m_attemptsAllowed; }
    void setAttemptsAllowed(unsigned attempts) { m_attemptsAllowed = attempts; }
    /// The percentage that passes, 0 to 100, when there is one.
    bool hasPassMark() const { return m_hasPassMark; }
    unsigned getPassMark() const { return m_passMark; }
    void setPassMark(unsigned percent)
    {
        m_hasPassMark = true;
        m_passMark = percent;
    }
    /// The pass mark, or none.
    std::optional<unsigned> passMark() const
    {
        return m_hasPassMark ? std::optional<unsigned>(m_passMark) : std::nullopt;
    }
    void clearPassMark()
    {
        m_hasPassMark = false;
        m_passMark = 0;
    }

    /// Whether every option is off.
    bool isDefault() const { return *this == CDeliveryOptions(); }
    /// The first value outside its range, named as the dialog names its
    /// field ("The time limit must be ..."); empty when all are within.
    wxString check() const;

    bool operator==(const CDeliveryOptions& other) const;
    bool operator!=(const CDeliveryOptions& other) const { return !(*this == other); }

private:
    bool m_shuffleQuestions = false;
    bool m_shuffleAnswers = false;
    unsigned m_timeLimitMinutes = 0;
    unsigned m_attemptsAllowed = 0;
    bool m_hasPassMark = false;
    unsigned m_passMark = 0;
};
