#include "app/AssessmentDocument.h"
#include "app/AuthoringFrame.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "app/UserAssessments.h"
#include "assessment/AssessmentMgrPanel.h"
#include "attributes/EVAttributesDlg.h"
#include "tests/app/TestAssessments.h"
#include "tests/support/WxTest.h"

#include <wx/button.h>
#include <wx/listctrl.h>

namespace
{

class AuthoringTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        CUserAssessments user(path("Evalon"));
        ASSERT_TRUE(user.copySample(apptest::sampleFile(), &file)) << user.getLastError();
        ASSERT_TRUE(document.open(file)) << document.getLastError();
        frame = new CAuthoringFrame();
        frame->initialize(&document);
        frame->Show();
        list = evtest::findControl<wxListCtrl>(frame, CAssessmentMgrPanel::kListCtrlID);
    }

    // Moves the third question up, as the author does with the list's buttons.
    void moveThirdQuestionUp()
    {
        evtest::selectListItem(list, 2);
        evtest::clickButton(evtest::findControl<wxButton>(frame, CAssessmentMgrPanel::kMoveUpButtonID));
    }

    int firstQuestionOnDisk()
    {
        CAssessmentDocument saved;
        EXPECT_TRUE(saved.open(file));
        return saved.getAssessment()->getDataAtIndex(0)->m_questionID;
    }

    bool frameIsGone()
    {
        return evtest::pumpUntil([] { return wxTopLevelWindows.empty(); }, 2000);
    }

    void sendMenu(int id)
    {
        wxCommandEvent command(wxEVT_MENU, id);
        frame->GetEventHandler()->ProcessEvent(command);
    }

    wxString file;
    CAssessmentDocument document;
    CAuthoringFrame* frame = nullptr;
    wxListCtrl* list = nullptr;
};

const char kSaveQuestion[] = "Save the changes to solar-system.eva before closing?";

TEST_F(AuthoringTest, ShowsTheAssessmentsQuestions)
{
    EXPECT_EQ(frame->GetTitle(), "solar-system.eva - Evalon");
    ASSERT_EQ(list->GetItemCount(), 10);
    EXPECT_EQ(list->GetItemText(0, 1), "The Sun is a star.");
    frame->Close(); // nothing changed: no question asked
    EXPECT_TRUE(frameIsGone());
}

TEST_F(AuthoringTest, SavesAReorderAndAsksBeforeClosingWithUnsavedChanges)
{
    moveThirdQuestionUp();
    EXPECT_EQ(list->GetItemText(1, 0), "3");

    wxTEST_DIALOG(frame->Close(), expectMessage(kSaveQuestion, wxID_CANCEL));
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(firstQuestionOnDisk(), 1);

    sendMenu(wxID_SAVE);
    EXPECT_FALSE(document.isModified());
    CAssessmentDocument saved;
    ASSERT_TRUE(saved.open(file));
    EXPECT_EQ(saved.getAssessment()->getDataAtIndex(1)->m_questionID, 3);

    frame->Close();
    EXPECT_TRUE(frameIsGone());
}

TEST_F(AuthoringTest, ClosingCanSaveOrDropTheChanges)
{
    moveThirdQuestionUp();
    wxTEST_DIALOG(frame->Close(), expectMessage(kSaveQuestion, wxID_NO));
    EXPECT_TRUE(frameIsGone());
    CAssessmentDocument unchanged;
    ASSERT_TRUE(unchanged.open(file));
    EXPECT_EQ(unchanged.getAssessment()->getDataAtIndex(1)->m_questionID, 2);
}

TEST_F(AuthoringTest, ClosingWithYesSavesFirst)
{
    moveThirdQuestionUp();
    wxTEST_DIALOG(frame->Close(), expectMessage(kSaveQuestion, wxID_YES));
    EXPECT_TRUE(frameIsGone());
    CAssessmentDocument saved;
    ASSERT_TRUE(saved.open(file));
    EXPECT_EQ(saved.getAssessment()->getDataAtIndex(1)->m_questionID, 3);
}

TEST_F(AuthoringTest, TakeAssessmentOpensItAndLocksTheQuestionsMeanwhile)
{
    evtest::clickButton(evtest::findControl<wxButton>(frame, CAuthoringFrame::kTakeAssessmentID));
    CTakeAssessmentFrame* taking = frame->getTakeFrame();
    ASSERT_NE(taking, nullptr);
    EXPECT_TRUE(taking->IsShown());
    EXPECT_EQ(taking->getPanel()->getTaking()->getNumQuestions(), 10u);
    EXPECT_TRUE(evtest::pumpUntil([&] { return !frame->getPanel()->IsEnabled(); }));

    taking->Close();
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
