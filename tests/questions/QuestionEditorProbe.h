#pragma once

// Reaches the controls of a question editor (the panel, or a dialog hosting it)
// by their identifiers, and reads their state the way a user sees it.

#include "tests/support/WxTest.h"

#include "external/data/QuestionData.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

class CQuestionEditorProbe
{
public:
    explicit CQuestionEditorProbe(wxWindow* editor) : m_editor(editor) {}

    // The question text and the reference text share identifier 0, in that order.
    wxTextCtrl* questionText() const { return evtest::findControls<wxTextCtrl>(m_editor, 0).at(0); }
    wxTextCtrl* referenceText() const { return evtest::findControls<wxTextCtrl>(m_editor, 0).at(1); }
    wxChoice* categoryChoice() const { return evtest::findControl<wxChoice>(m_editor, 1); }
    wxChoice* countChoice() const { return evtest::findControl<wxChoice>(m_editor, 2); }
    wxCheckBox* checkBox(int i) const { return evtest::findControl<wxCheckBox>(m_editor, 3 + i); }
    wxTextCtrl* answerText(int i) const { return evtest::findControl<wxTextCtrl>(m_editor, 13 + i); }

    wxString shownCount() const { return countChoice()->GetStringSelection(); }
    // The count shown ("fixed" when it cannot be changed), checks() and enabledPairs().
    std::string pairs() const
    {
        return shownCount().utf8_string() + (countChoice()->IsEnabled() ? " " : " fixed ") + checks() + " " +
               enabledPairs();
    }
    void selectCount(unsigned count) const { evtest::selectChoice(countChoice(), int(count) - 2); }

    // One character per pair: 'x' checked, '.' not.
    std::string checks() const
    {
        std::string result;
        for (int i = 0; i < 10; ++i)
            result += checkBox(i)->GetValue() ? 'x' : '.';
        return result;
    }
    // One character per pair: '1' when both its controls are enabled, '0' when
    // both are disabled, '?' when they disagree.
    std::string enabledPairs() const
    {
        std::string result;
        for (int i = 0; i < 10; ++i)
        {
            const bool box = checkBox(i)->IsEnabled(), text = answerText(i)->IsEnabled();
            result += box != text ? '?' : box ? '1' : '0';
        }
        return result;
    }

private:
    wxWindow* m_editor;
};

inline void setCorrect(CQuestionData& question, std::initializer_list<int> indexes)
{
    wxArrayInt correct;
    for (int index : indexes)
        correct.Add(index);
    question.setCorrectAnswerIndexes(&correct);
}

// A multiple-answer question with four answers, texts in all ten slots,
// correct answers 1, 3 and 7 (7 beyond the count) and untrimmed texts.
inline CQuestionData sampleQuestion()
{
    CQuestionData question;
    question.setQuestion("  Which numbers are odd?  ");
    question.setCategoryType(CQuestionData::eMultipleAnswers);
    question.setNumAnswers(4);
    for (unsigned i = 0; i < 10; ++i)
        question.setAnswer(i, wxString::Format("answer %u ", i));
    setCorrect(question, {7, 1, 3});
    question.setReferenceText("Chapter 2\n\tOdd and even\n");
    return question;
}
