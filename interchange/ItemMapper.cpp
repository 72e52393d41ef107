#include "interchange/ItemMapper.h"

#include "external/data/XMLSerializer.h"

#include <wx/intl.h>

#include <algorithm>
#include <cmath>

namespace
{

const wxString kTrue = "True";
const wxString kFalse = "False";

bool near(double a, double b)
{
    return std::fabs(a - b) < 0.01;
}

// Whether the weights say no more than right and wrong do, so that mapping
// them loses nothing: one full-weight answer and zeros for one answer; equal
// shares for the right answers and zero or the whole score off for the wrong
// ones for several.
bool weightsArePlain(const CBankItem& item, bool multiple)
{
    double share = -1;
    for (const CBankItem::SAnswer& answer : item.m_answers)
    {
        const double weight = answer.m_weight;
        if (weight > 0)
        {
            if ((!multiple && !near(weight, 100)) || (share >= 0 && !near(weight, share)))
            {
                return false;
            }
            share = weight;
        }
        else if (!near(weight, 0) && !(multiple && near(weight, -100)))
        {
            return false;
        }
    }
    return true;
}

// "A", "A and C", "A, B and D".
wxString letters(const std::vector<unsigned>& indexes)
{
    wxString text;
    for (size_t at = 0; at + 1 < indexes.size(); ++at)
    {
        text += (at == 0 ? "" : ", ") + CItemMapper::letter(indexes[at]);
    }
    const wxString last = indexes.empty() ? wxString() : CItemMapper::letter(indexes.back());
    // TRANSLATORS: the last two answer letters of a list, such as "A, B and D"
    return text.empty() ? last : wxString::Format(_("%s and %s"), text, last);
}

} // namespace

bool CItemMapper::toQuestion(const CBankItem& item, CQuestionData* question, wxArrayString* changes,
                             wxString* why)
{
    if (!item.m_refusal.empty())
    {
        *why = item.m_refusal;
        return false;
    }
    const size_t count = item.m_answers.size();
    if (count == 0)
    {
        *why = _("it has no answers");
        return false;
    }
    if (count > CQuestionData::kMaxAnswers)
    {
        *why = wxString::Format(wxPLURAL("it has %u answer; a question holds at most %u",
                                         "it has %u answers; a question holds at most %u",
                                         static_cast<unsigned>(count)),
                                static_cast<unsigned>(count), CQuestionData::kMaxAnswers);
        return false;
    }
    std::vector<unsigned> right;
    double best = 0;
    for (unsigned index = 0; index < count; ++index)
    {
        if (item.m_answers[index].m_weight > 0)
        {
            right.push_back(index);
            best = std::max(best, item.m_answers[index].m_weight);
        }
    }
    if (right.empty())
    {
        *why = _("it has no correct answer");
        return false;
    }

    wxArrayString found;
    std::vector<wxString> answers;
    for (const CBankItem::SAnswer& answer : item.m_answers)
    {
        answers.push_back(answer.m_text);
    }
    const int declared = item.m_declaredCategory;
    const bool multiple = declared == CQuestionData::eMultipleAnswers ||
                          (declared < 0 && item.m_cardinality == CBankItem::eMultiple);
    wxArrayInt correct;
    int category = CQuestionData::eMultipleAnswers;
    if (multiple)
    {
        correct.assign(right.begin(), right.end());
    }
    else
    {
        // Where only one answer may be chosen, several answers of the best
        // weight would each be right in the bank: no one key holds that.
        std::vector<unsigned> bestOnes;
        std::copy_if(right.begin(), right.end(), std::back_inserter(bestOnes),
                     [&](unsigned i) { return near(item.m_answers[i].m_weight, best); });
        if (bestOnes.size() > 1)
        {
            *why = wxString::Format(
                best >= 100 || near(best, 100)
                    ? _("answers %s are each fully right, but only one answer may be chosen: "
                        "a one-answer question cannot hold that key")
                    : _("answers %s are each equally right, but only one answer may be chosen: "
                        "a one-answer question cannot hold that key"),
                letters(bestOnes));
            return false;
        }
        const unsigned chosen = bestOnes.front();
        correct.Add(static_cast<int>(chosen));
        if (right.size() > 1)
        {
            std::vector<unsigned> others;
            std::copy_if(right.begin(), right.end(), std::back_inserter(others),
                         [chosen](unsigned i) { return i != chosen; });
            found.Add(wxString::Format(_("one answer only can be right: answer %s is kept as right, %s not"),
                                       letter(chosen), letters(others)));
        }
        category = CQuestionData::eSingleAnswer;
        if (count == 2 && areTrueFalse(answers[0], answers[1]) && declared != CQuestionData::eSingleAnswer)
        {
            category = CQuestionData::eTrueFalse;
            if (answers[0].CmpNoCase(kTrue) != 0)
            {
                correct[0] = 1 - correct[0];
                found.Add(_("answers put in the order True, False"));
            }
            answers = {kTrue, kFalse};
        }
        else if (declared == CQuestionData::eTrueFalse)
        {
            found.Add(_("the answers are not True and False: taken as a single-answer question"));
        }
    }
    if (right.size() == 1 || multiple)
    {
        if (!weightsArePlain(item, multiple))
        {
            found.Add(_("weights mapped: an answer with a positive weight is right, any other wrong"));
        }
    }

    // A question file cannot hold every character a bank can: what it would
    // leave out on saving is left out now, and said.
    bool leftOut = false;
    const auto storable = [&leftOut](const wxString& text)
    {
        const wxString kept = CXMLSerializer::storableText(text);
        leftOut = leftOut || kept.length() != text.length();
        return kept;
    };
    CQuestionData mapped;
    mapped.setQuestion(storable(item.m_text));
    mapped.setReferenceText(storable(item.m_feedback));
    mapped.setNumAnswers(static_cast<int>(count));
    for (unsigned index = 0; index < count; ++index)
    {
        mapped.setAnswer(index, storable(answers[index]));
    }
    if (leftOut)
    {
        found.Add(_("control characters left out (a question file cannot hold them)"));
    }
    mapped.setCategoryType(category);
    mapped.setCorrectAnswerIndexes(&correct);
    *question = mapped;
    WX_APPEND_ARRAY(*changes, item.m_changes);
    WX_APPEND_ARRAY(*changes, found);
    return true;
}

bool CItemMapper::isTrueFalse(const CQuestionData& question)
{
    return question.getCategoryType() == CQuestionData::eTrueFalse && question.getNumAnswers() == 2 &&
           question.getAnswer(0) == kTrue && question.getAnswer(1) == kFalse;
}

bool CItemMapper::hasCorrectAnswer(const CQuestionData& question)
{
    wxArrayInt correct;
    question.getCorrectAnswerIndexes(&correct);
    return std::any_of(correct.begin(), correct.end(),
                       [&](int index) { return static_cast<unsigned>(index) < question.getNumAnswers(); });
}

double CItemMapper::exportWeight(const CQuestionData& question, unsigned index)
{
    wxArrayInt correct;
    question.getCorrectAnswerIndexes(&correct);
    const bool right = correct.Index(static_cast<int>(index)) != wxNOT_FOUND;
    if (question.getCategoryType() != CQuestionData::eMultipleAnswers)
    {
        return right ? 100 : 0;
    }
    const auto rightCount =
        std::count_if(correct.begin(), correct.end(),
                      [&](int i) { return static_cast<unsigned>(i) < question.getNumAnswers(); });
    return right ? 100.0 / static_cast<double>(rightCount) : -100;
}

wxString CItemMapper::weightText(double percent)
{
    wxString text = wxString::FromCDouble(percent, 5);
    if (text.Contains("."))
    {
        while (text.EndsWith("0"))
        {
            text.RemoveLast();
        }
        if (text.EndsWith("."))
        {
            text.RemoveLast();
        }
    }
    return text == "-0" ? wxString("0") : text;
}

bool CItemMapper::parseWeight(const wxString& text, double* percent)
{
    wxString number = text;
    number.Trim(true).Trim(false).Replace(",", ".");
    return !number.empty() && number.ToCDouble(percent) && std::isfinite(*percent);
}

wxString CItemMapper::letter(unsigned index)
{
    return wxString(wxUniChar('A' + index));
}

bool CItemMapper::areTrueFalse(const wxString& first, const wxString& second)
{
    const wxString a = wxString(first).Trim(true).Trim(false);
    const wxString b = wxString(second).Trim(true).Trim(false);
    return (a.CmpNoCase(kTrue) == 0 && b.CmpNoCase(kFalse) == 0) ||
           (a.CmpNoCase(kFalse) == 0 && b.CmpNoCase(kTrue) == 0);
}
