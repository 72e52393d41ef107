#include "tests/support/WxTest.h"
#include "tests/views/ViewHost.h"

#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "views/EVTestViewDlg.h"
#include "views/EVTestViewPanel.h"

#include <wx/frame.h>

#include <tuple>

namespace
{

using Panel = CEVTestViewPanel;

// The preview in a 1000 x 800 client area, its pictures on disk as an author's
// attributes name them; the hot and checked pictures are not chosen.
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
        ASSERT_TRUE(CViewHost::twoHalves(200, 100).SaveFile(path("background.png")));
        choose(CEVImageSelections::eQuestionBackground, path("background.png"));
        choose(CEVImageSelections::eAnswerButtonCold, writeImage("answer.png", 40, 40, *wxYELLOW));
        choose(CEVImageSelections::ePreviousCold, writeImage("previous.png", 100, 40, *wxCYAN));
        choose(CEVImageSelections::eNextCold, writeImage("next.png", 120, 50, *wxCYAN));
        choose(CEVImageSelections::eSubmitCold, writeImage("submit.png", 80, 30, *wxCYAN));
        attributes.getFontInfo()->setFontColour(*wxGREEN);
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
    CVeltoCheckedButton* button(int id) { return evtest::findControl<CVeltoCheckedButton>(panel, id); }

    wxFrame* frame = nullptr;
    CEVTestViewPanel* panel = nullptr;
    CEVAttributes attributes;
    CQuestionData question;
};

TEST_F(EVTestViewPanelTest, ShowsTheQuestionItsAnswersAndInertNavigation)
{
    ASSERT_TRUE(panel->initialize(&attributes, &question));
    const std::vector<CVeltoStaticCtrl*> texts = textsOf(panel);
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[0]->GetLabel(), "Which of these are planets?");
    EXPECT_EQ(texts[0]->GetFont(), attributes.getFontInfo()->getAsFont());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(std::make_tuple(texts[1 + i]->IsShown(), button(i)->IsShown(), texts[1 + i]->GetLabel(),
                                  texts[1 + i]->GetForegroundColour()),
                  std::make_tuple(i < 4, i < 4, wxString::Format("answer %d", i + 1), *wxGREEN));
    // Buttons take the size of their cold pictures.
    EXPECT_EQ(wxRect(button(0)->GetSize()).Union(button(Panel::kNextButtonID)->GetSize()),
              wxRect(0, 0, 120, 50));

    // A one-answer question keeps the last answer clicked (a click toggles the
    // button, then tells the panel); the navigation buttons do nothing.
    question.setCategoryType(CQuestionData::eSingleAnswer);
    for (int id : {0, 2})
    {
        button(id)->setChecked(true, false);
        evtest::clickButton(button(id));
    }
    for (int id : {Panel::kPreviousButtonID, Panel::kNextButtonID, Panel::kSubmitButtonID})
    {
        EXPECT_TRUE(button(id)->IsShown()) << id;
        evtest::clickButton(button(id));
    }
    EXPECT_EQ(std::make_pair(button(0)->isChecked(), button(2)->isChecked()), std::make_pair(false, true));
    EXPECT_EQ(texts[0]->GetLabel(), "Which of these are planets?");
}

TEST_F(EVTestViewPanelTest, PicturesThatCannotBeLoadedFailTheSetUpQuietly)
{
    const wxString broken = writeFile("broken.png", "not a picture");
    const wxString huge = writeFile("huge.png", evtest::pngDeclaring(10000, 10000));
    const std::pair<CEVImageSelections::imageID, wxString> cases[] = {
        {CEVImageSelections::eQuestionBackground, ""},
        {CEVImageSelections::eNextHot, path("missing.png")},
        {CEVImageSelections::eAnswerButtonChecked, broken},
        {CEVImageSelections::eSubmitCold, huge}};
    for (const auto& [id, file] : cases)
    {
        SCOPED_TRACE(wxString::Format("picture %d: ", int(id)) + file);
        choose(id, file);
        evtest::CLogCapture log;
        EXPECT_FALSE(panel->initialize(&attributes, &question));
        EXPECT_TRUE(log.textsAt(wxLOG_Error).empty()); // nothing would pop up
        EXPECT_EQ(textsOf(panel)[0]->GetLabel(), "{Question data}");
        choose(id, id == CEVImageSelections::eQuestionBackground ? path("background.png") : wxString());
    }
}

TEST_F(EVTestViewPanelTest, LaysOutAndPaintsTheQuestionPageAtAnySize)
{
    ASSERT_TRUE(panel->initialize(&attributes, &question));
    const std::vector<CVeltoStaticCtrl*> texts = textsOf(panel);
    // The layout is the presentation panel's (tested there), here with the preview's margins.
    EXPECT_EQ(texts[0]->GetRect(), wxRect(50, 50, 900, texts[0]->GetSize().y));

    // Grabbed once the page is on the screen; before that the window is black.
    ASSERT_TRUE(evtest::waitUntilDrawn(panel));
    const wxImage shot = evtest::grabWindow(panel);
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(shot, 10, 790), *wxRED));
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(shot, 990, 10), *wxBLUE));
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(shot, 51, 51), *wxRED)); // around the letters

    resizeClient(wxSize(1200, 900));
    EXPECT_EQ(button(Panel::kSubmitButtonID)->GetPosition(), wxPoint(1030, 820));
    EXPECT_TRUE(panel->initializeDisplaySize(frame));
    EXPECT_TRUE(evtest::pumpUntil([&] { return frame->GetClientSize() == wxSize(200, 100); }));
}

TEST_F(EVTestViewPanelTest, DialogShowsTheTextsMaximizedEvenWhenThePicturesFail)
{
    // Without a window manager nothing is ever maximized: the request is what shows.
    struct CMaximizeProbe : CEVTestViewDlg
    {
        void Maximize(bool maximize) override
        {
            requests.push_back(maximize);
            CEVTestViewDlg::Maximize(maximize);
        }
        std::vector<bool> requests;
    } dlg;
    auto* inner = evtest::findControl<CEVTestViewPanel>(&dlg, 0);
    ASSERT_NE(inner, nullptr);

    choose(CEVImageSelections::eQuestionBackground, path("missing.png"));
    EXPECT_TRUE(dlg.initialize(&attributes, &question));
    EXPECT_EQ(dlg.requests, std::vector<bool>{true});
    const std::vector<CVeltoStaticCtrl*> texts = textsOf(inner);
    EXPECT_EQ(texts[0]->GetLabel(), "Which of these are planets?");
    // The set-up stopped before hiding the answers beyond the count.
    EXPECT_TRUE(texts[10]->IsShown());
}

} // namespace
