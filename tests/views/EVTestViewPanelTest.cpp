#include "tests/support/WxTest.h"

#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "views/EVTestViewDlg.h"
#include "views/EVTestViewPanel.h"

#include <wx/frame.h>
#include <wx/sizer.h>

#include <algorithm>

namespace
{

const wxColour kFontColour(0, 255, 0);

// The preview with pictures on disk, as an author's attributes name them.
class EVTestViewPanelTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        frame = new wxFrame(nullptr, wxID_ANY, "preview", wxPoint(0, 0));
        panel = new CEVTestViewPanel(frame);
        frame->Show();
        resizeClient(wxSize(1000, 800));

        // Red on the left half, blue on the right.
        wxImage background(200, 100);
        background.SetRGB(wxRect(0, 0, 100, 100), 255, 0, 0);
        background.SetRGB(wxRect(100, 0, 100, 100), 0, 0, 255);
        ASSERT_TRUE(background.SaveFile(path("background.png")));
        choose(CEVImageSelections::eQuestionBackground, path("background.png"));
        choose(CEVImageSelections::eAnswerButtonCold, writeImage("cold.png", 40, 40, *wxYELLOW));
        choose(CEVImageSelections::eAnswerButtonHot, writeImage("hot.png", 40, 40, *wxYELLOW));
        choose(CEVImageSelections::eAnswerButtonChecked, writeImage("checked.png", 40, 40, *wxGREEN));
        choose(CEVImageSelections::ePreviousCold, writeImage("previous.png", 100, 40, *wxCYAN));
        choose(CEVImageSelections::eNextCold, writeImage("next.png", 120, 50, *wxCYAN));
        choose(CEVImageSelections::eSubmitCold, writeImage("submit.png", 80, 30, *wxCYAN));

        attributes.getFontInfo()->setFontSize(14);
        attributes.getFontInfo()->setFontColour(kFontColour);
        question.setQuestion("Which of these are planets?");
        for (unsigned i = 0; i < 10; ++i)
            question.setAnswer(i, wxString::Format("answer %u", i + 1));
        question.setNumAnswers(4);
        question.setCategoryType(CQuestionData::eMultipleAnswers);
    }

    void choose(CEVImageSelections::imageID id, const wxString& file)
    {
        attributes.getImageSelections()->getImageSelectionsInfoFor(id)->setAbsolutePath(file);
    }
    void resizeClient(const wxSize& size)
    {
        frame->SetClientSize(size);
        ASSERT_TRUE(evtest::pumpUntil([&] { return panel->GetClientSize() == size; }));
    }
    bool initialize() { return panel->initialize(&attributes, &question); }

    // The question text, then the ten answer texts.
    std::vector<CVeltoStaticCtrl*> texts() const
    {
        std::vector<CVeltoStaticCtrl*> found;
        for (wxWindow* child : panel->GetChildren())
            if (auto* text = dynamic_cast<CVeltoStaticCtrl*>(child))
                found.push_back(text);
        return found;
    }
    CVeltoCheckedButton* button(int id) { return evtest::findControl<CVeltoCheckedButton>(panel, id); }
    std::vector<int> checkedButtons()
    {
        std::vector<int> ids;
        for (int id = 0; id <= 12; ++id)
            if (button(id)->isChecked())
                ids.push_back(id);
        return ids;
    }
    // Press and release over the button: it toggles itself, then tells the panel.
    void click(int id)
    {
        CVeltoCheckedButton* target = button(id);
        for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP})
        {
            wxMouseEvent mouse(type);
            mouse.SetPosition(wxPoint(target->GetSize().x / 2, target->GetSize().y / 2));
            mouse.SetEventObject(target);
            target->GetEventHandler()->ProcessEvent(mouse);
        }
    }

    wxFrame* frame = nullptr;
    CEVTestViewPanel* panel = nullptr;
    CEVAttributes attributes;
    CQuestionData question;
};

TEST_F(EVTestViewPanelTest, ShowsTheQuestionItsAnswersAndInertNavigation)
{
    ASSERT_TRUE(initialize());
    const std::vector<CVeltoStaticCtrl*> all = texts();
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(all[0]->GetLabel(), "Which of these are planets?");
    EXPECT_TRUE(all[0]->IsShown());
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_EQ(all[1 + i]->IsShown(), i < 4) << "answer " << i + 1;
        EXPECT_EQ(button(i)->IsShown(), i < 4) << "answer " << i + 1;
        EXPECT_EQ(all[1 + i]->GetLabel(), wxString::Format("answer %d", i + 1));
        EXPECT_EQ(all[1 + i]->GetForegroundColour(), kFontColour);
    }
    EXPECT_EQ(all[0]->GetFont(), attributes.getFontInfo()->getAsFont());
    for (int id = 10; id <= 12; ++id)
        EXPECT_TRUE(button(id)->IsShown()) << id;
    // The buttons take the size of their cold pictures.
    EXPECT_EQ(button(0)->GetSize(), wxSize(40, 40));
    EXPECT_EQ(button(11)->GetSize(), wxSize(120, 50));

    click(1);
    for (int id = 10; id <= 12; ++id)
        evtest::clickButton(button(id));
    EXPECT_EQ(checkedButtons(), std::vector<int>{1});
    EXPECT_EQ(all[0]->GetLabel(), "Which of these are planets?");
    EXPECT_TRUE(button(3)->IsShown());
    EXPECT_FALSE(button(4)->IsShown());
}

TEST_F(EVTestViewPanelTest, AnswerClicksFollowTheTestTakersRules)
{
    for (CQuestionData::eCategoryType category :
         {CQuestionData::eTrueFalse, CQuestionData::eSingleAnswer, CQuestionData::eMultipleAnswers})
    {
        SCOPED_TRACE(category);
        question.setCategoryType(category);
        CEVTestViewPanel* fresh = new CEVTestViewPanel(frame);
        panel->Destroy();
        panel = fresh;
        ASSERT_TRUE(initialize());
        click(0);
        click(2);
        if (category == CQuestionData::eMultipleAnswers)
            EXPECT_EQ(checkedButtons(), (std::vector<int>{0, 2}));
        else
            EXPECT_EQ(checkedButtons(), std::vector<int>{2});
    }
}

TEST_F(EVTestViewPanelTest, UnchosenButtonPicturesStayEmptyAndTheSetUpGoesOn)
{
    choose(CEVImageSelections::eAnswerButtonCold, "");
    choose(CEVImageSelections::eSubmitCold, "");
    ASSERT_TRUE(initialize());
    // Without a cold picture a button draws its plain box.
    EXPECT_EQ(button(0)->GetSize(),
              wxSize(CVeltoCheckedButton::kFallbackSize, CVeltoCheckedButton::kFallbackSize));
    EXPECT_EQ(button(12)->GetSize(),
              wxSize(CVeltoCheckedButton::kFallbackSize, CVeltoCheckedButton::kFallbackSize));
    EXPECT_EQ(button(10)->GetSize(), wxSize(100, 40));
    EXPECT_FALSE(button(4)->IsShown());
}

TEST_F(EVTestViewPanelTest, PicturesThatCannotBeLoadedFailTheSetUpQuietly)
{
    const wxString notAPicture = writeFile("broken.png", "not a picture");
    struct Case
    {
        CEVImageSelections::imageID id;
        wxString file;
    };
    for (const Case& c : {Case{CEVImageSelections::eQuestionBackground, ""},
                          Case{CEVImageSelections::eQuestionBackground, path("missing.png")},
                          Case{CEVImageSelections::eQuestionBackground, notAPicture},
                          Case{CEVImageSelections::eNextHot, path("missing.png")},
                          Case{CEVImageSelections::eAnswerButtonChecked, notAPicture}})
    {
        SCOPED_TRACE(c.file + wxString::Format(" for %d", int(c.id)));
        const wxString chosen =
            attributes.getImageSelections()->getImageSelectionsInfoFor(c.id)->getAbsolutePath();
        choose(c.id, c.file);
        evtest::CLogCapture log;
        EXPECT_FALSE(initialize());
        // No message for the author: the toolkit's complaints are swallowed.
        EXPECT_TRUE(log.textsAt(wxLOG_Error).empty());
        // Nothing was transferred: the placeholders stay.
        EXPECT_EQ(texts()[0]->GetLabel(), "{Question data}");
        choose(c.id, chosen);
    }
}

TEST_F(EVTestViewPanelTest, WithoutAQuestionThePlaceholdersStay)
{
    EXPECT_TRUE(panel->TransferDataToWindow());
    EXPECT_TRUE(panel->TransferDataFromWindow());
    const std::vector<CVeltoStaticCtrl*> all = texts();
    EXPECT_EQ(all[0]->GetLabel(), "{Question data}");
    EXPECT_EQ(all[1]->GetLabel(), "{Answer 1}");
    EXPECT_EQ(all[10]->GetLabel(), "{Answer 10}");
}

TEST_F(EVTestViewPanelTest, LayoutIsTheQuestionPagesAndFollowsResizing)
{
    ASSERT_TRUE(initialize());
    const std::vector<CVeltoStaticCtrl*> all = texts();
    EXPECT_EQ(all[0]->GetPosition(), wxPoint(50, 50));
    EXPECT_EQ(all[0]->GetSize().x, 900);
    // 1000 - 40 (answer button) - 100 (previous button) - 140
    EXPECT_EQ(all[1]->GetSize().x, 720);
    const int firstRow = 50 + all[0]->GetSize().y + 40;
    EXPECT_EQ(button(0)->GetPosition(), wxPoint(50, firstRow));
    EXPECT_EQ(all[1]->GetPosition(), wxPoint(110, firstRow));
    EXPECT_EQ(button(1)->GetPosition(), wxPoint(50, firstRow + 60));
    EXPECT_EQ(button(10)->GetPosition(), wxPoint(830, 590));
    EXPECT_EQ(button(11)->GetPosition(), wxPoint(830, 650));
    EXPECT_EQ(button(12)->GetPosition(), wxPoint(830, 720));

    resizeClient(wxSize(1200, 900));
    EXPECT_EQ(all[0]->GetSize().x, 1100);
    EXPECT_EQ(button(12)->GetPosition(), wxPoint(1030, 820));
}

TEST_F(EVTestViewPanelTest, PaintsTheBackgroundScaledBehindTheControls)
{
    ASSERT_TRUE(initialize());
    const wxImage shot = evtest::grabWindow(panel);
    ASSERT_EQ(shot.GetSize(), wxSize(1000, 800));
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(shot, 10, 790), *wxRED))
        << evtest::pixelAt(shot, 10, 790);
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(shot, 990, 10), *wxBLUE))
        << evtest::pixelAt(shot, 990, 10);
    // Around the letters of the question text the picture shows through.
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(shot, 51, 51), *wxRED)) << evtest::pixelAt(shot, 51, 51);

    EXPECT_TRUE(panel->initializeDisplaySize(frame));
    EXPECT_TRUE(evtest::pumpUntil([&] { return frame->GetClientSize() == wxSize(200, 100); }));
    EXPECT_EQ(frame->GetPosition(), wxPoint(0, 0));
}

// ---------------------------------------------------------------------------
// The dialog

TEST_F(EVTestViewPanelTest, DialogFillsItselfWithThePanel)
{
    CEVTestViewDlg dlg;
    EXPECT_EQ(dlg.GetParent(), nullptr);
    EXPECT_EQ(dlg.GetTitle(), "TestView");
    EXPECT_EQ(dlg.GetName(), "dialogBox");
    const long style =
        wxCAPTION | wxFULL_REPAINT_ON_RESIZE | wxCLOSE_BOX | wxSYSTEM_MENU | wxMAXIMIZE_BOX | wxRESIZE_BORDER;
    EXPECT_EQ(dlg.GetWindowStyleFlag() & style, style);

    auto* inner = evtest::findControl<CEVTestViewPanel>(&dlg, 0);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetName(), "panel");
    EXPECT_TRUE(inner->HasFlag(wxTAB_TRAVERSAL));
    wxSizerItem* item = dlg.GetSizer()->GetItem(inner);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetProportion(), 1);
    EXPECT_TRUE(item->GetFlag() & wxEXPAND);
    EXPECT_EQ(item->GetBorder(), 0);

    dlg.SetClientSize(700, 500);
    dlg.Layout();
    EXPECT_EQ(inner->GetSize(), wxSize(700, 500));
}

TEST_F(EVTestViewPanelTest, DialogShowsTheTextsMaximizedEvenWhenThePicturesFail)
{
    // Without a window manager (Xvfb) nothing is ever maximized, so the
    // request itself is what can be seen.
    class CMaximizeProbe : public CEVTestViewDlg
    {
    public:
        void Maximize(bool maximize) override
        {
            requests.push_back(maximize);
            CEVTestViewDlg::Maximize(maximize);
        }
        std::vector<bool> requests;
    };

    choose(CEVImageSelections::eQuestionBackground, path("missing.png"));
    CMaximizeProbe dlg;
    EXPECT_TRUE(dlg.initialize(&attributes, &question));
    EXPECT_EQ(dlg.requests, std::vector<bool>{true});
    auto* inner = evtest::findControl<CEVTestViewPanel>(&dlg, 0);
    std::vector<CVeltoStaticCtrl*> all;
    for (wxWindow* child : inner->GetChildren())
        if (auto* text = dynamic_cast<CVeltoStaticCtrl*>(child))
            all.push_back(text);
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(all[0]->GetLabel(), "Which of these are planets?");
    // The set-up stopped before hiding the answers beyond the count.
    EXPECT_TRUE(all[10]->IsShown());
    EXPECT_EQ(all[10]->GetLabel(), "answer 10");
}

} // namespace
