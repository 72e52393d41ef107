#include "external/data/QuestionData.h"

#include <algorithm>
#include <wx/translation.h>

// Definitions for the in-class constants, so they can be bound to references.
const unsigned CQuestionData::kNumCategoryTypes;
const unsigned CQuestionData::kMaxAnswers;

CQuestionData::CQuestionData() = default;

wxString CQuestionData::getAnswer(unsigned index) const
{
    if (index >= kMaxAnswers)
    {
        return wxString();
    }
    return m_answers[index];
}

void CQuestionData::getCorrectAnswerIndexes(wxArrayInt* indexes) const
{
    if (indexes == nullptr)
    {
        return;
    }
    indexes->Clear();
    for (int index : m_correctAnswerIndexes)
    {
        indexes->Add(index);
    }
}

void CQuestionData::setAnswer(unsigned index, const wxString& text)
{
    if (index < kMaxAnswers)
    {
        m_answers[index] = text;
    }
}

void CQuestionData::setNumAnswers(int count)
{
    m_numAnswers = static_cast<unsigned>(std::clamp(count, 0, static_cast<int>(kMaxAnswers)));
}

bool CQuestionData::setCategoryType(int category)
{
    if (!isValidCategory(category))
    {
        return false;
    }
    m_categoryType = static_cast<eCategoryType>(category);
    return true;
}

void CQuestionData::setCorrectAnswerIndexes(const wxArrayInt* indexes)
{
    m_correctAnswerIndexes.Clear();
    if (indexes == nullptr)
    {
        return;
    }
    // A set of flags keeps the result ascending and free of repeats whatever
    // order the caller used.
    bool correct[kMaxAnswers] = {};
    for (int index : *indexes)
    {
        if (index >= 0 && index < static_cast<int>(kMaxAnswers))
        {
            correct[index] = true;
        }
    }
    for (unsigned index = 0; index < kMaxAnswers; ++index)
    {
        if (correct[index])
        {
            m_correctAnswerIndexes.Add(static_cast<int>(index));
        }
    }
}

wxArrayString CQuestionData::getCategoryTypeLabelArray() const
{
    wxArrayString labels = categoryTypeLabels();
    for (wxString& label : labels)
        label = wxGetTranslation(label);
    return labels;
}

wxArrayString CQuestionData::categoryTypeLabels()
{
    wxArrayString labels;
    labels.Add(wxTRANSLATE("True/False"));
    labels.Add(wxTRANSLATE("Single Answer"));
    labels.Add(wxTRANSLATE("Multiple Answers"));
    return labels;
}

bool CQuestionData::isValidCategory(int category)
{
    return category >= 0 && category < static_cast<int>(kNumCategoryTypes);
}

bool CQuestionData::operator==(const CQuestionData& other) const
{
    return m_question == other.m_question && m_referenceText == other.m_referenceText &&
           m_fileNameReference == other.m_fileNameReference &&
           std::equal(std::begin(m_answers), std::end(m_answers), std::begin(other.m_answers)) &&
           m_numAnswers == other.m_numAnswers && m_categoryType == other.m_categoryType &&
           m_correctAnswerIndexes == other.m_correctAnswerIndexes && m_pinned == other.m_pinned;
}

void CQuestionData::setAnswerPinned(unsigned index, bool pinned)
{
    if (index >= kMaxAnswers)
        return;
    if (pinned)
        m_pinned |= 1u << index;
    else
        m_pinned &= ~(1u << index);
}

wxString CQuestionData::textAndAnswersKey() const
{
    // The unit separator cannot be typed into a text, so keys of different
    // splits never meet.
    wxString key = wxString(m_question).Strip(wxString::both);
    for (unsigned i = 0; i < m_numAnswers; ++i)
        key << '\x1f' << wxString(m_answers[i]).Strip(wxString::both);
    return key;
}
