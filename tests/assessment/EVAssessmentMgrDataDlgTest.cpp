#include "tests/assessment/AssessmentScripts.h"

#include "assessment/EVAssessmentMgrDataDlg.h"
#include "views/EVTestViewDlg.h"
#include "views/EVTestViewPanel.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

const wxString kSave = "The QuestionData has been changed.  Would you like to save these changes back to the "
                       "referenced .itm file?";

class EVAssessmentMgrDataDlgTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        file = path("q1.itm");
        id = addQuestion(mgr, "Which planet is largest?", file);
    }

    // Opens `dlg` on `entry` as the list panel does.
    void open(CEVAssessmentMgrDataDlg& dlg, CAssessmentMgrData* entry)
    {
        dlg.initialize(&mgr, entry);
        evtest::showAsModal(&dlg);
    }
    static wxString shown(CEVAssessmentMgrDataDlg& dlg, int id)
    {
        if (id == 0)
            return evtest::findControl<wxStaticText>(&dlg, 0)->GetLabel();
        return evtest::findControl<wxTextCtrl>(&dlg, 1)->GetValue();
    }
    static void press(CEVAssessmentMgrDataDlg& dlg, int id) { evtest::clickButton(dlg.FindWindow(id)); }
    wxString storedText() { return mgr.getQuestionDataMgr()->getQuestionDataForID(id)->getQuestion(); }

    // All thirteen pictures chosen, as paths relative to the working folder.
    void chooseAllPictures()
    {
        CEVImageSelections* images = mgr.getAttributes()->getImageSelections();
        for (unsigned image = 0; image < CEVImageSelections::kNumImages; ++image)
        {
            const wxString name = wxString::Format("pictures/%u.png", image);
            writeImage(name, 60, 40, *wxBLUE);
            images->getImageSelectionsInfoFor(CEVImageSelections::imageID(image))->setRelativePath(name);
        }
    }

    CAssessmentMgr mgr;
    wxString file;
    int id = 0;
};

TEST_F(EVAssessmentMgrDataDlgTest, ShowsTheEntryAndCopesWithoutOneOrItsQuestion)
{
    CEVAssessmentMgrDataDlg dlg;
    EXPECT_EQ(dlg.GetTitle(), "Assessment Mgr Data");
    EXPECT_EQ(dlg.FindWindow(2)->GetLabel(), "&View/Edit Question");
    EXPECT_EQ(dlg.FindWindow(3)->GetLabel(), "&Test View");
    EXPECT_FALSE(evtest::findControl<wxTextCtrl>(&dlg, 1)->IsEditable());
    open(dlg, mgr.getDataAtIndex(0));
    EXPECT_EQ(shown(dlg, 0), wxString::Format("%d", id));
    EXPECT_EQ(shown(dlg, 1), file);

    CEVAssessmentMgrDataDlg empty;
    open(empty, nullptr);
    EXPECT_EQ(shown(empty, 0), "10");
    EXPECT_EQ(shown(empty, 1), "");
    press(empty, 2); // no dialog at all: the fallback hook would fail the test
    press(empty, 3);

    CAssessmentMgrData staleEntry(-7);
    CEVAssessmentMgrDataDlg stale;
    open(stale, &staleEntry);
    EXPECT_EQ(shown(stale, 0), "-7");
    EXPECT_EQ(shown(stale, 1), "");
    const wxString missing = "Question -7 was not found in this assessment.";
    wxTEST_DIALOG(press(stale, 2), expectMessage(missing, wxID_OK, "Missing Question"));
    wxTEST_DIALOG(press(stale, 3), expectMessage(missing, wxID_OK, "Missing Question"));
}

TEST_F(EVAssessmentMgrDataDlgTest, EditsReachTheQuestionOnOkAndItsFileOnlyOnYes)
{
    CEVAssessmentMgrDataDlg dlg;
    open(dlg, mgr.getDataAtIndex(0));
    wxTEST_DIALOG(press(dlg, 2), editQuestion("Cancelled", wxID_CANCEL));
    EXPECT_EQ(storedText(), "Which planet is largest?");

    // OK counts as a change even without an edit.
    wxTEST_DIALOG(press(dlg, 2), editQuestion(""), expectMessage(kSave, wxID_NO, "Save to ITM File"));
    wxTEST_DIALOG(press(dlg, 2), editQuestion("Kept in memory"), expectMessage(kSave, wxID_NO));
    EXPECT_EQ(storedText(), "Kept in memory");
    EXPECT_EQ(questionInFile(file), "Which planet is largest?");

    wxTEST_DIALOG(press(dlg, 2), editQuestion("Saved"), expectMessage(kSave, wxID_YES));
    EXPECT_EQ(storedText(), "Saved");
    EXPECT_EQ(questionInFile(file), "Saved");
    EXPECT_EQ(mgr.getQuestionDataMgr()->getQuestionDataForID(id)->getAnswer(1), "no");

    ASSERT_TRUE(wxRemoveFile(file));
    const wxString error = "ERROR: The referenced file name does not exist at location:\n" + file +
                           "\nUnable to save data to file name.";
    wxTEST_DIALOG(press(dlg, 2), editQuestion("Not saved"), expectMessage(kSave, wxID_YES),
                  expectMessage(error, wxID_OK, "Invalid Reference File"));
    EXPECT_EQ(storedText(), "Not saved");
    EXPECT_FALSE(wxFileName::FileExists(file));
}

TEST_F(EVAssessmentMgrDataDlgTest, TestViewPreviewsTheQuestionWithFreshPicturePaths)
{
    chooseAllPictures();
    CEVAssessmentMgrDataDlg dlg;
    open(dlg, mgr.getDataAtIndex(0));
    const auto preview = [&](CEVTestViewDlg* preview)
    {
        EXPECT_EQ(preview->GetParent(), nullptr);
        EXPECT_EQ(preview->GetTitle(), "TestView");
        auto* panel = evtest::findControl<CEVTestViewPanel>(preview, 0);
        EXPECT_EQ(panel->GetChildren().GetFirst()->GetData()->GetLabel(), "Which planet is largest?");
        // Two answers: the third is hidden, which only a complete set-up does.
        EXPECT_FALSE(evtest::findControl<wxWindow>(panel, 2)->IsShown());
        return int(wxID_CANCEL);
    };
    wxTEST_DIALOG(press(dlg, 3), CExpectDialog<CEVTestViewDlg>(preview));
}

TEST_F(EVAssessmentMgrDataDlgTest, TestViewIsRefusedWithTheReasonsOrWithoutAWorkingFolder)
{
    chooseAllPictures();
    CEVImageSelections* images = mgr.getAttributes()->getImageSelections();
    images->getImageSelectionsInfoFor(CEVImageSelections::eNextHot)->setRelativePath("pictures/gone.png");
    CEVAttributes expected = *mgr.getAttributes();
    ASSERT_TRUE(expected.getImageSelections()->updateAbsolutePaths());
    wxString reasons;
    ASSERT_FALSE(expected.validateData(&reasons));

    CEVAssessmentMgrDataDlg dlg;
    open(dlg, mgr.getDataAtIndex(0));
    wxTEST_DIALOG(press(dlg, 3),
                  expectMessage("An error was detected and the TestView dialog cannot be displayed.\n"
                                "Modify the attributes for this assessment and try again.\n\n" +
                                    reasons,
                                wxID_OK, "Invalid Data"));

    // The picture paths cannot be brought up to date: nothing is shown.
    wxFileName::Mkdir(path("gone"));
    ASSERT_TRUE(wxSetWorkingDirectory(path("gone")));
    ASSERT_TRUE(wxFileName::Rmdir(path("gone")));
    evtest::CLogCapture log;
    press(dlg, 3);
}

} // namespace
