#include "app/DeliveryOrder.h"

#include "external/data/AssessmentMgr.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace
{

// A uniform number below `bound` (not 0): the draws of the top, incomplete
// stretch are rejected, so that no result is more likely than another.
unsigned below(std::mt19937_64& random, unsigned bound)
{
    const std::uint64_t limit = std::mt19937_64::max() - std::mt19937_64::max() % bound;
    std::uint64_t draw = random();
    while (draw >= limit)
        draw = random();
    return unsigned(draw % bound);
}

void shuffle(std::vector<unsigned>& values, std::mt19937_64& random)
{
    for (size_t i = values.size(); i > 1; --i)
        std::swap(values[i - 1], values[below(random, unsigned(i))]);
}

// The answers not pinned trade places among the slots not pinned.
void shuffleUnpinned(std::vector<unsigned>& slots, unsigned pinned, std::mt19937_64& random)
{
    std::vector<unsigned> free;
    for (unsigned slot = 0; slot < slots.size(); ++slot)
        if (!((pinned >> slot) & 1u))
            free.push_back(slot);
    std::vector<unsigned> moved = free;
    shuffle(moved, random);
    for (size_t i = 0; i < free.size(); ++i)
        slots[free[i]] = moved[i];
}

std::vector<unsigned> inverse(const std::vector<unsigned>& order)
{
    std::vector<unsigned> back(order.size());
    for (unsigned i = 0; i < order.size(); ++i)
        back[order[i]] = i;
    return back;
}

std::vector<unsigned> inOrder(unsigned count)
{
    std::vector<unsigned> values(count);
    std::iota(values.begin(), values.end(), 0u);
    return values;
}

wxArrayInt mapped(const wxArrayInt& from, const std::vector<unsigned>& to)
{
    std::vector<int> result;
    for (int index : from)
        if (index >= 0 && unsigned(index) < to.size())
            result.push_back(int(to[unsigned(index)]));
    std::sort(result.begin(), result.end());
    wxArrayInt array;
    for (int index : result)
        array.Add(index);
    return array;
}

} // namespace

CDeliveryOrder CDeliveryOrder::identity(const std::vector<SShape>& shapes)
{
    return shuffled(shapes, false, false, 0);
}

CDeliveryOrder CDeliveryOrder::shuffled(const std::vector<SShape>& shapes, bool questions, bool answers,
                                        std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    CDeliveryOrder order;
    order.m_entries = inOrder(unsigned(shapes.size()));
    if (questions)
        shuffle(order.m_entries, random);
    for (const SShape& shape : shapes)
    {
        std::vector<unsigned> slots = inOrder(shape.numAnswers);
        if (answers && shape.answersMayMove)
            shuffleUnpinned(slots, shape.pinned, random);
        order.m_shownSlots.push_back(inverse(slots));
        order.m_authorAnswers.push_back(std::move(slots));
    }
    return order;
}

CDeliveryOrder CDeliveryOrder::forAssessment(CAssessmentMgr& assessment, std::uint64_t seed)
{
    std::vector<SShape> shapes;
    for (unsigned i = 0; i < assessment.getCount(); ++i)
    {
        const CQuestionData* question =
            assessment.getQuestionDataMgr()->getQuestionDataForID(assessment.getDataAtIndex(i)->m_questionID);
        SShape shape;
        if (question)
        {
            shape.numAnswers = question->getNumAnswers();
            shape.answersMayMove = question->getCategoryType() != CQuestionData::eTrueFalse;
            for (unsigned answer = 0; answer < CQuestionData::kMaxAnswers; ++answer)
                if (question->isAnswerPinned(answer))
                    shape.pinned |= 1u << answer;
        }
        shapes.push_back(shape);
    }
    const CDeliveryOptions& options = *assessment.getDeliveryOptions();
    return shuffled(shapes, options.getShuffleQuestions(), options.getShuffleAnswers(), seed);
}

std::uint64_t CDeliveryOrder::seedOf(const std::string& attemptID)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : attemptID)
    {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

wxArrayInt CDeliveryOrder::toAuthor(unsigned entry, const wxArrayInt& shown) const
{
    return mapped(shown, m_authorAnswers.at(entry));
}

wxArrayInt CDeliveryOrder::toShown(unsigned entry, const wxArrayInt& author) const
{
    return mapped(author, m_shownSlots.at(entry));
}

CQuestionData CDeliveryOrder::shownQuestion(unsigned entry, const CQuestionData& question) const
{
    CQuestionData shown = question;
    const std::vector<unsigned>& authorAnswers = m_authorAnswers.at(entry);
    for (unsigned slot = 0; slot < authorAnswers.size(); ++slot)
        shown.setAnswer(slot, question.getAnswer(authorAnswers[slot]));
    wxArrayInt correct;
    question.getCorrectAnswerIndexes(&correct);
    wxArrayInt correctShown = toShown(entry, correct);
    shown.setCorrectAnswerIndexes(&correctShown);
    return shown;
}
