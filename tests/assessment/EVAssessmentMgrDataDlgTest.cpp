#include "tests/assessment/AssessmentScripts.h"

#include "assessment/EVAssessmentMgrDataDlg.h"
#include "views/EVTestViewDlg.h"
#include "views/EVTestViewPanel.h"

#include <wx/filename.h>
#include <wx/textctrl.h>

namespace
{

using Dlg = CEVAssessmentMgrDataDlg;

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
        open(dlg, mgr.getDataAtIndex(0));
    }

    // Opens a dialog on `entry` as the list panel does.
    void open(CEVAssessmentMgrDataDlg& entryDlg, CAssessmentMgrData* entry)
    {
        entryDlg.initialize(&mgr, entry);
        evtest::showAsModal(&entryDlg);
    }
    // The identifier and the file shown, joined by "|".
    static wxString shown(wxDialog& entryDlg)
    {
        return entryDlg.FindWindow(Dlg::kQuestionIDTextID)->GetLabel() + "|" +
               dynamic_cast<wxTextCtrl*>(entryDlg.FindWindow(Dlg::kFileNameTextID))->GetValue();
    }
    static void press(wxDialog& entryDlg, int id) { evtest::clickButton(entryDlg.FindWindow(id)); }
    wxString storedText() { return mgr.getQuestionDataMgr()->getQuestionDataForID(id)->getQuestion(); }

    // All thirteen pictures chosen, as paths relative to the working folder.
    void chooseAllPictures()
    {
        for (unsigned image = 0; image < CEVImageSelections::kNumImages; ++image)
        {
            const wxString name = wxString::Format("pictures/%u.png", image);
            writeImage(name, 60, 40, *wxBLUE);
            info(CEVImageSelections::imageID(image))->setRelativePath(name);
        }
    }
    CImageSelectionsInfo* info(CEVImageSelections::imageID image)
    {
        return mgr.getAttributes()->getImageSelections()->getImageSelectionsInfoFor(image);
    }

    CAssessmentMgr mgr;
    wxString file;
    int id = 0;
    // On the heap: the windows left at the end of a test are destroyed with Destroy().
    CEVAssessmentMgrDataDlg& dlg = *new CEVAssessmentMgrDataDlg;
};

TEST_F(EVAssessmentMgrDataDlgTest, ShowsTheEntryAndCopesWithoutOneOrItsQuestion)
{
    EXPECT_EQ(shown(dlg), wxString::Format("%d|", id) + file);
    EXPECT_FALSE(dynamic_cast<wxTextCtrl*>(dlg.FindWindow(Dlg::kFileNameTextID))->IsEditable());

    CEVAssessmentMgrDataDlg empty;
    open(empty, nullptr);
    EXPECT_EQ(shown(empty), "10|");
    press(empty, Dlg::kEditQuestionButtonID); // no dialog at all: the fallback hook would fail the test
    press(empty, Dlg::kTestViewButtonID);

    CAssessmentMgrData staleEntry(-7);
    CEVAssessmentMgrDataDlg stale;
    open(stale, &staleEntry);
    EXPECT_EQ(shown(stale), "-7|");
    const wxString missing = "Question -7 was not found in this assessment.";
    for (int button : {Dlg::kEditQuestionButtonID, Dlg::kTestViewButtonID})
        wxTEST_DIALOG(press(stale, button), expectMessage(missing, wxID_OK, "Missing Question"));
}

TEST_F(EVAssessmentMgrDataDlgTest, EditsReachTheQuestionOnOkAndItsFileOnlyOnYes)
{
    wxTEST_DIALOG(press(dlg, Dlg::kEditQuestionButtonID), editQuestion("Cancelled", wxID_CANCEL));
    EXPECT_EQ(storedText(), "Which planet is largest?");

    // OK counts as a change even without an edit.
    wxTEST_DIALOG(press(dlg, Dlg::kEditQuestionButtonID), editQuestion(""),
                  expectMessage(kSave, wxID_NO, "Save to ITM File"));
    wxTEST_DIALOG(press(dlg, Dlg::kEditQuestionButtonID), editQuestion("Kept in memory"),
                  expectMessage(kSave, wxID_NO));
    EXPECT_EQ(storedText() + "|" + questionInFile(file), "Kept in memory|Which planet is largest?");

    wxTEST_DIALOG(press(dlg, Dlg::kEditQuestionButtonID), editQuestion("Saved"),
                  expectMessage(kSave, wxID_YES));
    EXPECT_EQ(questionInFile(file), "Saved");

    ASSERT_TRUE(wxRemoveFile(file));
    wxTEST_DIALOG(press(dlg, Dlg::kEditQuestionButtonID), editQuestion("Not saved"),
                  expectMessage(kSave, wxID_YES),
                  expectMessage("ERROR: The referenced file name does not exist at location:\n" + file +
                                    "\nUnable to save data to file name.",
                                wxID_OK, "Invalid Reference File"));
    EXPECT_EQ(storedText(), "Not saved");
    EXPECT_FALSE(wxFileName::FileExists(file));
}

TEST_F(EVAssessmentMgrDataDlgTest, TestViewPreviewsTheQuestionOrSaysWhyNot)
{
    chooseAllPictures();
    const auto preview = [&](CEVTestViewDlg* preview)
    {
        wxWindow* panel = evtest::findControl<CEVTestViewPanel>(preview, 0);
        EXPECT_EQ(panel->GetChildren().GetFirst()->GetData()->GetLabel(), "Which planet is largest?");
        // Two answers: the third is hidden, which only a complete set-up does.
        EXPECT_FALSE(
            evtest::findControl<wxWindow>(panel, CEVTestViewPanel::kFirstAnswerButtonID + 2)->IsShown());
        return int(wxID_CANCEL);
    };
    wxTEST_DIALOG(press(dlg, Dlg::kTestViewButtonID), CExpectDialog<CEVTestViewDlg>(preview));

    info(CEVImageSelections::eNextHot)->setRelativePath("pictures/gone.png");
    CEVAttributes expected = *mgr.getAttributes();
    expected.getImageSelections()->updateAbsolutePaths();
    wxString reasons;
    ASSERT_FALSE(expected.validateData(&reasons));
    wxTEST_DIALOG(press(dlg, Dlg::kTestViewButtonID),
                  expectMessage("An error was detected and the TestView dialog cannot be displayed.\n"
                                "Modify the attributes for this assessment and try again.\n\n" +
                                    reasons,
                                wxID_OK, "Invalid Data"));

    // The picture paths cannot be brought up to date: nothing is shown.
    wxFileName::Mkdir(path("gone"));
    ASSERT_TRUE(wxSetWorkingDirectory(path("gone")));
    ASSERT_TRUE(wxFileName::Rmdir(path("gone")));
    evtest::CLogCapture log;
    press(dlg, Dlg::kTestViewButtonID);
}

} // namespace
