#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "external/data/QuestionData.h"
#include "interchange/BankItem.h"

/// The mapping between a bank's questions and ours, the same for every format:
/// one-answer items become single-answer questions (true/false when their two
/// answers are True and False), several-answer items several-answer questions
/// with every answer of positive weight right; general feedback becomes the
/// reference text. An item with no answer, more than ten, or none right is
/// refused. And the way back: the weights our questions are written with.
class EVALON_INTERCHANGE_EXPORT CItemMapper
{
public:
    /// Fills `question` from `item` and lists in `changes` what the mapping
    /// altered (besides the reader's own changes, which are appended). False
    /// and `why` when the item is refused; `question` is then untouched.
    static bool toQuestion(const CBankItem& item, CQuestionData* question, wxArrayString* changes,
                           wxString* why);

    /// A true/false question as the formats that know the kind write it: the
    /// category, and the two answers True and False.
    static bool isTrueFalse(const CQuestionData& question);
    /// Whether any answer is right.
    static bool hasCorrectAnswer(const CQuestionData& question);
    /// The weight in percent an answer is written with: a single-answer
    /// question 100 for the right answer and 0 for the others; a several-answer
    /// one an equal share of 100 for each right answer and -100 for each wrong
    /// one, so that ticking a wrong answer costs the whole question.
    static double exportWeight(const CQuestionData& question, unsigned index);
    /// A weight as the formats write it: at most five decimals, no trailing zeros.
    static wxString weightText(double percent);
    /// Reads a weight ("50", "33.33333", "-100", "12,5"); false when it is not a number.
    static bool parseWeight(const wxString& text, double* percent);
    /// "A" for 0 ... "Z" for 25.
    static wxString letter(unsigned index);
    /// Whether two answers read "True" and "False", in either order and case.
    static bool areTrueFalse(const wxString& first, const wxString& second);
};
