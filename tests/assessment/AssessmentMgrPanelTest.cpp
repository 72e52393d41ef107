#include "tests/assessment/AssessmentScripts.h"

#include "assessment/AssessmentMgrPanel.h"
#include "assessment/EVAssessmentMgrDataDlg.h"

#include <wx/frame.h>

namespace
{

using Panel = CAssessmentMgrPanel;
// The identifiers the panel's design fixes: the list 10, the buttons from 11 on.
static_assert(Panel::kListCtrlID == 10 && Panel::kCreateButtonID == 11 && Panel::kRemoveButtonID == 12 &&
              Panel::kViewDetailsButtonID == 13 && Panel::kMoveUpButtonID == 14 &&
              Panel::kMoveDownButtonID == 15);

const wxString kFileNameNeeded =
    "A file name must be entered to successfully complete the addition of the "
    "question data.\n\nIf you would like to Cancel the addition, click the Cancel "
    "button below, otherwise click OK and select a file name.";

CExpectDialog<wxMessageDialog> explanation()
{
    return expectMessage(
        "The data entered must be stored to a file for reference by Itemary.  Browse to a desired "
        "location for the file to be stored.  This is the same process as you would go through "
        "by clicking the File->Save As... menu item.",
        wxID_OK, "Save Data To File");
}

CExpectDialog<wxFileDialog> fileChoice(const wxString& chosen)
{
    return expectFileDialog(chosen,
                            [](wxFileDialog* dlg)
                            {
                                EXPECT_EQ(dlg->GetWildcard(), "Itemary Files (*.itm)|*.itm");
                                EXPECT_TRUE(dlg->HasFlag(wxFD_SAVE | wxFD_OVERWRITE_PROMPT));
                            });
}

class AssessmentMgrPanelTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        frame = new wxFrame(nullptr, wxID_ANY, "Questions");
        panel = new CAssessmentMgrPanel(frame);
        frame->Show();
        list = evtest::findControl<wxListCtrl>(panel, Panel::kListCtrlID);
    }

    void show(const std::vector<wxString>& texts)
    {
        for (const wxString& text : texts)
            ids.push_back(addQuestion(mgr, text));
        panel->initialize(&mgr);
        panel->reloadListCtrl();
    }
    std::vector<wxString> column(int col) const { return evtest::columnTexts(list, col); }
    void click(int id) { evtest::clickButton(panel->FindWindow(id)); }
    // A letter for each enabled button: Create, Remove, View Details, Up, Down.
    std::string enabled()
    {
        std::string result;
        for (int id = Panel::kCreateButtonID; id <= Panel::kMoveDownButtonID; ++id)
            result += panel->FindWindow(id)->IsEnabled() ? "CRVUD"[id - Panel::kCreateButtonID] : '-';
        return result;
    }
    bool rebuiltWithoutSelection() { return list->GetSelectedItemCount() == 0 && enabled() == "C----"; }

    CAssessmentMgr mgr;
    std::vector<int> ids;
    wxFrame* frame = nullptr;
    CAssessmentMgrPanel* panel = nullptr;
    wxListCtrl* list = nullptr;
};

TEST_F(AssessmentMgrPanelTest, HeadingsRowsAndButtonsFollowTheAssessmentAndTheSelection)
{
    EXPECT_EQ(evtest::columnHeadings(list),
              (std::vector<wxString>{"Question ID 90", "Question Data 355"})); // of 450
    EXPECT_GE(frame->GetMinClientSize().x, 470); // the host cannot shrink below the layout
    panel->initialize(&mgr);
    EXPECT_EQ(enabled(), "C----");

    // An entry whose question is gone still gets a row, to be seen and removed.
    mgr.getDataCollection()->Add(new CAssessmentMgrData(-4));
    show({"Mercury?", "Venus?"});
    EXPECT_EQ(column(0), (std::vector<wxString>{"-4", "1", "2"}));
    EXPECT_EQ(column(1), (std::vector<wxString>{"", "Mercury?", "Venus?"}));
    EXPECT_EQ(list->GetItemData(2), wxUIntPtr(2));

    const std::pair<long, std::string> rules[] = {{0, "CRV-D"}, {1, "CRVUD"}, {2, "CRVU-"}};
    for (const auto& [row, expected] : rules)
    {
        evtest::selectListItem(list, row);
        EXPECT_EQ(enabled(), expected) << row;
    }
    evtest::selectListItem(list, 2, false);
    EXPECT_EQ(enabled(), "C----");
}

TEST_F(AssessmentMgrPanelTest, MovesAndRemovalRebuildTheListWithoutSelection)
{
    show({"A", "B", "C"});
    for (int id : {Panel::kRemoveButtonID, Panel::kMoveUpButtonID, Panel::kMoveDownButtonID,
                   Panel::kViewDetailsButtonID}) // nothing selected: nothing happens
        click(id);
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "B", "C"}));

    evtest::selectListItem(list, 2);
    click(Panel::kMoveUpButtonID);
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "C", "B"}));
    EXPECT_EQ(mgr.getDataAtIndex(1)->m_questionID, ids[2]);
    EXPECT_TRUE(rebuiltWithoutSelection());

    evtest::selectListItem(list, 0);
    click(Panel::kMoveDownButtonID);
    EXPECT_EQ(column(1), (std::vector<wxString>{"C", "A", "B"}));
    EXPECT_TRUE(rebuiltWithoutSelection());

    for (long row : {2, 0})
    {
        evtest::selectListItem(list, row);
        click(Panel::kRemoveButtonID);
        EXPECT_TRUE(rebuiltWithoutSelection());
    }
    EXPECT_EQ(column(1), std::vector<wxString>{"A"});
    evtest::selectListItem(list, 0); // first and last at once
    EXPECT_EQ(enabled(), "CRV--");
}

TEST_F(AssessmentMgrPanelTest, ViewDetailsAndActivationOpenTheSelectedEntry)
{
    show({"A", "B", "C"});
    const auto entryDialog = [&](CEVAssessmentMgrDataDlg* dlg)
    {
        evtest::showAsModal(dlg);
        EXPECT_EQ(dlg->FindWindow(CEVAssessmentMgrDataDlg::kQuestionIDTextID)->GetLabel(),
                  wxString::Format("%d", ids[1]));
        return evtest::pressDialogButton(dlg, wxID_OK);
    };
    evtest::selectListItem(list, 1);
    wxTEST_DIALOG(click(Panel::kViewDetailsButtonID), CExpectDialog<CEVAssessmentMgrDataDlg>(entryDialog));
    EXPECT_TRUE(rebuiltWithoutSelection());
    evtest::selectListItem(list, 1);
    wxTEST_DIALOG(evtest::activateListItem(list, 1), CExpectDialog<CEVAssessmentMgrDataDlg>(entryDialog));
    EXPECT_TRUE(rebuiltWithoutSelection());
}

TEST_F(AssessmentMgrPanelTest, AddingWritesTheQuestionFileAndListsTheNewEntry)
{
    show({"A"});
    const wxString chosen = path("new question.itm");
    // Leading blanks are text. Two declined file choices, each answered OK,
    // then a file: the explanation comes once.
    wxTEST_DIALOG(click(Panel::kCreateButtonID), editQuestion("  Which moon is largest?"), explanation(),
                  fileChoice(""), expectMessage(kFileNameNeeded, wxID_OK, "Invalid File Name"),
                  fileChoice(""), expectMessage(kFileNameNeeded, wxID_OK), fileChoice(chosen));

    ASSERT_EQ(mgr.getCount(), 2u);
    const int newID = mgr.getDataAtIndex(1)->m_questionID;
    EXPECT_NE(newID, ids[0]);
    EXPECT_EQ(mgr.getQuestionDataMgr()->getQuestionDataForID(newID)->getFileNameReference(), chosen);
    EXPECT_EQ(questionInFile(chosen), "  Which moon is largest?");
    EXPECT_EQ(column(0),
              (std::vector<wxString>{wxString::Format("%d", ids[0]), wxString::Format("%d", newID)}));
    EXPECT_EQ(column(1), (std::vector<wxString>{"A", "  Which moon is largest?"}));
    EXPECT_TRUE(rebuiltWithoutSelection());
}

TEST_F(AssessmentMgrPanelTest, AddingThatStopsOrCannotWriteTheFileAddsNoEntry)
{
    show({"A"});
    evtest::selectListItem(list, 0);
    wxTEST_DIALOG(click(Panel::kCreateButtonID), editQuestion("Which moon?", wxID_CANCEL));
    wxTEST_DIALOG(
        click(Panel::kCreateButtonID), editQuestion(" \n\t \n "),
        expectMessage("The question field was empty.  Adding an empty question is not a valid option.",
                      wxID_OK, "Message"));
    wxTEST_DIALOG(click(Panel::kCreateButtonID), editQuestion("Which moon?"), explanation(), fileChoice(""),
                  expectMessage(kFileNameNeeded, wxID_CANCEL));
    EXPECT_EQ(mgr.getQuestionDataMgr()->getCount(), 1u);

    // A name longer than the file system allows (the file dialog takes no
    // path below a regular file). The question is registered first.
    const wxString tooLong = path(wxString('q', 300) + ".itm");
    wxTEST_DIALOG(click(Panel::kCreateButtonID), editQuestion("Which moon?"), explanation(),
                  fileChoice(tooLong));
    ASSERT_EQ(mgr.getQuestionDataMgr()->getCount(), 2u);
    EXPECT_EQ(mgr.getQuestionDataMgr()->getQuestionDataForID(ids[0] + 1)->getFileNameReference(), tooLong);

    // No new entry, and the panel is as it was, its selection included.
    EXPECT_EQ(mgr.getCount(), 1u);
    EXPECT_EQ(column(1), std::vector<wxString>{"A"});
    EXPECT_EQ(enabled(), "CRV--");
}

} // namespace
