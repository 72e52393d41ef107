#include "attributes/EVAttributesDlg.h"
#include "attributes/EVAttributesNotebook.h"
#include "external/data/EVAttributes.h"
#include "tests/attributes/ImageRows.h"
#include "tests/support/ChooserDialogs.h"

#include <wx/button.h>
#include <wx/textctrl.h>

namespace
{

const int kFontPage = 0;

CEVAttributesNotebook* notebookOf(wxDialog* dlg)
{
    for (wxWindow* child : dlg->GetChildren())
        if (auto* notebook = dynamic_cast<CEVAttributesNotebook*>(child))
            return notebook;
    ADD_FAILURE() << "the dialog has no notebook";
    return nullptr;
}

template <class T> T* control(wxDialog* dlg, int page, int id)
{
    return evtest::findControl<T>(notebookOf(dlg)->GetPage(page), id);
}

wxTextCtrl* pathBox(wxDialog* dlg, const SImageRow& row)
{
    return control<wxTextCtrl>(dlg, row.page, row.pathBoxID);
}

class AttributesDlgTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        evtest::CTempDirTest::SetUp();
        m_attributes.getFontInfo()->setFontFaceName("Arial");
        setOldPaths(*m_attributes.getImageSelections());
    }

    // Shows the dialog modally as the host does; `edit` works in it and
    // returns what the button that closes it returns.
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

TEST_F(AttributesDlgTest, OpensOnTheFontPageAboveCancelAndOkAtTheRightAndWithoutDataWritesNothing)
{
    const CEVAttributes before = m_attributes;
    auto check = [](CEVAttributesDlg* dlg)
    {
        CEVAttributesNotebook* notebook = notebookOf(dlg);
        ASSERT_EQ(notebook->GetPageCount(), 3u);
        EXPECT_EQ(notebook->GetSelection(), kFontPage);
        EXPECT_EQ(control<wxTextCtrl>(dlg, kFontPage, 0)->GetValue(), "");
        for (const SImageRow& row : imageRows())
            EXPECT_EQ(pathBox(dlg, row)->GetValue(), "");

        auto* ok = evtest::findControl<wxButton>(dlg, wxID_OK);
        auto* cancel = evtest::findControl<wxButton>(dlg, wxID_CANCEL);
        auto rightMargin = [dlg](wxWindow* w)
        { return dlg->GetClientSize().x - 1 - w->GetRect().GetRight(); };
        EXPECT_LT(cancel->GetRect().GetRight(), ok->GetPosition().x);
        EXPECT_GT(cancel->GetPosition().y, notebook->GetRect().GetBottom());
        EXPECT_EQ(cancel->GetPosition().y, ok->GetPosition().y);
        EXPECT_EQ(wxSize(rightMargin(ok), rightMargin(notebook)), wxSize(10, 10));

        // Made wider, the dialog keeps the notebook and the buttons at its
        // edges; the path boxes keep their 300 pixels.
        wxTextCtrl* firstPathBox = pathBox(dlg, imageRows().front());
        const int notebookWidth = notebook->GetSize().x;
        dlg->SetSize(dlg->GetSize() + wxSize(200, 0));
        notebook->SetSelection(1);
        // GTK hands the notebook its new size asynchronously.
        EXPECT_TRUE(evtest::pumpUntil([&] { return notebook->GetSize().x == notebookWidth + 200; }));
        EXPECT_EQ(firstPathBox->GetSize().x, 300);
        EXPECT_EQ(wxSize(rightMargin(ok), rightMargin(notebook)), wxSize(10, 10));
    };
    EXPECT_EQ(run(
                  [&](CEVAttributesDlg* dlg)
                  {
                      check(dlg);
                      return evtest::pressDialogButton(dlg, wxID_OK);
                  },
                  false),
              wxID_OK);
    EXPECT_TRUE(m_attributes == before);
}

TEST_F(AttributesDlgTest, OkWritesTheRowsOfBothPagesAndResolvesThem)
{
    writeFile("pictures/next.jpg", "x");
    const SImageRow& nextCold = imageRows()[9];
    const SImageRow& review = imageRows()[5];
    ASSERT_EQ(nextCold.image, CEVImageSelections::eNextCold);
    EXPECT_EQ(run(
                  [&](CEVAttributesDlg* dlg)
                  {
                      for (const SImageRow& row : imageRows())
                          pathBox(dlg, row)->ChangeValue(wxString::Format("new/%d.jpg", int(row.image)));
                      pathBox(dlg, review)->ChangeValue("");
                      wxTEST_DIALOG(
                          evtest::clickButton(control<wxButton>(dlg, nextCold.page, nextCold.buttonID)),
                          expectFileDialog(path("pictures/next.jpg")));
                      return evtest::pressDialogButton(dlg, wxID_OK);
                  }),
              wxID_OK);

    for (const SImageRow& row : imageRows())
    {
        SCOPED_TRACE(int(row.image));
        wxString expected = wxString::Format("new/%d.jpg", int(row.image));
        if (&row == &review)
            expected = "";
        if (&row == &nextCold)
            expected = "pictures/next.jpg";
        EXPECT_EQ(relativePathOf(*m_attributes.getImageSelections(), row.image), expected);
        EXPECT_EQ(m_attributes.getImageSelections()->getImageSelectionsInfoFor(row.image)->getAbsolutePath(),
                  expected.empty() ? wxString() : path(expected));
    }
}

TEST_F(AttributesDlgTest, CancelWritesNoPathButKeepsAConfirmedFont)
{
    EXPECT_EQ(run(
                  [](CEVAttributesDlg* dlg)
                  {
                      wxTEST_DIALOG(evtest::clickButton(control<wxButton>(dlg, kFontPage, 2)),
                                    expectFontDialog(wxFont(wxFontInfo(17).FaceName("DejaVu Serif"))));
                      for (const SImageRow& row : imageRows())
                          pathBox(dlg, row)->ChangeValue("changed.jpg");
                      return evtest::pressDialogButton(dlg, wxID_CANCEL);
                  }),
              wxID_CANCEL);

    EXPECT_EQ(m_attributes.getFontInfo()->getFontFaceName() +
                  wxString::Format(" %d", m_attributes.getFontInfo()->getFontSize()),
              "DejaVu Serif 17");
    for (const SImageRow& row : imageRows())
        EXPECT_EQ(relativePathOf(*m_attributes.getImageSelections(), row.image), oldPath(row.image));
}

} // namespace
