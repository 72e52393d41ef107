#include "tests/assessment/AssessmentScripts.h"

#include "assessment/EVAssessmentMgrDataDlg.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "views/EVTestViewDlg.h"
#include "views/EVTestViewPanel.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

const wxString kSaveQuestion = "The QuestionData has been changed.  Would you like to save these changes "
                               "back to the referenced .itm file?";

class EVAssessmentMgrDataDlgTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        file = path("questions/q1.itm");
        wxFileName::Mkdir(path("questions"));
        id = addQuestion(mgr, "Which planet is largest?", file);
    }

    // The entry dialog as the list panel opens it, shown.
    void open(CAssessmentMgrData* entry)
    {
        dlg.initialize(&mgr, entry);
        evtest::showAsModal(&dlg);
    }
    wxString shownID() { return evtest::findControl<wxStaticText>(&dlg, 0)->GetLabel(); }
    wxTextCtrl* fileNameText() { return evtest::findControl<wxTextCtrl>(&dlg, 1); }
    void pressEdit() { evtest::clickButton(evtest::findControl<wxButton>(&dlg, 2)); }
    void pressTestView() { evtest::clickButton(evtest::findControl<wxButton>(&dlg, 3)); }
    CQuestionData& stored() { return *mgr.getQuestionDataMgr()->getQuestionDataForID(id); }

    // Chooses all thirteen pictures, as paths relative to the working folder.
    void chooseAllPictures()
    {
        for (unsigned image = 0; image < CEVImageSelections::kNumImages; ++image)
        {
            const wxString name = wxString::Format("pictures/%u.png", image);
            writeImage(name, 60, 40, *wxBLUE);
            mgr.getAttributes()
                ->getImageSelections()
                ->getImageSelectionsInfoFor(CEVImageSelections::imageID(image))
                ->setRelativePath(name);
        }
    }

    CAssessmentMgr mgr;
    wxString file;
    int id = 0;
    CEVAssessmentMgrDataDlg dlg;
};

TEST_F(EVAssessmentMgrDataDlgTest, ShowsTheEntrysIdentifierAndQuestionFile)
{
    EXPECT_EQ(dlg.GetTitle(), "Assessment Mgr Data");
    EXPECT_EQ(dlg.GetName(), "dialogBox");
    EXPECT_EQ(dlg.GetParent(), nullptr);
    EXPECT_EQ(evtest::findControl<wxButton>(&dlg, 2)->GetLabel(), "&View/Edit Question");
    EXPECT_EQ(evtest::findControl<wxButton>(&dlg, 3)->GetLabel(), "&Test View");
    EXPECT_EQ(evtest::findControl<wxButton>(&dlg, wxID_OK)->GetLabel(), "&OK");
    EXPECT_FALSE(fileNameText()->IsEditable());

    open(mgr.getDataAtIndex(0));
    EXPECT_EQ(shownID(), wxString::Format("%d", id));
    EXPECT_EQ(fileNameText()->GetValue(), file);
    EXPECT_EQ(evtest::pressDialogButton(&dlg, wxID_OK), wxID_OK);
}

TEST_F(EVAssessmentMgrDataDlgTest, WithoutAnEntryShowsThePlaceholderAndDoesNothing)
{
    open(nullptr);
    EXPECT_EQ(shownID(), "10");
    EXPECT_EQ(fileNameText()->GetValue(), "");
    pressEdit(); // the fallback hook fails the test on any dialog
    pressTestView();
}

TEST_F(EVAssessmentMgrDataDlgTest, AnEntryNamingNoQuestionIsShownAndReportedOnUse)
{
    CAssessmentMgrData stale(-7);
    open(&stale);
    EXPECT_EQ(shownID(), "-7");
    EXPECT_EQ(fileNameText()->GetValue(), "");
    const wxString missing = "Question -7 was not found in this assessment.";
    wxTEST_DIALOG(pressEdit(), expectMessage(missing, wxID_OK, "Missing Question"));
    wxTEST_DIALOG(pressTestView(), expectMessage(missing, wxID_OK, "Missing Question"));
}

TEST_F(EVAssessmentMgrDataDlgTest, CancelledEditLeavesTheQuestionAndAsksNothing)
{
    const CQuestionData before = stored();
    open(mgr.getDataAtIndex(0));
    wxTEST_DIALOG(pressEdit(), editQuestion("Which planet is smallest?", wxID_CANCEL));
    EXPECT_TRUE(stored() == before);
}

TEST_F(EVAssessmentMgrDataDlgTest, EditAnsweredYesIsWrittenBackToTheQuestionFile)
{
    open(mgr.getDataAtIndex(0));
    wxTEST_DIALOG(pressEdit(), editQuestion("Which planet is smallest?"),
                  expectMessage(kSaveQuestion, wxID_YES, "Save to ITM File"));
    EXPECT_EQ(stored().getQuestion(), "Which planet is smallest?");
    EXPECT_EQ(loadQuestion(file).getQuestion(), "Which planet is smallest?");
    // The dialog's own fields are not refreshed, and nothing else changed.
    EXPECT_EQ(fileNameText()->GetValue(), file);
    EXPECT_EQ(stored().getAnswer(1), "no");
}

TEST_F(EVAssessmentMgrDataDlgTest, EditAnsweredNoChangesOnlyTheQuestionInMemory)
{
    const std::string onDisk = readBytes(file);
    open(mgr.getDataAtIndex(0));
    // OK counts as a change even without an edit.
    wxTEST_DIALOG(pressEdit(), editQuestion(""), expectMessage(kSaveQuestion, wxID_NO, "Save to ITM File"));
    wxTEST_DIALOG(pressEdit(), editQuestion("Which planet is smallest?"),
                  expectMessage(kSaveQuestion, wxID_NO, "Save to ITM File"));
    EXPECT_EQ(stored().getQuestion(), "Which planet is smallest?");
    EXPECT_EQ(readBytes(file), onDisk);
}

TEST_F(EVAssessmentMgrDataDlgTest, EditOfAQuestionWhoseFileIsGoneIsKeptButNotWritten)
{
    ASSERT_TRUE(wxRemoveFile(file));
    open(mgr.getDataAtIndex(0));
    const wxString error = "ERROR: The referenced file name does not exist at location:\n" + file +
                           "\nUnable to save data to file name.";
    wxTEST_DIALOG(pressEdit(), editQuestion("Which planet is smallest?"),
                  expectMessage(kSaveQuestion, wxID_YES, "Save to ITM File"),
                  expectMessage(error, wxID_OK, "Invalid Reference File"));
    EXPECT_EQ(stored().getQuestion(), "Which planet is smallest?");
    EXPECT_FALSE(wxFileName::FileExists(file));
}

TEST_F(EVAssessmentMgrDataDlgTest, TestViewPreviewsTheQuestionWithFreshPicturePaths)
{
    chooseAllPictures();
    open(mgr.getDataAtIndex(0));
    const auto preview = [&](CEVTestViewDlg* preview)
    {
        EXPECT_EQ(preview->GetParent(), nullptr);
        EXPECT_EQ(preview->GetTitle(), "TestView");
        EXPECT_TRUE(preview->HasFlag(wxMAXIMIZE_BOX));
        auto* panel = evtest::findControl<CEVTestViewPanel>(preview, 0);
        std::vector<wxString> labels;
        for (wxWindow* child : panel->GetChildren())
            if (auto* text = dynamic_cast<CVeltoStaticCtrl*>(child))
                labels.push_back(text->GetLabel());
        EXPECT_EQ(labels.at(0), "Which planet is largest?");
        EXPECT_EQ(labels.at(2), "no");
        // Two answers: the third is hidden, which only a complete set-up does.
        EXPECT_FALSE(evtest::findControl<wxWindow>(panel, 2)->IsShown());
        return int(wxID_CANCEL);
    };
    wxTEST_DIALOG(pressTestView(), CExpectDialog<CEVTestViewDlg>(preview));
    const CImageSelectionsInfo* background =
        mgr.getAttributes()->getImageSelections()->getImageSelectionsInfoFor(
            CEVImageSelections::eQuestionBackground);
    EXPECT_EQ(background->getAbsolutePath(), path("pictures/0.png"));
}

TEST_F(EVAssessmentMgrDataDlgTest, TestViewIsRefusedWithTheReasons)
{
    chooseAllPictures();
    CImageSelectionsInfo* nextHot =
        mgr.getAttributes()->getImageSelections()->getImageSelectionsInfoFor(CEVImageSelections::eNextHot);
    nextHot->setRelativePath("pictures/gone.png");
    CEVAttributes expected = *mgr.getAttributes();
    ASSERT_TRUE(expected.getImageSelections()->updateAbsolutePaths());
    wxString reasons;
    ASSERT_FALSE(expected.validateData(&reasons));
    ASSERT_TRUE(reasons.Contains("gone.png"));

    open(mgr.getDataAtIndex(0));
    wxTEST_DIALOG(
        pressTestView(),
        expectMessage("An error was detected and the TestView dialog cannot be displayed.\nModify the "
                      "attributes for this assessment and try again.\n\n" +
                          reasons,
                      wxID_OK, "Invalid Data"));
}

TEST_F(EVAssessmentMgrDataDlgTest, TestViewWithoutAWorkingFolderShowsNothing)
{
    chooseAllPictures();
    wxFileName::Mkdir(path("gone"));
    ASSERT_TRUE(wxSetWorkingDirectory(path("gone")));
    ASSERT_TRUE(wxFileName::Rmdir(path("gone")));
    open(mgr.getDataAtIndex(0));
    evtest::CLogCapture log; // the data library's complaint about the folder
    pressTestView();
}

} // namespace
