#include "app/AssessmentCheck.h"
#include "app/AuthoringFrame.h"
#include "app/UserAssessments.h"
#include "assessment/AssessmentMgrPanel.h"
#include "tests/app/TestAssessments.h"

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/listctrl.h>

namespace
{

// A copy of the sample whose second question file is gone and whose fifth is damaged.
class PartialOpeningTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        CUserAssessments user(path("Evalon"));
        ASSERT_TRUE(user.copySample(apptest::sampleFile(), &file)) << user.getLastError();
        folder = wxFileName(file).GetPath();
        ASSERT_TRUE(wxRemoveFile(folder + "/questions/02-closest-planet.itm"));
        damaged = folder + "/questions/05-rings.itm";
        ASSERT_TRUE(wxFFile(damaged, "w").Write("<question version=\"1\""));
    }

    static wxString contents(const wxString& name)
    {
        wxString text;
        wxFFile(name).ReadAll(&text);
        return text;
    }

    wxString file;
    wxString folder;
    wxString damaged;
};

TEST_F(PartialOpeningTest, OpensWithOneMessageAndTheEntriesCanBeFixed)
{
    CAuthoringFrame* frame = nullptr;
    const auto told = [](wxMessageDialog* dlg)
    {
        const wxArrayString lines = wxSplit(dlg->GetMessage(), '\n', '\0');
        EXPECT_EQ(lines[0], "solar-system.eva opened without 2 of its question files. Their entries show as "
                            "\"(missing: ...)\": remove them or point them at another question file (Edit "
                            "menu); saving keeps them as they are.");
        EXPECT_EQ(lines.size(), 4u);
        return int(wxID_OK);
    };
    wxTEST_DIALOG(frame = CAuthoringFrame::openWindow(file, nullptr), CExpectDialog<wxMessageDialog>(told));
    ASSERT_NE(frame, nullptr);
    auto* list = evtest::findControl<wxListCtrl>(frame, CAssessmentMgrPanel::kListCtrlID);
    ASSERT_EQ(list->GetItemCount(), 10);
    EXPECT_EQ(list->GetItemText(1, 1), "(missing: questions/02-closest-planet.itm)");
    EXPECT_EQ(list->GetItemText(4, 1), "(missing: questions/05-rings.itm)");

    // The check refuses Take with both entries.
    std::unique_ptr<CAssessmentCheck> check = frame->checkAssessment();
    ASSERT_EQ(check->getProblems().size(), 2u);
    EXPECT_TRUE(check->hasErrors());
    EXPECT_EQ(check->getProblems()[1].questionPosition, 5u);

    // Saving keeps the entries and leaves the damaged file as it is.
    const wxString before = contents(file);
    const auto send = [&](int id)
    {
        wxCommandEvent command(wxEVT_MENU, id);
        frame->GetEventHandler()->ProcessEvent(command);
    };
    send(wxID_SAVE);
    EXPECT_EQ(contents(file), before);
    EXPECT_EQ(contents(damaged), "<question version=\"1\"");

    // Pointed at another file, the second entry is a question again (and undoable).
    evtest::selectListItem(list, 1);
    const wxString replacement = folder + "/questions/03-sunlight.itm";
    wxTEST_DIALOG(send(CAuthoringFrame::kPointEntryID), expectFileDialog(replacement));
    EXPECT_EQ(list->GetItemText(1, 1), "How long does sunlight take to reach the Earth?");
    EXPECT_EQ(frame->checkAssessment()->getProblems().size(), 2u); // now the same question twice, a warning
    send(wxID_UNDO);
    EXPECT_EQ(list->GetItemText(1, 1), "(missing: questions/02-closest-planet.itm)");

    // Removed, the damaged entry is gone from the saved file.
    evtest::selectListItem(list, 4);
    wxTEST_DIALOG(
        send(CAuthoringFrame::kRemoveQuestionID),
        expectMessage("Remove question 5 (\"(missing: questions/05-rings.itm)\") from the assessment?",
                      wxID_YES));
    send(wxID_SAVE);
    EXPECT_FALSE(contents(file).Contains("05-rings.itm"));
    EXPECT_TRUE(contents(file).Contains("02-closest-planet.itm"));
    EXPECT_EQ(contents(damaged), "<question version=\"1\"");
    frame->Destroy();
}

} // namespace
