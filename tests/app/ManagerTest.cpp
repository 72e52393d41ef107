#include "app/Looks.h"
#include "app/ManagerFrame.h"
#include "app/ResultsFrame.h"
#include "app/UserAssessments.h"
#include "assessments/AssessmentsMgrPanel.h"
#include "external/data/AssessmentsMgr.h"
#include "tests/app/TestAssessments.h"

#include <wx/button.h>
#include <wx/filename.h>

namespace
{

class ManagerTest : public evtest::CTempDirTest
{
protected:
    wxString userFolder() const { return path("Documents/Evalon"); }
    wxString copiedSample() const { return path("Documents/Evalon/solar-system/solar-system.eva"); }
    // The user's list, with the sample copied in on the first start.
    void openUserList()
    {
        CUserAssessments user(userFolder());
        ASSERT_TRUE(user.open(&list, apptest::sampleFile())) << user.getLastError();
    }
    CManagerFrame* openFrame()
    {
        auto* frame = new CManagerFrame();
        frame->initialize(&list);
        frame->Show();
        return frame;
    }

    CAssessmentsMgr list;
};

TEST_F(ManagerTest, TheFirstStartListsACopyOfTheSampleAndOnlyTheFirst)
{
    CUserAssessments user(userFolder());
    {
        CAssessmentsMgr list;
        ASSERT_TRUE(user.open(&list, apptest::sampleFile())) << user.getLastError();
        ASSERT_EQ(list.getCount(), 1);
        EXPECT_TRUE(wxFileName(list.getDataAtIndex(0)->getAssessmentFileName()).SameAs(copiedSample()));

        // The copy is a whole assessment of its own, pictures included.
        CAssessmentDocument copy;
        ASSERT_TRUE(copy.open(copiedSample())) << copy.getLastError();
        EXPECT_EQ(copy.getAssessment()->getCount(), 10u);
        const wxString background = copy.getAssessment()
                                        ->getAttributes()
                                        ->getImageSelections()
                                        ->getImageSelectionsInfoFor(CEVImageSelections::eQuestionBackground)
                                        ->getAbsolutePath();
        EXPECT_TRUE(background.StartsWith(path("Documents/Evalon/solar-system/"))) << background;
        EXPECT_TRUE(wxFileExists(background));

        list.removeAtIndex(0); // the user's choice is kept from now on
    }
    CAssessmentsMgr later;
    ASSERT_TRUE(user.open(&later, apptest::sampleFile()));
    EXPECT_EQ(later.getCount(), 0);
}

TEST_F(ManagerTest, TheSampleCopyNeverOverwritesTheUsersFiles)
{
    const wxString mine = writeFile("Documents/Evalon/solar-system/solar-system.eva", "my own work");
    openUserList();
    EXPECT_EQ(evtest::readFile(mine), "my own work");
    EXPECT_TRUE(wxFileExists(path("Documents/Evalon/solar-system/pictures/next-hot.jpg")));
}

TEST_F(ManagerTest, AddExistingListsAChosenFileOnce)
{
    const wxString existing = writeFile("elsewhere/quiz.eva", "");
    // GTK's file chooser notes the chosen file among the recently used ones.
    wxFileName::Mkdir(path("home/.local/share"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    ASSERT_TRUE(list.load(path("assessments.xml")));
    list.createNewAssessment(wxString());
    CManagerFrame* frame = openFrame();
    auto* add = evtest::findControl<wxButton>(frame, CManagerFrame::kAddExistingButtonID);
    ASSERT_NE(add, nullptr);
    // In the row of the panel's own buttons.
    auto* create = evtest::findControl<wxButton>(frame->getPanel(), CAssessmentsMgrPanel::kCreateButtonID);
    EXPECT_EQ(add->GetContainingSizer(), create->GetContainingSizer());

    wxTEST_DIALOG(evtest::clickButton(add), expectFileDialog(existing));
    auto* rows = evtest::findControl<wxListCtrl>(frame, CAssessmentsMgrPanel::kListCtrlID);
    ASSERT_EQ(rows->GetItemCount(), 2);
    EXPECT_EQ(rows->GetItemText(1, 1), "quiz.eva");
    // Kept for the next run.
    EXPECT_NE(evtest::readFile(path("assessments.xml")).find("quiz.eva"), std::string::npos);

    wxTEST_DIALOG(evtest::clickButton(add), expectFileDialog(existing),
                  expectMessage(existing + " is in the list already."));
    EXPECT_EQ(rows->GetItemCount(), 2);
}

TEST_F(ManagerTest, ResultsOpensForTheSelectedAssessmentAndAsksForOneWithoutASelection)
{
    openUserList();
    CManagerFrame* frame = openFrame();
    auto* results = evtest::findControl<wxButton>(frame, CManagerFrame::kResultsButtonID);
    ASSERT_TRUE(results);
    EXPECT_EQ(results->GetContainingSizer(),
              frame->FindWindow(CAssessmentsMgrPanel::kViewDetailsButtonID)->GetContainingSizer())
        << "in the row of the list's own buttons";

    wxTEST_DIALOG(
        evtest::clickButton(results),
        expectMessage("Select an assessment in the list to see how its takers did.", wxID_OK, "Evalon"));
    evtest::selectListItem(evtest::findControl<wxListCtrl>(frame, CAssessmentsMgrPanel::kListCtrlID), 0);
    evtest::clickButton(results);
    const std::vector<CResultsFrame*> opened = evtest::childrenOf<CResultsFrame>(frame);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0]->GetTitle(), "Results of solar-system.eva - Evalon");
}

// The manager's File > New is the panel's Create: the new file gets the
// attributes the host set (the default look); without them it says why.
TEST_F(ManagerTest, NewFromTheMenuCreatesWithTheDefaultLookOrSaysWhyNot)
{
    list.setListFileName(path("list.xml"));
    CEVAttributes look;
    wxString notice;
    ASSERT_TRUE(CLooks::applyDefault(&look, &notice)) << notice;
    list.setNewAssessmentAttributes(look);
    CManagerFrame* frame = openFrame();
    apptest::sendMenu(frame, wxID_NEW);
    ASSERT_EQ(list.getCount(), 1);
    CAssessmentDocument created;
    ASSERT_TRUE(created.open(list.getDataAtIndex(0)->getAssessmentFileName()));
    EXPECT_TRUE(*created.getAssessment()->getAttributes() == look);

    frame->setNewAssessmentNotice("No look");
    wxTEST_DIALOG(apptest::sendMenu(frame, wxID_NEW), expectMessage("No look"));
    EXPECT_EQ(list.getCount(), 2);
}

} // namespace
