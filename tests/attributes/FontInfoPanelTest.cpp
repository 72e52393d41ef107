#include "attributes/EVFontInfoPanel.h"
#include "external/data/EVFontInfo.h"
#include "tests/support/ChooserDialogs.h"

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace
{

class FontInfoPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_fontInfo.setFontFaceName("Arial");
        m_fontInfo.setFontSize(12);
        m_fontInfo.setFontColour(wxColour(0, 128, 255));
        auto* frame = new wxFrame(nullptr, wxID_ANY, "host");
        m_page = new CEVFontInfoPanel(frame, 0);
        frame->SetSizer(new wxBoxSizer(wxVERTICAL));
        frame->GetSizer()->Add(m_page, 1, wxEXPAND);
        frame->Fit();
        frame->Show();
    }

    wxTextCtrl* box(int id) const { return evtest::findControl<wxTextCtrl>(m_page, id); }
    // Face name, size, red, green and blue boxes, joined by "|".
    wxString shown() const
    {
        wxString all = box(CEVFontInfoPanel::eFaceNameID)->GetValue();
        for (int id : {CEVFontInfoPanel::eSizeID, CEVFontInfoPanel::eRedID, CEVFontInfoPanel::eGreenID,
                       CEVFontInfoPanel::eBlueID})
            all += "|" + box(id)->GetValue();
        return all;
    }
    // Face name, size and colour of the description.
    wxString described() const
    {
        return m_fontInfo.getFontFaceName() + wxString::Format(" %d ", m_fontInfo.getFontSize()) +
               m_fontInfo.getFontColour().GetAsString(wxC2S_HTML_SYNTAX);
    }
    void click(int id) const { evtest::clickButton(evtest::findControl<wxButton>(m_page, id)); }

    CEVFontInfo m_fontInfo;
    CEVFontInfoPanel* m_page = nullptr;
};

TEST_F(FontInfoPanelTest, ShowsTheDescriptionOnceInitializedAndNeverReadsTheBoxesBack)
{
    EXPECT_EQ(shown(), "||||");
    // No description yet: the buttons do nothing (a dialog would fail the test).
    click(CEVFontInfoPanel::eFontButtonID);
    click(CEVFontInfoPanel::eColourButtonID);

    EXPECT_TRUE(m_page->initialize(&m_fontInfo));
    EXPECT_EQ(shown(), "Arial|12|0|128|255");

    box(CEVFontInfoPanel::eRedID)->ChangeValue("77");
    const CEVFontInfo before = m_fontInfo;
    EXPECT_TRUE(m_page->TransferDataFromWindow());
    EXPECT_TRUE(m_fontInfo == before);
    EXPECT_TRUE(m_page->TransferDataToWindow());
    EXPECT_EQ(shown(), "Arial|12|0|128|255");
}

// Each confirmed dialog writes its part at once and leaves the other alone.
TEST_F(FontInfoPanelTest, ConfirmedFontOrColourIsWrittenAtOnceCancelChangesNothing)
{
    m_page->initialize(&m_fontInfo);
    const CEVFontInfo before = m_fontInfo;
    wxTEST_DIALOG(
        {
            click(CEVFontInfoPanel::eFontButtonID);
            click(CEVFontInfoPanel::eColourButtonID);
        },
        expectFontDialog(wxNullFont), expectColourDialog(wxNullColour));
    EXPECT_TRUE(m_fontInfo == before);
    EXPECT_EQ(shown(), "Arial|12|0|128|255");

    wxTEST_DIALOG(click(CEVFontInfoPanel::eFontButtonID),
                  expectFontDialog(wxFont(wxFontInfo(17).FaceName("DejaVu Serif")),
                                   [](wxFontDialog* dlg)
                                   {
                                       const wxFont initial = dlg->GetFontData().GetInitialFont();
                                       EXPECT_EQ(initial.GetFaceName() +
                                                     wxString::Format(" %d", initial.GetPointSize()),
                                                 "Arial 12");
                                       // A colour the font dialog offers must not reach the description.
                                       dlg->GetFontData().SetColour(*wxGREEN);
                                   }));
    EXPECT_EQ(described(), "DejaVu Serif 17 #0080FF");
    EXPECT_EQ(shown(), "DejaVu Serif|17|0|128|255");

    wxTEST_DIALOG(
        click(CEVFontInfoPanel::eColourButtonID),
        expectColourDialog(wxColour(255, 7, 0), [](wxColourDialog* dlg)
                           { EXPECT_EQ(dlg->GetColourData().GetColour(), wxColour(0, 128, 255)); }));
    EXPECT_EQ(described(), "DejaVu Serif 17 #FF0700");
    EXPECT_EQ(shown(), "DejaVu Serif|17|255|7|0");
}

} // namespace

TEST_F(FontInfoPanelTest, RowControlsStandTopAlignedFiveApart)
{
    // Each row's controls share the row's top edge (no vertical centring) and
    // stand 5 + 5 pixels apart; the captions between them are left out here.
    auto control = [this](int id) { return evtest::findControl<wxControl>(m_page, id); };
    for (const auto& row : {std::vector<int>{CEVFontInfoPanel::eFaceNameID, CEVFontInfoPanel::eSizeID,
                                             CEVFontInfoPanel::eFontButtonID},
                            std::vector<int>{CEVFontInfoPanel::eRedID, CEVFontInfoPanel::eGreenID,
                                             CEVFontInfoPanel::eBlueID, CEVFontInfoPanel::eColourButtonID}})
    {
        const int top = control(row.front())->GetPosition().y;
        for (int id : row)
        {
            SCOPED_TRACE(id);
            EXPECT_EQ(control(id)->GetPosition().y, top);
        }
    }
    // The font button directly right of the size box.
    EXPECT_EQ(control(CEVFontInfoPanel::eFontButtonID)->GetPosition().x,
              control(CEVFontInfoPanel::eSizeID)->GetRect().GetRight() + 1 + 10);
}
