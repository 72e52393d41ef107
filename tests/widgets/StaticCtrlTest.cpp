#include "tests/support/WxTest.h"

#include "external/widgets/VeltoStaticCtrl.h"

#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/tokenzr.h>

namespace
{

const wxString kPangram = "The quick brown fox jumps over the lazy dog and keeps running far away. ";

class StaticCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "text", wxPoint(0, 0), wxSize(600, 400));
        panel = new wxPanel(frame);
        text = new CVeltoStaticCtrl(panel, -1, "", wxDefaultPosition, wxDefaultSize, wxBORDER_NONE,
                                    kVeltoStaticCtrlNameStr);
        frame->Show();
        evtest::pumpEvents();
    }

    int lineHeight() const { return text->GetTextExtent("Ag").y; }

    // The lines hold the label's words in order; none is wider than the
    // control, and none could have taken the next line's first word.
    void expectWellWrapped(const wxString& label)
    {
        const wxArrayString lines = text->getWrappedLines();
        const int width = text->GetSize().x;
        wxString joined;
        for (size_t i = 0; i < lines.size(); ++i)
        {
            EXPECT_LE(text->GetTextExtent(lines[i]).x, width) << lines[i];
            if (i + 1 < lines.size())
            {
                const wxString next = lines[i + 1].BeforeFirst(' ');
                EXPECT_GT(text->GetTextExtent(lines[i] + " " + next).x, width) << lines[i];
            }
            joined += lines[i] + " ";
        }
        EXPECT_EQ(wxSplit(joined, ' ', 0), wxSplit(label, ' ', 0));
        EXPECT_GE(text->GetSize().y, int(lines.size()) * text->GetCharHeight());
        EXPECT_LE(text->GetSize().y, int(lines.size()) * (text->GetCharHeight() + 4));
    }

    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    CVeltoStaticCtrl* text = nullptr;
};

TEST_F(StaticCtrlTest, SetWidthFixesTheWidthAndTheHeightFitsTheWrappedLabelItsBreaksAndLongWords)
{
    const wxString label = kPangram + kPangram + kPangram;
    text->SetLabel(label);
    EXPECT_EQ(text->getWrappedLines().size(), 1u); // not fixed yet: one line
    text->setWidth(180);
    EXPECT_EQ(text->GetSize().x, 180);
    EXPECT_GT(text->getWrappedLines().size(), 4u);
    expectWellWrapped(label);

    // SetLabel and SetFont wrap again at the same width.
    const int threeLabelsHigh = text->GetSize().y;
    text->SetLabel(kPangram);
    EXPECT_LT(text->GetSize().y, threeLabelsHigh);
    expectWellWrapped(kPangram);
    const int normalHigh = text->GetSize().y;
    text->SetFont(text->GetFont().Scaled(2.0f));
    EXPECT_EQ(text->GetSize().x, 180);
    EXPECT_GT(text->GetSize().y, normalHigh * 3 / 2);
    expectWellWrapped(kPangram);

    text->setWidth(300);
    text->SetLabel("first\n\nthird");
    EXPECT_EQ(text->getWrappedLines(), wxSplit("first\n\nthird", '\n', 0));
    EXPECT_EQ(text->GetSize().y, 3 * lineHeight());

    text->SetLabel("");
    EXPECT_TRUE(text->getWrappedLines().empty());
    EXPECT_EQ(text->GetSize(), wxSize(300, lineHeight())); // one empty line

    const wxString word(wxUniChar('W'), 60);
    text->setWidth(50);
    text->SetLabel("a " + word + " b");
    const wxArrayString lines = text->getWrappedLines();
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "a");
    wxString rejoined;
    for (const wxString& line : lines)
    {
        EXPECT_LE(text->GetTextExtent(line).x, 50) << line;
        rejoined += line;
    }
    EXPECT_EQ(rejoined, "a" + word + "b");
}

} // namespace
