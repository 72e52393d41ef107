#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "assessment/AssessmentMgrPanel.h"
#include "attributes/EVAttributesDlg.h"
#include "tests/app/TestAssessments.h"

#include <wx/button.h>

namespace
{

class AuthoringTest : public apptest::CAuthoringTest
{
protected:
    // Moves the third question up, as the author does with the list's buttons.
    void moveThirdQuestionUp()
    {
        evtest::selectListItem(list, 2);
        evtest::clickButton(evtest::findControl<wxButton>(frame, CAssessmentMgrPanel::kMoveUpButtonID));
    }

    // The question of the second entry in the file on disk.
    int secondQuestionOnDisk()
    {
        CAssessmentDocument saved;
        EXPECT_TRUE(saved.open(file));
        return saved.getAssessment()->getDataAtIndex(1)->m_questionID;
    }

    bool frameIsGone()
    {
        return evtest::pumpUntil([] { return wxTopLevelWindows.empty(); }, 2000);
    }
};

const char kSaveQuestion[] = "Save the changes to solar-system.eva before closing?";

TEST_F(AuthoringTest, SavesAReorderAndAsksBeforeClosingOnlyWithUnsavedChanges)
{
    EXPECT_EQ(frame->GetTitle(), "solar-system.eva - Evalon");
    ASSERT_EQ(list->GetItemCount(), 10);
    EXPECT_EQ(list->GetItemText(0, 1), "The Sun is a star.");
    moveThirdQuestionUp();
    EXPECT_EQ(list->GetItemText(1, 0), "3");
    wxTEST_DIALOG(frame->Close(), expectMessage(kSaveQuestion, wxID_CANCEL));
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(secondQuestionOnDisk(), 2);

    sendMenu(wxID_SAVE);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(secondQuestionOnDisk(), 3);
    frame->Close(); // nothing unsaved: no question asked
    EXPECT_TRUE(frameIsGone());
}

class AuthoringCloseTest : public AuthoringTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(AuthoringCloseTest, ClosingCanSaveOrDropTheChanges)
{
    moveThirdQuestionUp();
    wxTEST_DIALOG(frame->Close(), expectMessage(kSaveQuestion, GetParam()));
    EXPECT_TRUE(frameIsGone());
    EXPECT_EQ(secondQuestionOnDisk(), GetParam() == wxID_YES ? 3 : 2);
}

INSTANTIATE_TEST_SUITE_P(Answers, AuthoringCloseTest, ::testing::Values(wxID_NO, wxID_YES));

TEST_F(AuthoringTest, TakeAssessmentOpensItAndLocksTheQuestionsMeanwhile)
{
    evtest::clickButton(evtest::findControl<wxButton>(frame, CAuthoringFrame::kTakeAssessmentID));
    CTakeAssessmentFrame* taking = frame->getTakeFrame();
    ASSERT_NE(taking, nullptr);
    EXPECT_TRUE(taking->IsShown());
    EXPECT_EQ(taking->getPanel()->getTaking()->getNumQuestions(), 10u);
    EXPECT_TRUE(evtest::pumpUntil([&] { return !frame->getPanel()->IsEnabled(); }));

    wxTEST_DIALOG(taking->Close(), expectMessage(CTakeAssessmentFrame::kLeaveQuestion, wxID_YES, "Evalon"));
    EXPECT_TRUE(evtest::pumpUntil(
        [&] { return frame->getTakeFrame() == nullptr && frame->getPanel()->IsEnabled(); }));
}

TEST_F(AuthoringTest, AttributesOpensTheAttributesDialog)
{
    auto cancel = CExpectDialog<CEVAttributesDlg>([](CEVAttributesDlg*) { return int(wxID_CANCEL); });
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kAttributesID), cancel);
    EXPECT_FALSE(document.isModified());
}

} // namespace
