#include "app/AssessmentCheck.h"
#include "app/AssessmentCheckDlg.h"
#include "app/RecentFiles.h"
#include "app/ResultsFrame.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "assessment/AssessmentMgrPanel.h"
#include "assessment/EVAssessmentMgrDataDlg.h"
#include "external/data/QuestionData.h"
#include "tests/app/TestAssessments.h"
#include "tests/assessment/AssessmentScripts.h"

#include <wx/choicdlg.h>
#include <wx/dir.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/stattext.h>

namespace
{

class AuthoringMenusTest : public apptest::CAuthoringTest
{
protected:
    // Every file of the assessment's folder (the assessment file and its
    // question files) as a save writes them now, with their names.
    wxString savedBytes()
    {
        sendMenu(wxID_SAVE);
        wxArrayString files;
        wxDir::GetAllFiles(wxFileName(file).GetPath(), &files);
        files.Sort();
        wxString all;
        for (const wxString& name : files)
            all << name << '\n' << apptest::fileText(name);
        return all;
    }
    CQuestionData* question(unsigned position)
    {
        return apptest::questionAt(*document.getAssessment(), position);
    }
    void clickPanelButton(int id) { evtest::clickButton(frame->getPanel()->FindWindow(id)); }
    // Moves the question in `row` with the panel's button `id`.
    std::function<void()> move(long row, int id)
    {
        return [=]
        {
            evtest::selectListItem(list, row);
            clickPanelButton(id);
        };
    }
    // The question of the second entry in the file on disk.
    int secondQuestionOnDisk()
    {
        CAssessmentDocument saved;
        EXPECT_TRUE(saved.open(file));
        return saved.getAssessment()->getDataAtIndex(1)->m_questionID;
    }
};

const char kSaveQuestion[] = "Save the changes to solar-system.eva before closing?";

class AuthoringCloseTest : public AuthoringMenusTest, public ::testing::WithParamInterface<int>
{
};

// Closing with unsaved changes asks first: Cancel keeps the window and the
// file as they are, No drops the changes, Yes saves them. Once saved,
// closing asks nothing.
TEST_P(AuthoringCloseTest, ClosingAsksWhetherToSaveOnlyWithUnsavedChanges)
{
    move(2, CAssessmentMgrPanel::kMoveUpButtonID)();
    wxTEST_DIALOG(frame->Close(), expectMessage(kSaveQuestion, GetParam()));
    if (GetParam() == wxID_CANCEL)
    {
        EXPECT_TRUE(frame->IsShown());
        EXPECT_EQ(secondQuestionOnDisk(), 2);
        sendMenu(wxID_SAVE);
        EXPECT_FALSE(document.isModified());
        frame->Close();
    }
    EXPECT_TRUE(apptest::allClosed());
    EXPECT_EQ(secondQuestionOnDisk(), GetParam() == wxID_NO ? 2 : 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, AuthoringCloseTest, ::testing::Values(wxID_CANCEL, wxID_NO, wxID_YES));

TEST_F(AuthoringMenusTest, UndoAndRedoRestoreTheExactFileAfterEachKindOfChange)
{
    struct SCase
    {
        const char* name;
        std::function<void()> change;
    };
    const wxString added = path("added.itm");
    const SCase cases[] = {
        {"add",
         [&]
         {
             wxTEST_DIALOG(clickPanelButton(CAssessmentMgrPanel::kCreateButtonID),
                           editQuestion("Which moon is largest?"),
                           CExpectDialog<wxMessageDialog>([](wxMessageDialog*) { return int(wxID_OK); }),
                           expectFileDialog(added));
         }},
        {"edit (kept in memory)",
         [&]
         {
             evtest::selectListItem(list, 1);
             auto entry = CExpectDialog<CEVAssessmentMgrDataDlg>(
                 [](CEVAssessmentMgrDataDlg* dlg)
                 {
                     evtest::showAsModal(dlg);
                     wxTEST_DIALOG(
                         evtest::pressDialogButton(dlg, CEVAssessmentMgrDataDlg::kEditQuestionButtonID),
                         editQuestion("Which planet is nearest the Sun?"),
                         CExpectDialog<wxMessageDialog>([](wxMessageDialog*) { return int(wxID_NO); }));
                     return int(wxID_OK);
                 });
             wxTEST_DIALOG(clickPanelButton(CAssessmentMgrPanel::kViewDetailsButtonID), entry);
         }},
        {"look",
         [&]
         {
             // The sample's own pictures are named relative to its folder; the
             // default look names the installed ones.
             auto chooseDefault = CExpectDialog<wxSingleChoiceDialog>(
                 [](wxSingleChoiceDialog* dlg) { return dlg->SetSelection(0), int(wxID_OK); });
             wxTEST_DIALOG(sendMenu(CAuthoringFrame::kLookID), chooseDefault);
         }},
        {"move up", move(4, CAssessmentMgrPanel::kMoveUpButtonID)},
        {"remove with Delete, after a No",
         [&]
         {
             evtest::selectListItem(list, 2);
             const wxString ask =
                 "Remove question 3 (\"" + question(3)->getQuestion().Left(60) + "\") from the assessment?";
             wxTEST_DIALOG(sendMenu(CAuthoringFrame::kRemoveQuestionID), expectMessage(ask, wxID_NO));
             EXPECT_EQ(list->GetItemCount(), 10);
             wxTEST_DIALOG(sendMenu(CAuthoringFrame::kRemoveQuestionID), expectMessage(ask, wxID_YES));
         }},
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const wxString before = savedBytes();
        EXPECT_EQ(frame->GetTitle(), "solar-system.eva - Evalon");
        c.change();
        EXPECT_EQ(frame->GetTitle(), "*solar-system.eva - Evalon");
        const wxString after = savedBytes();
        ASSERT_NE(after, before);

        sendMenu(wxID_UNDO);
        EXPECT_EQ(savedBytes(), before);
        sendMenu(wxID_REDO);
        EXPECT_EQ(savedBytes(), after);
        sendMenu(wxID_UNDO);
        EXPECT_EQ(savedBytes(), before);
        // Saving leaves the list as the file has it; the next case starts there.
        EXPECT_EQ(list->GetItemCount(), 10);
    }
    // The question file the addition wrote is the author's: undoing keeps it.
    EXPECT_TRUE(wxFileExists(added));
    EXPECT_TRUE(frame->getCommands()->CanRedo());
}

TEST_F(AuthoringMenusTest, TakeIsRefusedWithTheCheckListWhichLeadsToTheQuestion)
{
    question(2)->setCorrectAnswerIndexes(nullptr);
    auto goThere = CExpectDialog<CAssessmentCheckDlg>(
        [](CAssessmentCheckDlg* dlg)
        {
            evtest::showAsModal(dlg);
            EXPECT_EQ(evtest::findControl<wxStaticText>(dlg, CAssessmentCheckDlg::kSummaryID)->GetLabel(),
                      "The assessment cannot be taken until its errors are fixed. 1 error and 0 warnings.");
            auto* rows = evtest::findControl<wxListCtrl>(dlg, CAssessmentCheckDlg::kListID);
            EXPECT_EQ(rows->GetItemCount(), 1);
            EXPECT_EQ(rows->GetItemText(0, 1) + ": " + rows->GetItemText(0, 2),
                      "Question 2: no answer is marked correct; mark the right answer");
            return evtest::pressDialogButton(dlg, CAssessmentCheckDlg::kGoThereID);
        });
    auto entry = CExpectDialog<CEVAssessmentMgrDataDlg>(
        [&](CEVAssessmentMgrDataDlg* dlg)
        {
            evtest::showAsModal(dlg);
            EXPECT_EQ(
                evtest::findControl<wxTextCtrl>(dlg, CEVAssessmentMgrDataDlg::kFileNameTextID)->GetValue(),
                question(2)->getFileNameReference());
            return int(wxID_CANCEL);
        });
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kTakeAssessmentID), goThere, entry);
    EXPECT_EQ(frame->getTakeFrame(), nullptr);
}

TEST_F(AuthoringMenusTest, CheckListsWarningsWithoutStoppingTakeWhichLocksTheQuestionsAndResultsOpensOnce)
{
    question(4)->setQuestion(question(3)->getQuestion());
    question(4)->setNumAnswers(int(question(3)->getNumAnswers()));
    for (unsigned i = 0; i < question(3)->getNumAnswers(); ++i)
        question(4)->setAnswer(i, question(3)->getAnswer(i));
    auto close = CExpectDialog<CAssessmentCheckDlg>(
        [](CAssessmentCheckDlg* dlg)
        {
            evtest::showAsModal(dlg);
            EXPECT_EQ(evtest::findControl<wxStaticText>(dlg, CAssessmentCheckDlg::kSummaryID)->GetLabel(),
                      "0 errors and 1 warning.");
            return int(wxID_CANCEL);
        });
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kCheckID), close);

    // Take opens the assessment and locks the questions meanwhile.
    evtest::clickButton(frame->FindWindow(CAuthoringFrame::kTakeAssessmentID));
    CTakeAssessmentFrame* taking = frame->getTakeFrame();
    ASSERT_NE(taking, nullptr);
    EXPECT_TRUE(taking->IsShown());
    EXPECT_TRUE(evtest::pumpUntil([&] { return !frame->getPanel()->IsEnabled(); }));
    wxTEST_DIALOG(taking->Close(), expectMessage(CTakeAssessmentFrame::kLeaveQuestion, wxID_YES, "Evalon"));
    EXPECT_TRUE(evtest::pumpUntil(
        [&] { return frame->getTakeFrame() == nullptr && frame->getPanel()->IsEnabled(); }));

    // Results opens one window, and shows that one again when asked twice.
    evtest::clickButton(frame->FindWindow(CAuthoringFrame::kResultsID));
    CResultsFrame* results = frame->getResultsFrame();
    ASSERT_TRUE(results && results->IsShown());
    evtest::clickButton(frame->FindWindow(CAuthoringFrame::kResultsID));
    EXPECT_EQ(frame->getResultsFrame(), results);
}

TEST_F(AuthoringMenusTest, RecentFilesThatAreGoneAreGreyedAndRemovedWhenChosen)
{
    wxFileHistory& history = CRecentFiles::get();
    while (history.GetCount() > 0)
        history.RemoveFileFromHistory(0);
    const wxString gone = writeFile("gone.eva", "");
    CRecentFiles::add(gone);
    CRecentFiles::add(file);
    wxMenu* fileMenu = frame->GetMenuBar()->GetMenu(0);
    wxRemoveFile(gone);
    CRecentFiles::greyMissing(fileMenu);
    EXPECT_TRUE(fileMenu->IsEnabled(wxID_FILE1));
    EXPECT_FALSE(fileMenu->IsEnabled(wxID_FILE2));

    wxTEST_DIALOG(sendMenu(wxID_FILE2),
                  expectMessage("The assessment file " + gone +
                                " no longer exists; it is removed from the recent files."));
    ASSERT_EQ(history.GetCount(), 1u);
    EXPECT_EQ(history.GetHistoryFile(0), file);
    EXPECT_EQ(fileMenu->FindItem(wxID_FILE2), nullptr);
}

using CheckProgramTest = apptest::CProgramTest;

TEST_F(CheckProgramTest, PrintsOneProblemALineAndFailsOnlyOnErrors)
{
    // The same question and answers is told by its text and answers, not its key.
    const wxString bank = writeFile("bank.gift", "::Q1:: Which planet is red? {=Mars ~Venus}\n\n"
                                                 "::Q2:: Which planet is red? {~Mars =Venus}\n\n"
                                                 "::Q3:: Which planet is red? {=Mars ~Jupiter}\n");
    EXPECT_EQ(run("--import " + bank + " --into " + path("new.eva") + " --duplicates=add"), 0)
        << wxJoin(errors, '\n');
    EXPECT_EQ(run("--check " + path("new.eva")), 0) << wxJoin(errors, '\n');
    EXPECT_EQ(output, wxArrayString(1, "warning: question 2: the same question and answers as question 1; "
                                       "remove one"));

    wxString text = apptest::fileText(path("new.eva"));
    text.Replace("#F6F3E8", "#444444");
    writeFile("dark.eva", text.utf8_string());
    EXPECT_EQ(run("--check " + path("dark.eva")), 1);
    ASSERT_EQ(output.size(), 3u) << wxJoin(output, '\n');
    // The wording of the contrast errors is the check's own (AssessmentCheckTest).
    EXPECT_TRUE(output[1].StartsWith("error: Question Background: the text colour #444444 ")) << output[1];
}

// A copy of the sample whose second question file is gone and whose fifth is damaged.
TEST_F(AuthoringMenusTest, PartialOpeningShowsOneMessageAndTheEntriesCanBeFixed)
{
    const wxString folder = wxFileName(file).GetPath();
    ASSERT_TRUE(wxRemoveFile(folder + "/questions/02-closest-planet.itm"));
    const wxString damaged =
        writeFile("Evalon/solar-system/questions/05-rings.itm", "<question version=\"1\"");

    const auto told = [](wxMessageDialog* dlg)
    {
        const wxArrayString lines = wxSplit(dlg->GetMessage(), '\n', '\0');
        EXPECT_EQ(lines[0], "solar-system.eva opened without 2 of its question files. Their entries show as "
                            "\"(missing: ...)\": remove them or point them at another question file (Edit "
                            "menu); saving keeps them as they are.");
        EXPECT_EQ(lines.size(), 4u);
        return int(wxID_OK);
    };
    frame->Destroy(); // the fixture's window, on the files just damaged
    wxTEST_DIALOG(frame = CAuthoringFrame::openWindow(file, nullptr), CExpectDialog<wxMessageDialog>(told));
    ASSERT_NE(frame, nullptr);
    list = evtest::findControl<wxListCtrl>(frame, CAssessmentMgrPanel::kListCtrlID);
    ASSERT_EQ(list->GetItemCount(), 10);
    EXPECT_EQ(list->GetItemText(1, 1), "(missing: questions/02-closest-planet.itm)");
    EXPECT_EQ(list->GetItemText(4, 1), "(missing: questions/05-rings.itm)");

    // Saving keeps the entries and leaves the damaged file as it is.
    const wxString before = apptest::fileText(file);
    sendMenu(wxID_SAVE);
    EXPECT_EQ(apptest::fileText(file), before);
    EXPECT_EQ(apptest::fileText(damaged), "<question version=\"1\"");

    // Pointed at another file, the second entry is a question again (and undoable).
    evtest::selectListItem(list, 1);
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kPointEntryID),
                  expectFileDialog(folder + "/questions/03-sunlight.itm"));
    EXPECT_EQ(list->GetItemText(1, 1), "How long does sunlight take to reach the Earth?");
    // The check counts the entry still missing and, now, the same question twice.
    EXPECT_EQ(frame->checkAssessment()->getProblems().size(), 2u);
    sendMenu(wxID_UNDO);
    EXPECT_EQ(list->GetItemText(1, 1), "(missing: questions/02-closest-planet.itm)");
}

} // namespace
