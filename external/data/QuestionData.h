#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/arrstr.h>
#include <wx/dynarray.h>
#include <wx/string.h>

/// One multiple-choice question: its text, category, up to ten answers, the
/// indexes of the correct answers, a free reference text and the name of the
/// question file it is stored in. Every setter keeps the object within the
/// model's limits, so any CQuestionData is a question the UI can show.
class EVALON_DATA_EXPORT CQuestionData
{
public:
    /// Order matches getCategoryTypeLabelArray().
    enum eCategoryType
    {
        eTrueFalse = 0,      ///< exactly two answers, "True" and "False"; one correct answer
        eSingleAnswer = 1,   ///< one correct answer
        eMultipleAnswers = 2 ///< any number of correct answers
    };

    /// The number of categories (eCategoryType values).
    static const unsigned kNumCategoryTypes = 3;
    /// The most answers a question has; answer indexes run from 0 to 9.
    static const unsigned kMaxAnswers = 10;

    /// An empty question: no text, no answers, eSingleAnswer.
    CQuestionData();

    /// The texts: the question the test taker reads, a free reference text
    /// for the author (a source, an explanation), and the question file the
    /// question is stored in (empty until it has one).
    ///@{
    wxString getQuestion() const { return m_question; }
    wxString getReferenceText() const { return m_referenceText; }
    wxString getFileNameReference() const { return m_fileNameReference; }
    ///@}
    /// Any index answers; indexes outside 0 to 9 give an empty text.
    wxString getAnswer(unsigned index) const;
    /// How many answers, from index 0 on, the test taker is shown (0 to 10).
    unsigned getNumAnswers() const { return m_numAnswers; }
    /// The category, which decides how many answers may be correct.
    eCategoryType getCategoryType() const { return m_categoryType; }
    /// Empties `indexes`, then appends the correct answers in ascending order.
    void getCorrectAnswerIndexes(wxArrayInt* indexes) const;

    /// Set the texts, stored as given.
    ///@{
    void setQuestion(const wxString& text) { m_question = text; }
    void setReferenceText(const wxString& text) { m_referenceText = text; }
    void setFileNameReference(const wxString& path) { m_fileNameReference = path; }
    ///@}
    /// Ignored for indexes outside 0 to 9.
    void setAnswer(unsigned index, const wxString& text);
    /// Clamped to 0 to 10; the texts of answers beyond the count are kept.
    void setNumAnswers(int count);
    /// A value with no label is ignored; returns whether it was taken.
    bool setCategoryType(int category);
    /// Keeps the indexes within 0 to 9, sorted ascending, each once. Null clears.
    void setCorrectAnswerIndexes(const wxArrayInt* indexes);

    /// Answers that keep their place when a delivery shuffles the others
    /// ("None of these" last); indexes outside 0 to 9 are not pinned.
    ///@{
    bool isAnswerPinned(unsigned index) const { return index < kMaxAnswers && (m_pinned >> index) & 1u; }
    void setAnswerPinned(unsigned index, bool pinned);
    ///@}

    /// One label per category, in category order, for the author to choose
    /// from, in the user's language.
    wxArrayString getCategoryTypeLabelArray() const;
    /// The same labels in English, as files that name categories write them.
    static wxArrayString categoryTypeLabels();
    /// Whether `category` is an eCategoryType value.
    static bool isValidCategory(int category);

    /// What makes two questions the same for a test taker: the question's
    /// text and the answers shown, each without surrounding blanks.
    wxString textAndAnswersKey() const;

    /// Equal when every text, answer, count, category, correct and pinned
    /// answer is.
    ///@{
    bool operator==(const CQuestionData& other) const;
    bool operator!=(const CQuestionData& other) const { return !(*this == other); }
    ///@}

private:
    wxString m_question;
    wxString m_referenceText;
    wxString m_fileNameReference;
    wxString m_answers[kMaxAnswers];
    unsigned m_numAnswers = 0;
    eCategoryType m_categoryType = eSingleAnswer;
    wxArrayInt m_correctAnswerIndexes;
    unsigned m_pinned = 0; // bit i: answer i is pinned
};
