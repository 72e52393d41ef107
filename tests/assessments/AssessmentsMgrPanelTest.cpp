#include "tests/support/WxTest.h"

#include "assessments/AssessmentsMgrDataDlg.h"
#include "assessments/AssessmentsMgrPanel.h"
#include "external/data/AssessmentsMgr.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/stattext.h>

namespace
{

using Panel = CAssessmentsMgrPanel;
// The identifiers the panel's design fixes: the list 10, the buttons from 11 on.
static_assert(Panel::kListCtrlID == 10 && Panel::kCreateButtonID == 11 && Panel::kRemoveButtonID == 12 &&
              Panel::kViewDetailsButtonID == 13);

class AssessmentsMgrPanelTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        m_frame = new wxFrame(nullptr, wxID_ANY, "Assessments");
        m_panel = new CAssessmentsMgrPanel(m_frame);
        m_frame->Show();
        m_list = evtest::findControl<wxListCtrl>(m_panel, Panel::kListCtrlID);
    }

    // Lists files created in the temporary folder, then shows the list.
    std::vector<wxString> showFiles(const std::vector<wxString>& names)
    {
        std::vector<wxString> paths;
        for (const wxString& name : names)
        {
            paths.push_back(writeFile(name, ""));
            m_mgr.addExisting(paths.back());
        }
        m_panel->initialize(&m_mgr);
        m_panel->reloadListCtrl();
        return paths;
    }
    std::vector<wxString> column(int col) const { return evtest::columnTexts(m_list, col); }
    wxButton* button(int id) { return evtest::findControl<wxButton>(m_panel, id); }
    // A letter for each enabled button, Create, Remove, View Details; a '*' when a row is selected.
    std::string enabled()
    {
        std::string result = m_list->GetSelectedItemCount() ? "*" : "";
        for (int id = Panel::kCreateButtonID; id <= Panel::kViewDetailsButtonID; ++id)
            result += button(id)->IsEnabled() ? "CRV"[id - Panel::kCreateButtonID] : '-';
        return result;
    }
    bool onlyCreateEnabled() { return enabled() == "C--"; }
    // The entry dialog must open on `path`; it is closed with OK.
    CExpectDialog<CAssessmentsMgrDataDlg> expectEntryDialog(const wxString& path)
    {
        return CExpectDialog<CAssessmentsMgrDataDlg>(
            [path](CAssessmentsMgrDataDlg* dlg)
            {
                EXPECT_EQ(dlg->GetParent(), nullptr);
                evtest::showAsModal(dlg);
                EXPECT_EQ(evtest::findControl<wxStaticText>(dlg, CAssessmentsMgrDataDlg::kFileNameTextID)
                              ->GetLabelText(),
                          path);
                return int(wxID_OK);
            });
    }

    CAssessmentsMgr m_mgr;
    wxFrame* m_frame = nullptr;
    CAssessmentsMgrPanel* m_panel = nullptr;
    wxListCtrl* m_list = nullptr;
};

TEST_F(AssessmentsMgrPanelTest, EmptyListShowsHeadingsAndOnlyCreateWhichListsANewFile)
{
    showFiles({});
    EXPECT_EQ(evtest::columnHeadings(m_list),
              (std::vector<wxString>{"ID 45", "Assessment File Name 400"})); // of 450
    EXPECT_EQ(m_list->GetItemCount(), 0);
    EXPECT_TRUE(onlyCreateEnabled());
    // The host frame cannot shrink below the panel's layout.
    EXPECT_GE(m_frame->GetMinClientSize().x, 470);

    // Create lists a new assessment file.
    evtest::clickButton(button(Panel::kCreateButtonID));
    ASSERT_EQ(m_mgr.getCount(), 1);
    const wxFileName file(m_mgr.getDataAtIndex(0)->getAssessmentFileName());
    EXPECT_TRUE(file.FileExists());
    EXPECT_EQ(column(1), std::vector<wxString>{file.GetFullName()});
    EXPECT_TRUE(onlyCreateEnabled());
}

TEST_F(AssessmentsMgrPanelTest, RowsShowPositionsAndFileNamesAndRemoveRenumbersThem)
{
    showFiles({"a.eva", "sub dir/b.eva", "c.eva"});
    m_panel->reloadListCtrl(); // again: no row twice
    EXPECT_EQ(column(0), (std::vector<wxString>{"0", "1", "2"}));
    EXPECT_EQ(column(1), (std::vector<wxString>{"a.eva", "b.eva", "c.eva"}));
    EXPECT_EQ(m_list->GetItemData(2), wxUIntPtr(2));
    evtest::clickButton(button(Panel::kRemoveButtonID)); // nothing selected: nothing removed
    EXPECT_EQ(m_mgr.getCount(), 3);

    evtest::selectListItem(m_list, 1);
    evtest::selectListItem(m_list, 1, false);
    EXPECT_TRUE(onlyCreateEnabled());
    evtest::selectListItem(m_list, 0);
    EXPECT_EQ(enabled(), "*CRV");
    evtest::clickButton(button(Panel::kRemoveButtonID));
    EXPECT_EQ(m_mgr.getCount(), 2);
    EXPECT_EQ(column(0), (std::vector<wxString>{"0", "1"}));
    EXPECT_EQ(column(1), (std::vector<wxString>{"b.eva", "c.eva"}));
    EXPECT_TRUE(onlyCreateEnabled());
}

TEST_F(AssessmentsMgrPanelTest, ViewDetailsAndActivationOpenTheEntryDialogForTheSelectedRow)
{
    const std::vector<wxString> paths = showFiles({"a.eva", "my folder/b.eva", "c.eva"});
    evtest::clickButton(button(Panel::kViewDetailsButtonID)); // nothing selected: no dialog

    evtest::selectListItem(m_list, 1);
    wxTEST_DIALOG(evtest::clickButton(button(Panel::kViewDetailsButtonID)), expectEntryDialog(paths[1]));
    EXPECT_TRUE(onlyCreateEnabled());
    evtest::selectListItem(m_list, 2);
    wxTEST_DIALOG(evtest::activateListItem(m_list, 2), expectEntryDialog(paths[2]));
    EXPECT_TRUE(onlyCreateEnabled());
}

} // namespace
