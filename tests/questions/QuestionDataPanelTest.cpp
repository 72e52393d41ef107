#include "questions/QuestionDataPanel.h"
#include "tests/questions/QuestionEditorProbe.h"

#include <wx/frame.h>

namespace
{

class QuestionDataPanelTest : public ::testing::Test
{
protected:
    QuestionDataPanelTest()
        : m_frame(new wxFrame(nullptr, wxID_ANY, "host")), m_panel(new CQuestionDataPanel(m_frame)),
          m_probe(m_panel)
    {
    }
    ~QuestionDataPanelTest() override { m_frame->Destroy(); }

    CQuestionData m_question = sampleQuestion();
    wxFrame* m_frame;
    CQuestionDataPanel* m_panel;
    CQuestionEditorProbe m_probe;
};

TEST_F(QuestionDataPanelTest, StartsEmptyWithTheChoiceItemsAndNoSelection)
{
    EXPECT_EQ(m_probe.categoryChoice()->GetStrings(), CQuestionData().getCategoryTypeLabelArray());
    EXPECT_EQ(wxJoin(m_probe.countChoice()->GetStrings(), ' '), "2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(m_probe.categoryChoice()->GetSelection() + m_probe.countChoice()->GetSelection(),
              2 * wxNOT_FOUND);
    EXPECT_EQ(m_probe.checks(), "..........");
}

TEST_F(QuestionDataPanelTest, LoadsEveryFieldAndStoresItBackExactly)
{
    const CQuestionData original = m_question;
    ASSERT_TRUE(m_panel->initialize(&m_question));

    EXPECT_EQ(m_probe.questionText()->GetValue(), "  Which numbers are odd?  ");
    EXPECT_EQ(m_probe.categoryChoice()->GetSelection(), 2);
    EXPECT_EQ(m_probe.pairs(), "4 .x.x...x.. 1111000000");
    EXPECT_EQ(m_probe.answerText(9)->GetValue(), "answer 9 ");
    EXPECT_EQ(m_probe.referenceText()->GetValue(), "Chapter 2\n\tOdd and even\n");

    // Box 7 is checked though disabled and is stored too; nothing is trimmed.
    ASSERT_TRUE(m_panel->TransferDataFromWindow());
    EXPECT_TRUE(m_question == original);
}

TEST_F(QuestionDataPanelTest, TrueFalseFixesTheCountAndWritesItsAnswersOnlyWhenChosen)
{
    // Loaded: the stored texts stay as they are.
    m_question.setCategoryType(CQuestionData::eTrueFalse);
    m_question.setNumAnswers(6);
    m_panel->initialize(&m_question);
    EXPECT_EQ(m_probe.pairs(), "2 fixed .x.x...x.. 1100000000");
    EXPECT_EQ(m_probe.answerText(0)->GetValue(), "answer 0 ");

    // Chosen by hand: every box cleared, "True" and "False" written.
    evtest::selectChoice(m_probe.categoryChoice(), CQuestionData::eMultipleAnswers);
    m_probe.selectCount(4);
    evtest::clickCheckBox(m_probe.checkBox(3), true);
    evtest::selectChoice(m_probe.categoryChoice(), CQuestionData::eTrueFalse);
    EXPECT_EQ(m_probe.pairs(), "2 fixed .......... 1100000000");
    EXPECT_EQ(m_probe.answerText(0)->GetValue() + "|" + m_probe.answerText(1)->GetValue() + "|" +
                  m_probe.answerText(2)->GetValue(),
              "True|False|answer 2 ");

    // Leaving true/false frees the count again but keeps it.
    evtest::selectChoice(m_probe.categoryChoice(), CQuestionData::eSingleAnswer);
    EXPECT_EQ(m_probe.pairs().substr(0, 2), "2 ");
}

TEST_F(QuestionDataPanelTest, LoweringTheCountKeepsTextsShownButDoesNotStoreThem)
{
    m_question.setNumAnswers(6);
    m_panel->initialize(&m_question);
    m_probe.answerText(4)->SetValue("typed while in use");
    m_probe.selectCount(3);

    EXPECT_EQ(m_probe.pairs(), "3 .x........ 1110000000");
    EXPECT_EQ(m_probe.answerText(4)->GetValue(), "typed while in use");

    m_panel->TransferDataFromWindow();
    CQuestionData expected = sampleQuestion();
    expected.setNumAnswers(3);
    setCorrect(expected, {1});
    EXPECT_TRUE(m_question == expected);
}

TEST_F(QuestionDataPanelTest, OneAnswerCategoriesKeepOnlyTheLastCheckedBox)
{
    m_question.setNumAnswers(5);
    m_panel->initialize(&m_question);
    const struct
    {
        int category;
        const char* afterSecondClick;
    } cases[] = {{CQuestionData::eSingleAnswer, "..x......."},
                 {CQuestionData::eMultipleAnswers, "x.x......."}};
    for (const auto& c : cases)
    {
        evtest::selectChoice(m_probe.categoryChoice(), c.category);
        evtest::clickCheckBox(m_probe.checkBox(0), true);
        evtest::clickCheckBox(m_probe.checkBox(2), true);
        EXPECT_EQ(m_probe.checks(), c.afterSecondClick) << c.category;
        // Unchecking changes nothing else.
        evtest::clickCheckBox(m_probe.checkBox(2), false);
        EXPECT_EQ(m_probe.checks().substr(1), ".........") << c.category;
    }
    evtest::selectChoice(m_probe.categoryChoice(), CQuestionData::eTrueFalse);
    evtest::clickCheckBox(m_probe.checkBox(1), true);
    evtest::clickCheckBox(m_probe.checkBox(0), true);
    EXPECT_EQ(m_probe.checks(), "x.........");
}

TEST_F(QuestionDataPanelTest, WithoutAQuestionOnlyTheEnabledStatesChange)
{
    m_probe.questionText()->SetValue("draft");
    m_probe.checkBox(8)->SetValue(true);
    m_probe.countChoice()->SetSelection(1); // "3", without an event
    ASSERT_EQ(m_probe.enabledPairs(), "1111111111");

    EXPECT_TRUE(m_panel->initialize(nullptr));
    EXPECT_EQ(m_probe.questionText()->GetValue(), "draft");
    EXPECT_EQ(m_probe.pairs(), "3 ........x. 1110000000");
    EXPECT_TRUE(m_panel->TransferDataFromWindow());
}

} // namespace
