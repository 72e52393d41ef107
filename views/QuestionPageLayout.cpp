#include "views/QuestionPageLayout.h"

#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"

#include <algorithm>

namespace
{

wxSize sizeOf(const wxWindow* window)
{
    return window ? window->GetSize() : wxSize(0, 0);
}

void moveTo(wxWindow* window, int x, int y)
{
    // Size flags 0 keep the control's current size.
    window->SetSize(x, y, -1, -1, 0);
}

} // namespace

CQuestionPageLayout::CQuestionPageLayout(const CQuestionPageControls& controls, unsigned outsideMargin,
                                         unsigned interControlMargin)
    : m_controls(controls), m_outside(outsideMargin), m_inter(interControlMargin)
{
}

// The widths are unsigned on purpose: the client area is taken as large
// enough for the margins and the buttons.
unsigned CQuestionPageLayout::questionWidth(const wxSize& clientSize) const
{
    return unsigned(clientSize.x) - 2 * m_outside;
}

unsigned CQuestionPageLayout::answerWidth(const wxSize& clientSize) const
{
    // The answer texts share the width with an answer button on their left
    // and the navigation column on their right.
    const unsigned answerButtonWidth = unsigned(sizeOf(m_controls.answerButton(0)).x);
    const unsigned previousWidth = unsigned(sizeOf(m_controls.previousButton()).x);
    return unsigned(clientSize.x) - answerButtonWidth - previousWidth - 2 * m_outside - 2 * m_inter;
}

wxPoint CQuestionPageLayout::topLeftNavigationButtons(const wxSize& clientSize) const
{
    const wxSize previous = sizeOf(m_controls.previousButton());
    const wxSize next = sizeOf(m_controls.nextButton());
    const wxSize submit = sizeOf(m_controls.submitButton());
    const int widest = std::max({previous.x, next.x, submit.x});
    const int stackHeight = previous.y + next.y + submit.y + 2 * int(m_inter);
    return wxPoint(clientSize.x - widest - int(m_outside), clientSize.y - stackHeight - int(m_outside));
}

bool CQuestionPageLayout::layout(const wxSize& clientSize) const
{
    const unsigned questionTextWidth = questionWidth(clientSize);
    const unsigned answerTextWidth = answerWidth(clientSize);
    const int outside = int(m_outside);
    const int inter = int(m_inter);

    CVeltoStaticCtrl* question = m_controls.questionText();
    if (question)
        question->setWidth(questionTextWidth);
    for (unsigned i = 0; i < CQuestionPageControls::kNumAnswers; ++i)
        if (CVeltoStaticCtrl* answer = m_controls.answerText(i))
            answer->setWidth(answerTextWidth);

    // The texts wrap at their new widths, so their heights are final now.
    int y = outside;
    if (question)
    {
        moveTo(question, outside, outside);
        y += question->GetSize().y;
    }
    // The answers begin two gaps below the question.
    y += 2 * inter;
    for (unsigned i = 0; i < CQuestionPageControls::kNumAnswers; ++i)
    {
        CVeltoCheckedButton* button = m_controls.answerButton(i);
        CVeltoStaticCtrl* text = m_controls.answerText(i);
        if (!button || !text)
            continue;
        const wxSize buttonSize = button->GetSize();
        moveTo(button, outside, y);
        moveTo(text, outside + buttonSize.x + inter, y);
        y += std::max(buttonSize.y, text->GetSize().y) + inter;
    }

    wxPoint navigation = topLeftNavigationButtons(clientSize);
    for (CVeltoCheckedButton* button :
         {m_controls.previousButton(), m_controls.nextButton(), m_controls.submitButton()})
    {
        if (!button)
            continue;
        moveTo(button, navigation.x, navigation.y);
        navigation.y += button->GetSize().y + inter;
    }
    return true;
}
