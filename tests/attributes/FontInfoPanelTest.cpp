#include "attributes/EVFontInfoPanel.h"
#include "external/data/EVFontInfo.h"
#include "tests/support/ChooserDialogs.h"

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace
{

// What the page shows, box by box.
struct SShown
{
    wxString faceName, size, red, green, blue;
    bool operator==(const SShown& other) const
    {
        return faceName == other.faceName && size == other.size && red == other.red && green == other.green &&
               blue == other.blue;
    }
};

void PrintTo(const SShown& shown, std::ostream* os)
{
    *os << "{" << shown.faceName.utf8_string() << ", " << shown.size.utf8_string() << ", "
        << shown.red.utf8_string() << ", " << shown.green.utf8_string() << ", " << shown.blue.utf8_string()
        << "}";
}

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
    SShown shown() const
    {
        return {box(CEVFontInfoPanel::eFaceNameID)->GetValue(), box(CEVFontInfoPanel::eSizeID)->GetValue(),
                box(CEVFontInfoPanel::eRedID)->GetValue(), box(CEVFontInfoPanel::eGreenID)->GetValue(),
                box(CEVFontInfoPanel::eBlueID)->GetValue()};
    }
    void clickFont() const
    {
        evtest::clickButton(evtest::findControl<wxButton>(m_page, CEVFontInfoPanel::eFontButtonID));
    }
    void clickColour() const
    {
        evtest::clickButton(evtest::findControl<wxButton>(m_page, CEVFontInfoPanel::eColourButtonID));
    }

    CEVFontInfo m_fontInfo;
    CEVFontInfoPanel* m_page = nullptr;
};

const SShown kArialShown{"Arial", "12", "0", "128", "255"};

TEST_F(FontInfoPanelTest, ShowsTheDescriptionOnceInitializedAndNeverReadsTheBoxesBack)
{
    EXPECT_EQ(shown(), (SShown{}));
    EXPECT_EQ(evtest::findControl<wxButton>(m_page, CEVFontInfoPanel::eFontButtonID)->GetLabel(), "Font...");
    EXPECT_EQ(evtest::findControl<wxButton>(m_page, CEVFontInfoPanel::eColourButtonID)->GetLabel(),
              "Font Colour...");

    EXPECT_TRUE(m_page->initialize(&m_fontInfo));
    EXPECT_EQ(shown(), kArialShown);

    // Text put into the colour boxes goes nowhere, and the next fill replaces it.
    box(CEVFontInfoPanel::eRedID)->ChangeValue("77");
    const CEVFontInfo before = m_fontInfo;
    EXPECT_TRUE(m_page->TransferDataFromWindow());
    EXPECT_EQ(m_fontInfo, before);
    EXPECT_TRUE(m_page->TransferDataToWindow());
    EXPECT_EQ(shown(), kArialShown);
}

TEST_F(FontInfoPanelTest, ButtonsDoNothingBeforeInitialize)
{
    // Any dialog opening here would fail the test through the fallback hook.
    clickFont();
    clickColour();
    EXPECT_EQ(shown(), (SShown{}));
}

TEST_F(FontInfoPanelTest, ConfirmedFontIsWrittenAtOnceAndLeavesTheColourAlone)
{
    m_page->initialize(&m_fontInfo);
    const wxFont chosen(wxFontInfo(17).FaceName("DejaVu Serif"));
    wxTEST_DIALOG(clickFont(),
                  expectFontDialog(chosen,
                                   [](wxFontDialog* dlg)
                                   {
                                       EXPECT_EQ(dlg->GetFontData().GetInitialFont().GetFaceName(), "Arial");
                                       EXPECT_EQ(dlg->GetFontData().GetInitialFont().GetPointSize(), 12);
                                       // A colour the font dialog offers must not reach the description.
                                       dlg->GetFontData().SetColour(*wxGREEN);
                                   }));

    EXPECT_EQ(m_fontInfo.getFontFaceName(), "DejaVu Serif");
    EXPECT_EQ(m_fontInfo.getFontSize(), 17);
    EXPECT_EQ(m_fontInfo.getFontColour(), wxColour(0, 128, 255));
    EXPECT_EQ(shown(), (SShown{"DejaVu Serif", "17", "0", "128", "255"}));
}

TEST_F(FontInfoPanelTest, ConfirmedColourIsWrittenAtOnceAndLeavesTheFontAlone)
{
    m_page->initialize(&m_fontInfo);
    wxTEST_DIALOG(
        clickColour(),
        expectColourDialog(wxColour(255, 7, 0), [](wxColourDialog* dlg)
                           { EXPECT_EQ(dlg->GetColourData().GetColour(), wxColour(0, 128, 255)); }));

    EXPECT_EQ(m_fontInfo.getFontColour(), wxColour(255, 7, 0));
    EXPECT_EQ(m_fontInfo.getFontFaceName(), "Arial");
    EXPECT_EQ(shown(), (SShown{"Arial", "12", "255", "7", "0"}));
}

TEST_F(FontInfoPanelTest, CancelInEitherDialogChangesNothing)
{
    m_page->initialize(&m_fontInfo);
    const CEVFontInfo before = m_fontInfo;
    wxTEST_DIALOG(
        {
            clickFont();
            clickColour();
        },
        expectFontDialog(wxNullFont), expectColourDialog(wxNullColour));

    EXPECT_EQ(m_fontInfo, before);
    EXPECT_EQ(shown(), kArialShown);
}

} // namespace
