#include "tests/support/WxTest.h"

#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"

#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

namespace
{

const wxColour kParentColour(0, 160, 80);

// A shown frame whose panel paints a colour of its own, as the presentation
// panel paints its picture, and records the button events that reach it.
class CheckedButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "button", wxPoint(0, 0), wxSize(300, 200));
        panel = new wxPanel(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
        panel->SetBackgroundStyle(wxBG_STYLE_PAINT);
        panel->Bind(wxEVT_PAINT,
                    [panel = panel](wxPaintEvent&)
                    {
                        wxPaintDC dc(panel);
                        dc.SetBackground(wxBrush(kParentColour));
                        dc.Clear();
                    });
        panel->Bind(wxEVT_BUTTON, &CheckedButtonTest::record, this);
        button = new CVeltoCheckedButton(panel, 7, "", wxPoint(20, 20));
        frame->Show();
        evtest::pumpEvents();
    }
    void TearDown() override { panel->Unbind(wxEVT_BUTTON, &CheckedButtonTest::record, this); }

    void record(wxCommandEvent& event)
    {
        events.push_back({event.GetId(), event.GetEventObject(), button->isChecked()});
    }

    void mouse(wxEventType type, wxPoint where)
    {
        wxMouseEvent event(type);
        event.SetPosition(where);
        event.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(event);
    }
    void click(wxPoint where = wxPoint(5, 5))
    {
        mouse(wxEVT_LEFT_DOWN, where);
        mouse(wxEVT_LEFT_UP, where);
    }

    // A disc of `colour` on a transparent square.
    static wxImage disc(int side, const wxColour& colour)
    {
        wxImage image(side, side);
        image.SetRGB(wxRect(0, 0, side, side), colour.Red(), colour.Green(), colour.Blue());
        image.InitAlpha();
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
            {
                const int dx = 2 * x + 1 - side, dy = 2 * y + 1 - side;
                image.SetAlpha(x, y, dx * dx + dy * dy <= side * side ? 255 : 0);
            }
        return image;
    }

    // Whether the button's pixel (x, y) turns out as wanted once drawing
    // settles: the toolkit may paint the parent and the button in separate passes.
    bool pixelBecomes(int x, int y, const std::function<bool(const wxColour&)>& wanted)
    {
        const wxPoint at = button->GetPosition() + wxPoint(x, y);
        return evtest::pumpUntil(
            [&] { return wanted(evtest::pixelAt(evtest::grabWindow(panel), at.x, at.y)); }, 2000);
    }
    bool shows(int x, int y, const wxColour& colour)
    {
        return pixelBecomes(x, y, [&](const wxColour& pixel) { return evtest::coloursNear(pixel, colour); });
    }

    struct Sent
    {
        int id;
        wxObject* object;
        bool checkedThen;
    };
    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    CVeltoCheckedButton* button = nullptr;
    std::vector<Sent> events;
};

TEST_F(CheckedButtonTest, ClickTogglesThenSendsItsEventToTheParentButSetCheckedSendsNone)
{
    button->setChecked(true, true);
    button->setChecked(false, false);
    EXPECT_TRUE(events.empty());

    click();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, 7);
    EXPECT_EQ(events[0].object, button);
    EXPECT_TRUE(events[0].checkedThen);
    EXPECT_TRUE(button->HasFocus());

    click();
    EXPECT_EQ(events.size(), 2u);
    EXPECT_FALSE(button->isChecked());

    // Pressed inside, released outside: no click.
    mouse(wxEVT_LEFT_DOWN, wxPoint(5, 5));
    mouse(wxEVT_LEFT_UP, wxPoint(100, 5));
    EXPECT_EQ(events.size(), 2u);
    EXPECT_FALSE(button->isChecked());
}

TEST_F(CheckedButtonTest, SpaceTogglesAsAClickOtherKeysDoNot)
{
    auto press = [this](int code)
    {
        for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_KEY_UP})
        {
            wxKeyEvent event(type);
            event.m_keyCode = code;
            event.SetEventObject(button);
            button->GetEventHandler()->ProcessEvent(event);
        }
    };
    press('A');
    press(WXK_RETURN);
    EXPECT_TRUE(events.empty());
    press(WXK_SPACE);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].checkedThen);
    EXPECT_EQ(events[0].id, 7);
}

// Real pointer and keyboard input through the X server: a click, Space, and
// Tab from one button to the next past a text, as a test taker would.
TEST_F(CheckedButtonTest, RealClickSpaceAndTab)
{
    new CVeltoStaticCtrl(panel, -1, "between", wxPoint(80, 20));
    auto* second = new CVeltoCheckedButton(panel, 8, "", wxPoint(20, 100));
    frame->Raise();
    evtest::pumpEvents();
    wxUIActionSimulator input;

    input.MouseMove(button->GetScreenRect().GetPosition() + wxPoint(10, 10));
    input.MouseClick();
    ASSERT_TRUE(evtest::pumpUntil([&] { return events.size() == 1; }));
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(button->isHot());

    input.Char(WXK_SPACE);
    ASSERT_TRUE(evtest::pumpUntil([&] { return events.size() == 2; }));
    EXPECT_FALSE(button->isChecked());

    input.Char(WXK_TAB);
    ASSERT_TRUE(evtest::pumpUntil([&] { return second->HasFocus(); }));
    EXPECT_TRUE(second->isHot());
    input.MouseMove(wxPoint(290, 190));
    EXPECT_TRUE(evtest::pumpUntil([&] { return !button->isHot(); }));
}

TEST_F(CheckedButtonTest, SizeFollowsTheColdPictureOrTheFallback)
{
    EXPECT_EQ(button->GetSize(), wxSize(40, 40));
    button->setImages(wxImage(64, 48), wxImage(), wxImage());
    EXPECT_EQ(button->GetSize(), wxSize(64, 48));
    button->setImages(wxImage(), wxImage(64, 48), wxImage(64, 48));
    EXPECT_EQ(button->GetSize(),
              wxSize(CVeltoCheckedButton::kFallbackSize, CVeltoCheckedButton::kFallbackSize));
}

TEST_F(CheckedButtonTest, DrawsItsPicturesOverTheParentsBackground)
{
    button->setImages(disc(40, *wxRED), disc(40, *wxBLUE), disc(40, *wxWHITE));
    auto* other = new CVeltoCheckedButton(panel, 8, "", wxPoint(200, 100));
    other->SetFocus();
    ASSERT_TRUE(evtest::pumpUntil([&] { return !button->isHot(); }));
    EXPECT_TRUE(shows(20, 20, *wxRED)); // cold
    EXPECT_TRUE(shows(1, 1, kParentColour));

    button->SetFocus();
    ASSERT_TRUE(evtest::pumpUntil([&] { return button->isHot(); }));
    EXPECT_TRUE(shows(20, 20, *wxBLUE));

    button->setChecked(true, true);
    EXPECT_TRUE(shows(20, 20, *wxWHITE));
    EXPECT_TRUE(shows(1, 1, kParentColour));
}

TEST_F(CheckedButtonTest, FallbackIsABoxTickedWhenChecked)
{
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
    auto notFace = [&](const wxColour& pixel) { return !evtest::coloursNear(pixel, face, 40); };
    EXPECT_TRUE(shows(20, 20, face));
    EXPECT_TRUE(shows(23, 20, face));
    // The border, on the top edge whether or not the button is hot (focused or
    // under the pointer, which makes it thicker).
    EXPECT_TRUE(pixelBecomes(20, 2, notFace));
    EXPECT_TRUE(pixelBecomes(37, 20, notFace));
    EXPECT_TRUE(shows(0, 0, kParentColour)); // round corners

    button->setChecked(true, true);
    EXPECT_TRUE(pixelBecomes(23, 20, notFace)); // the tick
}

} // namespace
