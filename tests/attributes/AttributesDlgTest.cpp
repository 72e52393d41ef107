#include "attributes/EVAttributesDlg.h"
#include "attributes/EVAttributesNotebook.h"
#include "external/data/EVAttributes.h"
#include "tests/support/ChooserDialogs.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/textctrl.h>

namespace
{

using ImageID = CEVImageSelections::imageID;

enum ePage
{
    eFontPage = 0,
    eImagePage1,
    eImagePage2,
};

CEVAttributesNotebook* notebookOf(wxDialog* dlg)
{
    for (wxWindow* child : dlg->GetChildren())
        if (auto* notebook = dynamic_cast<CEVAttributesNotebook*>(child))
            return notebook;
    ADD_FAILURE() << "the dialog has no notebook";
    return nullptr;
}

wxTextCtrl* box(wxDialog* dlg, ePage page, int id)
{
    return evtest::findControl<wxTextCtrl>(notebookOf(dlg)->GetPage(page), id);
}

wxString relativePathOf(CEVAttributes& attributes, ImageID image)
{
    return attributes.getImageSelections()->getImageSelectionsInfoFor(image)->getRelativePath();
}

// The path box identifiers of each image's row, by image.
struct SRowBox
{
    ImageID image;
    ePage page;
    int pathBoxID;
};

const std::vector<SRowBox> kRowBoxes{
    {CEVImageSelections::eQuestionBackground, eImagePage1, 1},
    {CEVImageSelections::eAnswerButtonCold, eImagePage1, 4},
    {CEVImageSelections::eAnswerButtonHot, eImagePage1, 7},
    {CEVImageSelections::eAnswerButtonChecked, eImagePage1, 10},
    {CEVImageSelections::eAnswersSubmittalBackground, eImagePage1, 13},
    {CEVImageSelections::eReviewBackground, eImagePage1, 16},
    {CEVImageSelections::eCongratulationsBackground, eImagePage1, 19},
    {CEVImageSelections::ePreviousCold, eImagePage2, 0},
    {CEVImageSelections::ePreviousHot, eImagePage2, 2},
    {CEVImageSelections::eNextCold, eImagePage2, 4},
    {CEVImageSelections::eNextHot, eImagePage2, 6},
    {CEVImageSelections::eSubmitCold, eImagePage2, 8},
    {CEVImageSelections::eSubmitHot, eImagePage2, 10},
};

class AttributesDlgTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        evtest::CTempDirTest::SetUp();
        CEVFontInfo* font = m_attributes.getFontInfo();
        font->setFontFaceName("Arial");
        font->setFontSize(12);
        font->setFontColour(wxColour(0, 128, 255));
        for (const SRowBox& row : kRowBoxes)
            m_attributes.getImageSelections()->getImageSelectionsInfoFor(row.image)->setRelativePath(
                wxString::Format("old/%d.jpg", int(row.image)));
    }

    // Shows the dialog modally as the host does; `edit` works in it and says
    // which button closes it.
    int run(const std::function<int(CEVAttributesDlg*)>& edit, bool initialize = true)
    {
        CEVAttributesDlg dlg;
        if (initialize)
            dlg.initialize(&m_attributes);
        int result = wxID_NONE;
        wxTEST_DIALOG(result = dlg.ShowModal(), CExpectDialog<CEVAttributesDlg>(
                                                    [&](CEVAttributesDlg* shown)
                                                    {
                                                        evtest::showAsModal(shown);
                                                        return edit(shown);
                                                    }));
        return result;
    }

    CEVAttributes m_attributes;
};

TEST_F(AttributesDlgTest, OpensOnTheFontPageAboveCancelAndOkAtTheRight)
{
    run(
        [](CEVAttributesDlg* dlg)
        {
            EXPECT_EQ(dlg->GetTitle(), "Attributes");
            CEVAttributesNotebook* notebook = notebookOf(dlg);
            EXPECT_EQ(notebook->GetPageCount(), 3u);
            EXPECT_EQ(notebook->GetSelection(), eFontPage);
            EXPECT_EQ(notebook->GetPageText(eFontPage), "Font Info");
            EXPECT_EQ(notebook->GetPageText(eImagePage1), "Image Selections 1");
            EXPECT_EQ(notebook->GetPageText(eImagePage2), "Image Selections 2");
            EXPECT_EQ(box(dlg, eFontPage, 0)->GetValue(), "Arial");

            auto* ok = evtest::findControl<wxButton>(dlg, wxID_OK);
            auto* cancel = evtest::findControl<wxButton>(dlg, wxID_CANCEL);
            EXPECT_EQ(ok->GetLabel(), "&OK");
            EXPECT_EQ(cancel->GetLabel(), "&Cancel");
            const wxRect notebookRect = notebook->GetRect();
            EXPECT_LT(cancel->GetRect().GetRight(), ok->GetPosition().x);
            EXPECT_GT(cancel->GetPosition().y, notebookRect.GetBottom());
            EXPECT_EQ(cancel->GetPosition().y, ok->GetPosition().y);
            EXPECT_EQ(ok->GetRect().GetRight() + 10, dlg->GetClientSize().x - 1);
            EXPECT_EQ(notebookRect.GetRight() + 10, dlg->GetClientSize().x - 1);

            // Made wider, the dialog keeps the notebook and the buttons at its
            // edges and gives the path boxes the room.
            wxTextCtrl* pathBox = box(dlg, eImagePage1, 1);
            const int boxWidth = pathBox->GetSize().x;
            dlg->SetSize(dlg->GetSize() + wxSize(200, 0));
            notebook->SetSelection(eImagePage1);
            // GTK hands the notebook page its new size asynchronously.
            EXPECT_TRUE(evtest::pumpUntil([&] { return pathBox->GetSize().x == boxWidth + 200; }));
            EXPECT_EQ(notebook->GetRect().GetRight() + 10, dlg->GetClientSize().x - 1);
            EXPECT_EQ(ok->GetRect().GetRight() + 10, dlg->GetClientSize().x - 1);
            return evtest::pressDialogButton(dlg, wxID_CANCEL);
        });
}

TEST_F(AttributesDlgTest, WithoutInitializeTheBoxesAreEmptyAndOkWritesNothing)
{
    const CEVAttributes before = m_attributes;
    EXPECT_EQ(run(
                  [](CEVAttributesDlg* dlg)
                  {
                      EXPECT_EQ(box(dlg, eFontPage, 0)->GetValue(), "");
                      EXPECT_EQ(box(dlg, eImagePage1, 1)->GetValue(), "");
                      EXPECT_EQ(box(dlg, eImagePage2, 10)->GetValue(), "");
                      return evtest::pressDialogButton(dlg, wxID_OK);
                  },
                  false),
              wxID_OK);
    EXPECT_TRUE(m_attributes == before);
}

TEST_F(AttributesDlgTest, OkWritesTheRowsOfBothPagesAndResolvesThem)
{
    writeFile("pictures/next.jpg", "x");
    EXPECT_EQ(run(
                  [](CEVAttributesDlg* dlg)
                  {
                      for (const SRowBox& row : kRowBoxes)
                          box(dlg, row.page, row.pathBoxID)
                              ->ChangeValue(wxString::Format("new/%d.jpg", int(row.image)));
                      box(dlg, eImagePage1, 16)->ChangeValue("");
                      wxTEST_DIALOG(evtest::clickButton(evtest::findControl<wxButton>(
                                        notebookOf(dlg)->GetPage(eImagePage2), 5)),
                                    expectFileDialog(wxFileName::GetCwd() + "/pictures/next.jpg"));
                      return evtest::pressDialogButton(dlg, wxID_OK);
                  }),
              wxID_OK);

    for (const SRowBox& row : kRowBoxes)
    {
        SCOPED_TRACE(int(row.image));
        wxString expected = wxString::Format("new/%d.jpg", int(row.image));
        if (row.image == CEVImageSelections::eReviewBackground)
            expected = "";
        if (row.image == CEVImageSelections::eNextCold)
            expected = "pictures/next.jpg";
        EXPECT_EQ(relativePathOf(m_attributes, row.image), expected);
        const wxString absolute =
            m_attributes.getImageSelections()->getImageSelectionsInfoFor(row.image)->getAbsolutePath();
        EXPECT_EQ(absolute, expected.empty() ? wxString() : path(expected));
    }
}

TEST_F(AttributesDlgTest, CancelWritesNoPathButKeepsAConfirmedFont)
{
    const wxFont chosen(wxFontInfo(17).FaceName("DejaVu Serif"));
    EXPECT_EQ(run(
                  [&](CEVAttributesDlg* dlg)
                  {
                      wxWindow* fontPage = notebookOf(dlg)->GetPage(eFontPage);
                      wxTEST_DIALOG(evtest::clickButton(evtest::findControl<wxButton>(fontPage, 2)),
                                    expectFontDialog(chosen));
                      box(dlg, eImagePage1, 13)->ChangeValue("changed.jpg");
                      box(dlg, eImagePage2, 0)->ChangeValue("changed.jpg");
                      return evtest::pressDialogButton(dlg, wxID_CANCEL);
                  }),
              wxID_CANCEL);

    EXPECT_EQ(m_attributes.getFontInfo()->getFontFaceName(), "DejaVu Serif");
    EXPECT_EQ(m_attributes.getFontInfo()->getFontSize(), 17);
    for (const SRowBox& row : kRowBoxes)
        EXPECT_EQ(relativePathOf(m_attributes, row.image), wxString::Format("old/%d.jpg", int(row.image)));
}

} // namespace
