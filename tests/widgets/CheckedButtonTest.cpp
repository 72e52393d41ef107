#include "tests/support/WxTest.h"

#include "external/widgets/VeltoCheckedButton.h"

#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <tuple>

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
        events.emplace_back(event.GetId(), event.GetEventObject(), button->isChecked());
    }

    void send(wxEvent& event)
    {
        event.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(event);
    }
    void mouse(wxEventType type, wxPoint where)
    {
        wxMouseEvent event(type);
        event.SetPosition(where);
        send(event);
    }
    void press(int code)
    {
        for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_KEY_UP})
        {
            wxKeyEvent event(type);
            event.m_keyCode = code;
            send(event);
        }
    }
    void click(wxPoint down = wxPoint(5, 5), wxPoint up = wxPoint(5, 5))
    {
        mouse(wxEVT_LEFT_DOWN, down);
        mouse(wxEVT_LEFT_UP, up);
    }

    // Whether the button's pixel (x, y) turns out `colour` once drawing
    // settles: the toolkit may paint the parent and the button in separate passes.
    bool shows(int x, int y, const wxColour& colour)
    {
        const wxPoint at = button->GetPosition() + wxPoint(x, y);
        return evtest::pumpUntil(
            [&]
            { return evtest::coloursNear(evtest::pixelAt(evtest::grabWindow(panel), at.x, at.y), colour); },
            2000);
    }

    using Sent = std::tuple<int, wxObject*, bool>; // identifier, sender, checked then
    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    CVeltoCheckedButton* button = nullptr;
    std::vector<Sent> events;
};

TEST_F(CheckedButtonTest, ClickAndSpaceToggleThenSendTheirEventToTheParentButSetCheckedSendsNone)
{
    button->setChecked(true, true);
    button->setChecked(false, false);
    EXPECT_TRUE(events.empty());

    click();
    EXPECT_EQ(events, (std::vector<Sent>{{7, button, true}}));
    EXPECT_TRUE(button->HasFocus());

    click();
    click(wxPoint(5, 5), wxPoint(100, 5)); // pressed inside, released outside: no click
    EXPECT_EQ(events.size(), 2u);
    EXPECT_FALSE(button->isChecked());

    // Space toggles as a click does; other keys do not.
    press('A');
    press(WXK_RETURN);
    EXPECT_EQ(events.size(), 2u);
    press(WXK_SPACE);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[2], Sent(7, button, true));
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

// The pictures, drawn over the parent's background, tell cold, hot and
// checked apart; the ring tells the focus from the pointer resting on the
// button, checked or not.
TEST_F(CheckedButtonTest, TheFocusDrawsARingThatHoverAndCheckedDoNot)
{
    // Squares with a transparent corner, where the parent's picture shows.
    auto square = [](const wxColour& colour)
    {
        wxImage image = evtest::solidImage(40, 40, colour);
        image.InitAlpha();
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                image.SetAlpha(x, y, 0);
        return image;
    };
    button->setImages(square(*wxRED), square(*wxBLUE), square(*wxGREEN));
    auto* other = new CVeltoCheckedButton(panel, 8, "", wxPoint(200, 100));
    const int ring = CVeltoCheckedButton::kFocusRingWidth;
    struct Case
    {
        const char* state;
        bool focused, hovered, checked;
        wxColour edge, inside, middle;
    };
    const Case cases[] = {
        {"cold", false, false, false, *wxRED, *wxRED, *wxRED},
        {"hovered", false, true, false, *wxBLUE, *wxBLUE, *wxBLUE},
        {"focused", true, false, false, *wxBLACK, *wxWHITE, *wxBLUE},
        {"checked, hovered", false, true, true, *wxGREEN, *wxGREEN, *wxGREEN},
        {"checked, focused", true, false, true, *wxBLACK, *wxWHITE, *wxGREEN},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.state);
        (c.focused ? static_cast<wxWindow*>(button) : other)->SetFocus();
        ASSERT_TRUE(evtest::pumpUntil([&] { return button->isFocused() == c.focused; }));
        mouse(c.hovered ? wxEVT_ENTER_WINDOW : wxEVT_LEAVE_WINDOW, wxPoint(5, 5));
        button->setChecked(c.checked, true);
        EXPECT_TRUE(shows(ring / 2, 10, c.edge)) << "edge";
        EXPECT_TRUE(shows(ring + ring / 2, 10, c.inside) && shows(20, 20, c.middle)) << "inside";
        // The focus ring is drawn over the parent's picture too.
        EXPECT_TRUE(shows(1, 1, c.focused ? *wxBLACK : kParentColour)) << "corner";
    }
}

} // namespace
