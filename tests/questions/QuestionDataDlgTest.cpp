#include "questions/QuestionDataDlg.h"
#include "questions/QuestionDataPanel.h"
#include "tests/questions/QuestionEditorProbe.h"

#include <tuple>

namespace
{

using CFinish = std::function<int(CQuestionDataDlg*)>;

CFinish pressing(int id)
{
    return [id](CQuestionDataDlg* dlg) { return evtest::pressDialogButton(dlg, id); };
}

// Runs the dialog modally as a caller does; the author sees it, edits it with
// `edit` and leaves it with `finish`.
int runDialog(CQuestionDataDlg& dlg, const std::function<void(const CQuestionEditorProbe&)>& edit,
              const CFinish& finish)
{
    const auto script = [&](CQuestionDataDlg* shown)
    {
        evtest::showAsModal(shown);
        edit(CQuestionEditorProbe(shown));
        return finish(shown);
    };
    int result = wxID_NONE;
    wxTEST_DIALOG(result = dlg.ShowModal(), CExpectDialog<CQuestionDataDlg>(script));
    return result;
}

void editEveryField(const CQuestionEditorProbe& probe)
{
    probe.questionText()->SetValue("Which is even?");
    evtest::selectChoice(probe.categoryChoice(), CQuestionData::eSingleAnswer);
    probe.selectCount(3);
    probe.answerText(2)->SetValue("two");
    evtest::clickCheckBox(probe.checkBox(2), true);
    probe.referenceText()->SetValue("Chapter 3");
}

TEST(QuestionDataDlgTest, OkWritesTheEditsCancelLeavesTheQuestionAsItWas)
{
    CQuestionData edited = sampleQuestion();
    edited.setQuestion("Which is even?");
    edited.setCategoryType(CQuestionData::eSingleAnswer);
    edited.setNumAnswers(3);
    setCorrect(edited, {2});
    edited.setAnswer(2, "two");
    edited.setReferenceText("Chapter 3");
    const std::tuple<const char*, CFinish, int> finishes[] = {{"OK", pressing(wxID_OK), wxID_OK},
                                                              {"Cancel", pressing(wxID_CANCEL), wxID_CANCEL}};
    for (const auto& [name, finish, result] : finishes)
    {
        SCOPED_TRACE(name);
        CQuestionData question = sampleQuestion();
        CQuestionDataDlg dlg;
        dlg.initialize(&question);
        EXPECT_EQ(runDialog(dlg, editEveryField, finish), result);
        EXPECT_TRUE(question == (result == wxID_OK ? edited : sampleQuestion()));
    }
}

TEST(QuestionDataDlgTest, OkWithoutEditsStillWritesEveryFieldLoadedWhenShown)
{
    CQuestionData question = sampleQuestion();
    CQuestionDataDlg dlg;
    dlg.initialize(&question);
    // Changed after initialize: showing the dialog loads the question again,
    // and fewer than two answers show the default count.
    question.setNumAnswers(1);
    const auto seeFiveAnswers = [](const CQuestionEditorProbe& probe)
    {
        EXPECT_EQ(probe.shownCount(), "5");
        EXPECT_EQ(probe.enabledPairs(), "1111100000");
    };
    EXPECT_EQ(runDialog(dlg, seeFiveAnswers, pressing(wxID_OK)), wxID_OK);

    // The count shown is written back; every other field is as it was.
    CQuestionData expected = sampleQuestion();
    expected.setNumAnswers(5);
    EXPECT_TRUE(question == expected);
}

// Where the panel and the two buttons sit, in client coordinates.
void expectPanelFillsAndButtonsAtBottomRight(CQuestionDataDlg& dlg)
{
    const wxSize client = dlg.GetClientSize();
    const wxRect panel = dlg.FindWindow("panel")->GetRect();
    const wxRect ok = dlg.FindWindow(wxID_OK)->GetRect();
    const wxRect cancel = dlg.FindWindow(wxID_CANCEL)->GetRect();
    EXPECT_EQ(panel.GetTopLeft(), wxPoint(10, 10));
    EXPECT_EQ(wxPoint(panel.GetRight(), ok.GetRight()), wxPoint(client.x - 11, client.x - 11));
    EXPECT_EQ(ok.GetBottomRight(), wxPoint(client.x - 11, client.y - 11));
    EXPECT_EQ(wxPoint(cancel.GetRight() + 1 + 20, cancel.GetTop()), ok.GetTopLeft());
    EXPECT_EQ(panel.GetBottom() + 1 + 20, ok.GetTop());
}

TEST(QuestionDataDlgTest, ResizingGrowsThePanelAndKeepsTheButtonsAtTheBottomRight)
{
    CQuestionDataDlg dlg;
    auto* panel = dynamic_cast<CQuestionDataPanel*>(dlg.FindWindow("panel"));
    ASSERT_NE(panel, nullptr);

    dlg.Show();
    evtest::pumpEvents();
    expectPanelFillsAndButtonsAtBottomRight(dlg);
    const wxSize fitted = dlg.GetClientSize();
    const wxSize panelBefore = panel->GetSize();

    const wxSize growth(200, 150);
    dlg.SetClientSize(fitted + growth);
    ASSERT_TRUE(evtest::pumpUntil([&] { return panel->GetSize() != panelBefore; }));
    EXPECT_EQ(dlg.GetClientSize(), fitted + growth);
    EXPECT_EQ(panel->GetSize(), panelBefore + growth);
    expectPanelFillsAndButtonsAtBottomRight(dlg);
}

} // namespace
