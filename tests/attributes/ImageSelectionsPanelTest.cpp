#include "attributes/EVImageSelections1Panel.h"
#include "attributes/EVImageSelections2Panel.h"
#include "external/data/EVImageSelections.h"
#include "tests/support/WxTest.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

using ImageID = CEVImageSelections::imageID;

// One row as a user finds it on a page.
struct SRow
{
    ImageID image;
    int pathBoxID;
    int buttonID;
};

const std::vector<SRow> kPage1Rows{
    {CEVImageSelections::eQuestionBackground, 1, 2},
    {CEVImageSelections::eAnswerButtonCold, 4, 5},
    {CEVImageSelections::eAnswerButtonHot, 7, 8},
    {CEVImageSelections::eAnswerButtonChecked, 10, 11},
    {CEVImageSelections::eAnswersSubmittalBackground, 13, 14},
    {CEVImageSelections::eReviewBackground, 16, 17},
    {CEVImageSelections::eCongratulationsBackground, 19, 20},
};

const std::vector<SRow> kPage2Rows{
    {CEVImageSelections::ePreviousCold, 0, 1}, {CEVImageSelections::ePreviousHot, 2, 3},
    {CEVImageSelections::eNextCold, 4, 5},     {CEVImageSelections::eNextHot, 6, 7},
    {CEVImageSelections::eSubmitCold, 8, 9},   {CEVImageSelections::eSubmitHot, 10, 11},
};

const wxString kJpegWildcard = "Joint Photographic Experts Group Files (*.jpg,*.jpeg)|*.jpg;*.jpeg";

wxString relativePathOf(CEVImageSelections& selections, ImageID image)
{
    return selections.getImageSelectionsInfoFor(image)->getRelativePath();
}

// The page's labels in creation order, which is row order.
std::vector<wxStaticText*> labelsOf(wxWindow* page)
{
    std::vector<wxStaticText*> labels;
    for (wxWindow* child : page->GetChildren())
        if (auto* label = dynamic_cast<wxStaticText*>(child))
            labels.push_back(label);
    return labels;
}

class ImageSelectionsPanelTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        evtest::CTempDirTest::SetUp();
        for (unsigned id = 0; id < CEVImageSelections::kNumImages; ++id)
            m_selections.getImageSelectionsInfoFor(ImageID(id))
                ->setRelativePath(wxString::Format("old/%u.jpg", id));
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

TEST_F(ImageSelectionsPanelTest, EachRowShowsItsImageUnderItsLabelOnceInitialized)
{
    auto checkPage = [&](wxWindow* page, const std::vector<SRow>& rows)
    {
        std::vector<wxStaticText*> labels = labelsOf(page);
        ASSERT_EQ(labels.size(), rows.size());
        for (wxStaticText* label : labels)
            EXPECT_EQ(label->GetLabel(), "");

        static_cast<CEVImageSelectionsPanelBase*>(page)->initialize(&m_selections);
        page->Layout();
        for (size_t row = 0; row < rows.size(); ++row)
        {
            SCOPED_TRACE(row + 1);
            const CImageSelectionsInfo* info = m_selections.getImageSelectionsInfoFor(rows[row].image);
            wxTextCtrl* box = pathBox(page, rows[row].pathBoxID);
            auto* button = evtest::findControl<wxButton>(page, rows[row].buttonID);
            ASSERT_TRUE(box && button);
            EXPECT_EQ(labels[row]->GetLabelText(), info->getLabel());
            EXPECT_EQ(box->GetValue(), info->getRelativePath());
            EXPECT_EQ(button->GetLabel(), "Browse...");
            EXPECT_GE(box->GetSize().x, 300);
            // Label above the box, button right of it, and the row below the previous one.
            EXPECT_LT(labels[row]->GetRect().GetBottom(), box->GetPosition().y);
            EXPECT_GT(button->GetPosition().x, box->GetRect().GetRight());
            EXPECT_NEAR(button->GetRect().GetTop() + button->GetSize().y / 2,
                        box->GetRect().GetTop() + box->GetSize().y / 2, 2);
            if (row > 0)
            {
                EXPECT_GT(labels[row]->GetPosition().y,
                          pathBox(page, rows[row - 1].pathBoxID)->GetRect().GetBottom());
            }
        }
    };
    checkPage(makePage<CEVImageSelections1Panel>(), kPage1Rows);
    checkPage(makePage<CEVImageSelections2Panel>(), kPage2Rows);
}

// A file chosen in the dialog and the text the row's box shows then.
struct SBrowseCase
{
    wxString fileInDialog;
    wxString expectedInBox;
};

TEST_F(ImageSelectionsPanelTest, ChosenFileIsShownRelativeToTheWorkingDirectory)
{
    // The working directory is a folder next to the one holding the "elsewhere" file.
    writeFile("work/pictures/inside.jpg", "x");
    writeFile("work/here.jpeg", "x");
    writeFile("other/outside.jpg", "x");
    const wxString cwd = path("work");
    ASSERT_TRUE(wxSetWorkingDirectory(cwd));
    const std::vector<SBrowseCase> cases{
        {path("work/pictures/inside.jpg"), "pictures/inside.jpg"},
        {path("work/here.jpeg"), "here.jpeg"},
        {path("other/outside.jpg"), "../other/outside.jpg"},
    };

    auto* page = makePage<CEVImageSelections1Panel>();
    page->initialize(&m_selections);
    wxTextCtrl* box = pathBox(page, 1);
    box->ChangeValue("");
    for (const SBrowseCase& browseCase : cases)
    {
        SCOPED_TRACE(browseCase.fileInDialog.utf8_string());
        // The dialog opens on the file the row names, relative to the working directory.
        const wxString before = box->GetValue();
        wxTEST_DIALOG(browse(page, 2),
                      expectFileDialog(browseCase.fileInDialog,
                                       [&](wxFileDialog* dlg)
                                       {
                                           EXPECT_EQ(dlg->GetWildcard(), kJpegWildcard);
                                           EXPECT_FALSE(dlg->HasFlag(wxFD_SAVE) ||
                                                        dlg->HasFlag(wxFD_MULTIPLE));
                                           wxFileName opened(dlg->GetDirectory(), dlg->GetFilename());
                                           wxFileName expected(before);
                                           expected.MakeAbsolute(cwd);
                                           EXPECT_EQ(opened.GetFullPath(),
                                                     before.empty() ? cwd + "/" : expected.GetFullPath());
                                       }));
        EXPECT_EQ(box->GetValue(), browseCase.expectedInBox);
        // The resolved path is the chosen file.
        wxFileName resolved(box->GetValue());
        resolved.MakeAbsolute(cwd);
        EXPECT_EQ(resolved.GetFullPath(), browseCase.fileInDialog);
    }
    // Browsing writes nothing to the image selections.
    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::eQuestionBackground), "old/0.jpg");
}

TEST_F(ImageSelectionsPanelTest, CancelledFileDialogLeavesTheBox)
{
    auto* page = makePage<CEVImageSelections2Panel>();
    page->initialize(&m_selections);
    wxTEST_DIALOG(browse(page, 9), expectFileDialog(""));
    EXPECT_EQ(pathBox(page, 8)->GetValue(), "old/8.jpg");
}

TEST_F(ImageSelectionsPanelTest, WritingBackStoresEveryBoxOfThePageAsItStandsAndResolvesThePaths)
{
    auto* page = makePage<CEVImageSelections1Panel>();
    page->initialize(&m_selections);
    pathBox(page, 1)->ChangeValue("typed by hand.jpg");
    pathBox(page, 4)->ChangeValue("");

    EXPECT_TRUE(page->TransferDataFromWindow());

    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::eQuestionBackground), "typed by hand.jpg");
    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::eAnswerButtonCold), "");
    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::eCongratulationsBackground), "old/12.jpg");
    EXPECT_EQ(
        m_selections.getImageSelectionsInfoFor(CEVImageSelections::eQuestionBackground)->getAbsolutePath(),
        path("typed by hand.jpg"));
    // The other page's images are not this page's business.
    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::ePreviousCold), "old/4.jpg");
}

TEST_F(ImageSelectionsPanelTest, RowFiveOfTheFirstPageEditsTheSubmitPageBackground)
{
    writeFile("submitted.jpg", "x");
    auto* page = makePage<CEVImageSelections1Panel>();
    page->initialize(&m_selections);
    EXPECT_EQ(
        labelsOf(page)[4]->GetLabelText(),
        m_selections.getImageSelectionsInfoFor(CEVImageSelections::eAnswersSubmittalBackground)->getLabel());

    wxTEST_DIALOG(browse(page, 14), expectFileDialog(path("submitted.jpg")));
    EXPECT_EQ(pathBox(page, 13)->GetValue(), "submitted.jpg");
    page->TransferDataFromWindow();

    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::eAnswersSubmittalBackground), "submitted.jpg");
    for (ImageID other : {CEVImageSelections::eSubmitCold, CEVImageSelections::eSubmitHot})
        EXPECT_EQ(relativePathOf(m_selections, other), wxString::Format("old/%d.jpg", int(other)));
}

TEST_F(ImageSelectionsPanelTest, WithoutImageSelectionsTransfersChangeNothingAndBrowsingStillWorks)
{
    writeFile("a.jpg", "x");
    auto* page = makePage<CEVImageSelections2Panel>();
    EXPECT_TRUE(page->TransferDataToWindow());
    EXPECT_TRUE(page->TransferDataFromWindow());
    wxTEST_DIALOG(browse(page, 1), expectFileDialog(path("a.jpg")));
    EXPECT_EQ(pathBox(page, 0)->GetValue(), "a.jpg");
    EXPECT_TRUE(page->TransferDataFromWindow());
    EXPECT_EQ(relativePathOf(m_selections, CEVImageSelections::ePreviousCold), "old/4.jpg");
}

} // namespace
