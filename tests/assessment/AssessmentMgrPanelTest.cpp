#include "tests/assessment/AssessmentScripts.h"

#include "assessment/AssessmentMgrPanel.h"
#include "assessment/EVAssessmentMgrDataDlg.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/stattext.h>

namespace
{

const int kListID = 10;
const int kCreateID = 11;
const int kRemoveID = 12;
const int kViewDetailsID = 13;
const int kMoveUpID = 14;
const int kMoveDownID = 15;

const wxString kEmptyQuestion =
    "The question field was empty.  Adding an empty question is not a valid option.";
const wxString kStoreInFile =
    "The data entered must be stored to a file for reference by Itemary.  Browse to a desired location for "
    "the "
    "file to be stored.  This is the same process as you would go through by clicking the File->Save As... "
    "menu item.";
const wxString kFileNameNeeded =
    "A file name must be entered to successfully complete the addition of the question data.\n\nIf you would "
    "like to Cancel the addition, click the Cancel button below, otherwise click OK and select a file name.";

class AssessmentMgrPanelTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        frame = new wxFrame(nullptr, wxID_ANY, "Questions");
        panel = new CAssessmentMgrPanel(frame);
        frame->Show();
        list = evtest::findControl<wxListCtrl>(panel, kListID);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override
    {
        frame->Destroy();
        evtest::pumpUntil([] { return wxTopLevelWindows.empty(); });
        CTempDirTest::TearDown();
    }

    // An assessment of questions "A", "B" ... shown in the panel.
    void showQuestions(const std::vector<wxString>& texts)
    {
        for (const wxString& text : texts)
            ids.push_back(addQuestion(mgr, text));
        panel->initialize(&mgr);
        panel->reloadListCtrl();
    }
    std::vector<wxString> column(int col) const
    {
        std::vector<wxString> texts;
        for (long row = 0; row < list->GetItemCount(); ++row)
            texts.push_back(list->GetItemText(row, col));
        return texts;
    }
    wxButton* button(int id) { return evtest::findControl<wxButton>(panel, id); }
    void click(int id) { evtest::clickButton(button(id)); }
    // One letter per button that is enabled: Create, Remove, View, Up, Down.
    std::string enabled()
    {
        std::string result;
        const char letters[] = "CRVUD";
        for (int id = kCreateID; id <= kMoveDownID; ++id)
            result += button(id)->IsEnabled() ? letters[id - kCreateID] : '-';
        return result;
    }
    bool rebuiltWithoutSelection() { return list->GetSelectedItemCount() == 0 && enabled() == "C----"; }

    // Adding a question: the explanation, then the answers to the file choices.
    static CExpectDialog<wxMessageDialog> explanation()
    {
        return expectMessage(kStoreInFile, wxID_OK, "Save Data To File");
    }
    static CExpectDialog<wxFileDialog> fileChoice(const wxString& chosen)
    {
        return expectFileDialog(chosen,
                                [](wxFileDialog* dlg)
                                {
                                    EXPECT_EQ(dlg->GetWildcard(), "Itemary Files (*.itm)|*.itm");
                                    EXPECT_EQ(dlg->GetWindowStyleFlag() & (wxFD_SAVE | wxFD_OVERWRITE_PROMPT),
                                              long(wxFD_SAVE | wxFD_OVERWRITE_PROMPT));
                                });
    }
    static CExpectDialog<wxMessageDialog> fileNameNeeded(int answer)
    {
        return expectMessage(kFileNameNeeded, answer, "Invalid File Name");
    }

    CAssessmentMgr mgr;
    std::vector<int> ids;
    wxFrame* frame = nullptr;
    CAssessmentMgrPanel* panel = nullptr;
    wxListCtrl* list = nullptr;
};

TEST_F(AssessmentMgrPanelTest, EmptyAssessmentShowsHeadingsAndOnlyCreate)
{
    EXPECT_EQ(enabled(), "CRVUD"); // nothing is set before initialize
    showQuestions({});
    EXPECT_TRUE(list->InReportView());
    EXPECT_TRUE(list->HasFlag(wxLC_SINGLE_SEL));
    ASSERT_EQ(list->GetColumnCount(), 2);
    const wxString headings[] = {"Question ID", "Question Data"};
    const int widths[] = {90, 355}; // 20 and 79 per cent of 450
    for (int col = 0; col < 2; ++col)
    {
        wxListItem item;
        item.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_WIDTH | wxLIST_MASK_FORMAT);
        ASSERT_TRUE(list->GetColumn(col, item));
        EXPECT_EQ(item.GetText(), headings[col]);
        EXPECT_EQ(item.GetWidth(), widths[col]);
        EXPECT_EQ(item.GetAlign(), wxLIST_FORMAT_LEFT);
    }
    EXPECT_EQ(list->GetItemCount(), 0);
    const char* labels[] = {"&Create", "&Remove", "&View Details", "Move &Up", "Move &Down"};
    for (int id = kCreateID; id <= kMoveDownID; ++id)
        EXPECT_EQ(button(id)->GetLabel(), labels[id - kCreateID]);
    EXPECT_EQ(enabled(), "C----");
    // The host frame cannot shrink below the panel's layout.
    EXPECT_GE(frame->GetMinClientSize().x, 470);
}

TEST_F(AssessmentMgrPanelTest, RowsShowIdentifiersAndTextsOnlyAfterReload)
{
    for (const char* text : {"Mercury?", "Venus?", "Earth?"})
        ids.push_back(addQuestion(mgr, text));
    // An entry whose question is gone still gets a row, to be seen and removed.
    mgr.getDataCollection()->Add(new CAssessmentMgrData(-4));
    panel->initialize(&mgr);
    EXPECT_EQ(list->GetItemCount(), 0);
    for (int pass = 0; pass < 2; ++pass)
    {
        panel->reloadListCtrl();
        EXPECT_EQ(column(0), (std::vector<wxString>{"1", "2", "3", "-4"}));
        EXPECT_EQ(column(1), (std::vector<wxString>{"Mercury?", "Venus?", "Earth?", ""}));
        for (long row = 0; row < 4; ++row)
            EXPECT_EQ(list->GetItemData(row), wxUIntPtr(row));
    }
}

TEST_F(AssessmentMgrPanelTest, ButtonsFollowTheSelectedRow)
{
    showQuestions({"A"});
    evtest::selectListItem(list, 0); // first and last at once
    EXPECT_EQ(enabled(), "CRV--");
    evtest::selectListItem(list, 0, false);
    EXPECT_EQ(enabled(), "C----");

    showQuestions({"B", "C"});
    evtest::selectListItem(list, 0);
    EXPECT_EQ(enabled(), "CRV-D");
    evtest::selectListItem(list, 1);
    EXPECT_EQ(enabled(), "CRVUD");
    evtest::selectListItem(list, 2);
    EXPECT_EQ(enabled(), "CRVU-");
}

TEST_F(AssessmentMgrPanelTest, MovesAndRemovalRebuildTheListWithoutSelection)
{
    showQuestions({"A", "B", "C", "D"});
    for (int id : {kRemoveID, kMoveUpID, kMoveDownID, kViewDetailsID}) // nothing selected: nothing happens
        click(id);
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "B", "C", "D"}));

    evtest::selectListItem(list, 2);
    click(kMoveUpID);
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "C", "B", "D"}));
    EXPECT_EQ(mgr.getDataAtIndex(1)->m_questionID, ids[2]);
    EXPECT_TRUE(rebuiltWithoutSelection());

    evtest::selectListItem(list, 0);
    click(kMoveDownID);
    EXPECT_EQ(column(1), (std::vector<wxString>{"C", "A", "B", "D"}));
    EXPECT_TRUE(rebuiltWithoutSelection());

    evtest::selectListItem(list, 3);
    click(kRemoveID);
    EXPECT_EQ(column(1), (std::vector<wxString>{"C", "A", "B"}));
    EXPECT_EQ(mgr.getCount(), 3u);
    EXPECT_EQ(column(0), (std::vector<wxString>{"3", "1", "2"}));
    EXPECT_TRUE(rebuiltWithoutSelection());
}

TEST_F(AssessmentMgrPanelTest, ViewDetailsAndActivationOpenTheSelectedEntry)
{
    showQuestions({"A", "B", "C"});
    // The author edits the entry's question; the list shows it afterwards.
    const auto entryDialog = [&](CEVAssessmentMgrDataDlg* dlg)
    {
        EXPECT_EQ(dlg->GetParent(), nullptr);
        EXPECT_EQ(dlg->GetTitle(), "Assessment Mgr Data");
        evtest::showAsModal(dlg);
        EXPECT_EQ(evtest::findControl<wxStaticText>(dlg, 0)->GetLabel(), wxString::Format("%d", ids[1]));
        evtest::clickButton(evtest::findControl<wxButton>(dlg, 2));
        return evtest::pressDialogButton(dlg, wxID_OK);
    };
    const CExpectDialog<wxMessageDialog> dontSave =
        expectMessage("The QuestionData has been changed.  Would you like to save these changes back to the "
                      "referenced .itm "
                      "file?",
                      wxID_NO);

    evtest::selectListItem(list, 1);
    wxTEST_DIALOG(click(kViewDetailsID), CExpectDialog<CEVAssessmentMgrDataDlg>(entryDialog),
                  editQuestion("B2"), dontSave);
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "B2", "C"}));
    EXPECT_TRUE(rebuiltWithoutSelection());

    evtest::selectListItem(list, 1);
    wxTEST_DIALOG(evtest::activateListItem(list, 1), CExpectDialog<CEVAssessmentMgrDataDlg>(entryDialog),
                  editQuestion("B3"), dontSave);
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "B3", "C"}));
    EXPECT_TRUE(rebuiltWithoutSelection());
}

// ---------------------------------------------------------------------------
// Adding a question

TEST_F(AssessmentMgrPanelTest, AddingWritesTheQuestionFileAndListsTheNewEntry)
{
    showQuestions({"A"});
    const wxString chosen = path("new question.itm");
    // Leading blanks are text too, and are kept. Two declined file choices,
    // each answered OK, then a file: the explanation comes once.
    wxTEST_DIALOG(click(kCreateID), editQuestion("  Which moon is largest?"), explanation(), fileChoice(""),
                  fileNameNeeded(wxID_OK), fileChoice(""), fileNameNeeded(wxID_OK), fileChoice(chosen));

    ASSERT_EQ(mgr.getCount(), 2u);
    const int newID = mgr.getDataAtIndex(1)->m_questionID;
    EXPECT_NE(newID, ids[0]);
    const CQuestionData* added = mgr.getQuestionDataMgr()->getQuestionDataForID(newID);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->getQuestion(), "  Which moon is largest?");
    EXPECT_EQ(added->getFileNameReference(), chosen); // no extension added or checked
    ASSERT_TRUE(wxFileName::FileExists(chosen));
    EXPECT_EQ(loadQuestion(chosen).getQuestion(), "  Which moon is largest?");

    EXPECT_EQ(column(0),
              (std::vector<wxString>{wxString::Format("%d", ids[0]), wxString::Format("%d", newID)}));
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "  Which moon is largest?"}));
    EXPECT_TRUE(rebuiltWithoutSelection());
}

TEST_F(AssessmentMgrPanelTest, AddingStopsWhenTheAuthorGivesUp)
{
    showQuestions({"A"});
    evtest::selectListItem(list, 0);

    // Cancel in the question dialog: nothing more is shown.
    wxTEST_DIALOG(click(kCreateID), editQuestion("Which moon?", wxID_CANCEL));
    // Blanks and line breaks only: refused before any file is asked for.
    wxTEST_DIALOG(click(kCreateID), editQuestion(" \n\t \n "),
                  expectMessage(kEmptyQuestion, wxID_OK, "Message"));
    // No file chosen, then Cancel.
    wxTEST_DIALOG(click(kCreateID), editQuestion("Which moon?"), explanation(), fileChoice(""),
                  fileNameNeeded(wxID_CANCEL));

    EXPECT_EQ(mgr.getCount(), 1u);
    EXPECT_EQ(mgr.getQuestionDataMgr()->getCount(), 1u);
    // The panel is left as it was, its selection included.
    EXPECT_EQ(column(1), std::vector<wxString>{"A"});
    EXPECT_EQ(enabled(), "CRV--");
}

TEST_F(AssessmentMgrPanelTest, AFileThatCannotBeWrittenAddsNoEntry)
{
    showQuestions({"A"});
    evtest::selectListItem(list, 0);
    // A name longer than the file system allows (the file dialog cannot be
    // given a path below a regular file).
    const wxString chosen = path(wxString('q', 300) + ".itm");
    wxTEST_DIALOG(click(kCreateID), editQuestion("Which moon?"), explanation(), fileChoice(chosen));

    EXPECT_EQ(mgr.getCount(), 1u);
    EXPECT_FALSE(wxFileName::FileExists(chosen));
    // The question was registered, with its file name, before the write failed.
    ASSERT_EQ(mgr.getQuestionDataMgr()->getCount(), 2u);
    const int orphan = mgr.getQuestionDataMgr()->getIDs().back();
    EXPECT_EQ(mgr.getQuestionDataMgr()->getQuestionDataForID(orphan)->getFileNameReference(), chosen);
    // The list was not rebuilt.
    EXPECT_EQ(list->GetSelectedItemCount(), 1);
    EXPECT_EQ(enabled(), "CRV--");
}

} // namespace
