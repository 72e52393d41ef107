#pragma once

#include "external/data/QuestionData.h"

#include <wx/dynarray.h>

#include <cstdint>
#include <string>
#include <vector>

class CAssessmentMgr;

// The order in which one attempt shows an assessment: which entry each page
// shows and, per entry, which of the author's answers each answer slot
// shows. It follows from a seed alone, so an attempt that keeps its seed (or
// what the seed is made from, its identifier) can always be shown, and
// mapped back, the same way. Answers cross this class's interface in the
// author's order or in the order shown, never mixed: the taking, the results
// store, the review and the statistics keep the author's order.
class CDeliveryOrder
{
public:
    // What shuffling needs to know of each entry.
    struct SShape
    {
        unsigned numAnswers = 0;
        bool answersMayMove = true; // false for true/false questions
        unsigned pinned = 0;        // bit i: answer i keeps its place
    };

    // No entries; see identity() and shuffled().
    CDeliveryOrder() = default;
    // Every entry and answer where the author put it.
    static CDeliveryOrder identity(const std::vector<SShape>& shapes);
    // The entries shuffled when `questions`, the answers of each entry that
    // may move when `answers` (its pinned answers staying where they are); uniformly (Fisher-Yates on a Mersenne Twister,
    // which the standard specifies bit for bit, so every platform gives the
    // same order for a seed).
    static CDeliveryOrder shuffled(const std::vector<SShape>& shapes, bool questions, bool answers,
                                   std::uint64_t seed);
    // The assessment's entries shaped and shuffled as its delivery options say.
    static CDeliveryOrder forAssessment(CAssessmentMgr& assessment, std::uint64_t seed);
    // A seed made from an attempt's identifier (FNV-1a): the identifier is
    // stored with the attempt, so the order it saw is recorded too.
    static std::uint64_t seedOf(const std::string& attemptID);

    unsigned getNumEntries() const { return unsigned(m_entries.size()); }
    // The entry (index in the assessment) shown at page `position`.
    unsigned entryAt(unsigned position) const { return m_entries.at(position); }
    // The author's index of the answer shown in `slot` of `entry`, and back.
    unsigned authorAnswer(unsigned entry, unsigned slot) const { return m_authorAnswers.at(entry).at(slot); }
    unsigned shownSlot(unsigned entry, unsigned author) const { return m_shownSlots.at(entry).at(author); }
    // Sets of answers mapped either way, ascending; indexes beyond the
    // entry's answers are dropped.
    wxArrayInt toAuthor(unsigned entry, const wxArrayInt& shown) const;
    wxArrayInt toShown(unsigned entry, const wxArrayInt& author) const;
    // `question` (the entry's) as shown: its answers and correct answers in
    // the slots they are shown in.
    CQuestionData shownQuestion(unsigned entry, const CQuestionData& question) const;

private:
    std::vector<unsigned> m_entries;                    // by position
    std::vector<std::vector<unsigned>> m_authorAnswers; // by entry, then slot
    std::vector<std::vector<unsigned>> m_shownSlots;    // by entry, then author's index
};
