#include "attributes/EVImageSelections1Panel.h"
#include "attributes/EVImageSelections2Panel.h"
#include "tests/attributes/ImageRows.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

// The page's labels in creation order, which is row order.
std::vector<wxStaticText*> labelsOf(wxWindow* page)
{
    return evtest::childrenOf<wxStaticText>(page);
}

class ImageSelectionsPanelTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        evtest::CTempDirTest::SetUp();
        setOldPaths(m_selections);
        m_frame = new wxFrame(nullptr, wxID_ANY, "host");
        m_frame->SetSizer(new wxBoxSizer(wxHORIZONTAL));
    }

    template <class Page> Page* makePage()
    {
        auto* page = new Page(m_frame, 1);
        m_frame->GetSizer()->Add(page, 1, wxEXPAND);
        m_frame->Fit();
        m_frame->Show();
        return page;
    }

    wxTextCtrl* pathBox(wxWindow* page, int id) const { return evtest::findControl<wxTextCtrl>(page, id); }
    void browse(wxWindow* page, int buttonID) const
    {
        evtest::clickButton(evtest::findControl<wxButton>(page, buttonID));
    }

    CEVImageSelections m_selections;
    wxFrame* m_frame = nullptr;
};

TEST_F(ImageSelectionsPanelTest, EachRowShowsItsImageUnderItsLabelAndItsBrowseButtonFillsOnlyIt)
{
    auto* page1 = makePage<CEVImageSelections1Panel>();
    auto* page2 = makePage<CEVImageSelections2Panel>();
    wxPanel* pages[] = {page1, page2};
    for (wxPanel* page : pages) // without image selections the transfers have nothing to do
        EXPECT_TRUE(page->TransferDataToWindow() && page->TransferDataFromWindow());
    page1->initialize(&m_selections);
    page2->initialize(&m_selections);
    for (wxPanel* page : pages)
        page->Layout();
    size_t rowsSeen[] = {0, 0};
    wxTextCtrl* previousBox = nullptr;
    for (const SImageRow& row : imageRows())
    {
        SCOPED_TRACE(int(row.image));
        wxWindow* page = pages[row.page - 1];
        const size_t index = rowsSeen[row.page - 1]++;
        wxStaticText* label = labelsOf(page).at(index);
        wxTextCtrl* box = pathBox(page, row.pathBoxID);
        auto* button = evtest::findControl<wxButton>(page, row.buttonID);
        ASSERT_TRUE(box && button);
        const CImageSelectionsInfo* info = m_selections.getImageSelectionsInfoFor(row.image);
        EXPECT_EQ(label->GetLabelText(), info->getLabel());
        EXPECT_EQ(box->GetValue(), info->getRelativePath());
        EXPECT_EQ(box->GetSize().x, 300);
        // Top-aligned in its row: the button is not centred on the box.
        EXPECT_EQ(button->GetPosition().y, box->GetPosition().y);
        EXPECT_EQ(button->GetPosition().x, box->GetRect().GetRight() + 1 + 10);
        // The label above its box, the button right of it, each row below the one before.
        EXPECT_LT(label->GetRect().GetBottom(), box->GetPosition().y);
        if (index > 0)
        {
            EXPECT_GT(label->GetPosition().y, previousBox->GetRect().GetBottom());
        }
        previousBox = box;
    }
    EXPECT_EQ(std::make_pair(labelsOf(pages[0]).size(), labelsOf(pages[1]).size()),
              std::make_pair(rowsSeen[0], rowsSeen[1]));

    // Each browse button fills its own row only.
    writeFile("chosen.jpg", "x");
    for (const SImageRow& row : imageRows())
    {
        SCOPED_TRACE(int(row.image));
        wxWindow* page = pages[row.page - 1];
        wxTEST_DIALOG(browse(page, row.buttonID), expectFileDialog(path("chosen.jpg")));
        for (const SImageRow& other : imageRows())
            EXPECT_EQ(pathBox(pages[other.page - 1], other.pathBoxID)->GetValue(),
                      &other <= &row ? "chosen.jpg" : oldPath(other.image));
    }
}

TEST_F(ImageSelectionsPanelTest, ChosenFileIsShownRelativeToTheWorkingDirectory)
{
    // The working directory has a subfolder and a sibling folder.
    writeFile("work/pictures/inside.jpg", "x");
    writeFile("work/here.jpeg", "x");
    writeFile("other/outside.jpg", "x");
    const wxString cwd = path("work");
    ASSERT_TRUE(wxSetWorkingDirectory(cwd));
    // A file chosen in the dialog (none: Cancel) and what the row's box shows then.
    const std::vector<std::pair<wxString, wxString>> cases{
        {path("work/pictures/inside.jpg"), "pictures/inside.jpg"},
        {path("work/here.jpeg"), "here.jpeg"},
        {path("other/outside.jpg"), "../other/outside.jpg"},
        {"", "../other/outside.jpg"},
    };

    auto* page = makePage<CEVImageSelections1Panel>();
    page->initialize(&m_selections);
    wxTextCtrl* box = pathBox(page, 1);
    box->ChangeValue("");
    for (const auto& [fileInDialog, expectedInBox] : cases)
    {
        SCOPED_TRACE(fileInDialog.utf8_string());
        // The dialog opens in the working directory, on the file the row names.
        const wxString before = box->GetValue();
        wxTEST_DIALOG(browse(page, 2),
                      expectFileDialog(fileInDialog,
                                       [&](wxFileDialog* dlg)
                                       {
                                           EXPECT_EQ(dlg->GetWildcard(),
                                                     "Joint Photographic Experts Group Files "
                                                     "(*.jpg,*.jpeg)|*.jpg;*.jpeg");
                                           EXPECT_FALSE(dlg->HasFlag(wxFD_SAVE));
                                           wxFileName named(before.empty() ? cwd + "/" : before);
                                           named.MakeAbsolute(cwd);
                                           EXPECT_EQ(dlg->GetDirectory(), named.GetPath());
                                           EXPECT_EQ(dlg->GetFilename(), named.GetFullName());
                                       }));
        EXPECT_EQ(box->GetValue(), expectedInBox);
    }
    // Browsing writes nothing to the image selections.
    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::eQuestionBackground),
              oldPath(CEVImageSelections::eQuestionBackground));
}

} // namespace
