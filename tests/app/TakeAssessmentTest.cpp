#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "tests/app/TestAssessments.h"

#include <tuple>

namespace
{

using Panel = CTakeAssessmentPanel;
using Taking = CAssessmentTaking;
using apptest::allClosed;
using apptest::button;
using apptest::checkedAnswers;
using apptest::clickAnswer;
using apptest::clickNavigation;
using apptest::shownTexts;

class TakeAssessmentTest : public apptest::CSampleTest
{
protected:
    CAssessmentTaking::ePage page() const { return panel->getTaking()->getPage(); }

    // The navigation buttons shown, as "PNS" with '-' for hidden ones.
    std::string navigation()
    {
        std::string shown;
        shown += button(panel, Panel::kPreviousButtonID)->IsShown() ? 'P' : '-';
        shown += button(panel, Panel::kNextButtonID)->IsShown() ? 'N' : '-';
        shown += button(panel, Panel::kSubmitButtonID)->IsShown() ? 'S' : '-';
        return shown;
    }
};

// All thirteen pictures of the question page (background, three answer and
// six navigation pictures) are decoded before the first page, none later.
TEST_F(TakeAssessmentTest, TakesTheSampleEndToEnd)
{
    document.getAssessment()->getDeliveryOptions()->setPassMark(91); // just missed
    openTaking();
    EXPECT_EQ(frame->getImageCache().getNumDecoded(), 13u);
    const std::vector<wxString> first{"Question 1 of 10\nThe Sun is a star.", "True", "False"};
    EXPECT_EQ(panel->GetClientSize(), wxSize(1280, 800)); // the sample's backgrounds
    EXPECT_EQ(shownTexts(panel), first);
    EXPECT_EQ(frame->GetTitle(), "Question 1 of 10 - Evalon");
    EXPECT_EQ(navigation(), "-N-");
    // Closing asks first; No keeps the window.
    wxTEST_DIALOG(frame->Close(), expectMessage(CTakeAssessmentFrame::kLeaveQuestion, wxID_NO, "Evalon"));
    evtest::pumpEvents();
    EXPECT_TRUE(frame->IsShown());

    clickAnswer(panel, 0);
    clickNavigation(panel, Panel::kNextButtonID);
    EXPECT_EQ(navigation(), "PN-");
    EXPECT_EQ(checkedAnswers(panel), std::vector<int>{}); // a fresh question
    clickAnswer(panel, 1);                                // Mercury
    clickNavigation(panel, Panel::kPreviousButtonID);
    EXPECT_EQ(shownTexts(panel), first);
    EXPECT_EQ(checkedAnswers(panel), std::vector<int>{0});
    clickNavigation(panel, Panel::kNextButtonID);
    EXPECT_EQ(checkedAnswers(panel), std::vector<int>{1});

    // Right up to the last question, which gets a wrong answer; several-answer
    // questions say to choose all.
    clickNavigation(panel, Panel::kNextButtonID);
    while (panel->getTaking()->getQuestionIndex() + 1 < panel->getTaking()->getNumQuestions())
    {
        EXPECT_EQ(shownTexts(panel).front().EndsWith("\n" + Panel::kSeveralAnswersCue),
                  panel->getTaking()->getCurrentQuestion()->getCategoryType() ==
                      CQuestionData::eMultipleAnswers);
        apptest::answerRight(panel);
        clickNavigation(panel, Panel::kNextButtonID);
    }
    clickAnswer(panel, 1); // Ceres, a dwarf planet
    const wxPoint nextPosition = button(panel, Panel::kNextButtonID)->GetPosition();
    clickNavigation(panel, Panel::kNextButtonID);

    EXPECT_EQ(navigation(), "P-S");
    EXPECT_EQ(button(panel, Panel::kSubmitButtonID)->GetPosition(), nextPosition);
    EXPECT_EQ(shownTexts(panel), std::vector<wxString>{"All 10 questions are answered."});
    EXPECT_EQ(frame->GetTitle(), "Evalon");
    clickNavigation(panel, Panel::kSubmitButtonID);

    EXPECT_EQ(shownTexts(panel),
              (std::vector<wxString>{"Your score is 90%", "Number of questions to review: 1",
                                     "Not passed: the pass mark is 91%."}));
    EXPECT_EQ(navigation(), "-N-");
    clickNavigation(panel, Panel::kNextButtonID);
    EXPECT_EQ(navigation(), "---");
    EXPECT_TRUE(shownTexts(panel).empty());
    EXPECT_EQ(frame->getImageCache().getNumDecoded(), 13u);
}

// Space checks the focused answer and Tab moves to the next; 1 to 9 and 0,
// or A to J, toggle the answers; Enter presses the focused button, or Next
// from an answer, and checks nothing; Escape closes once the review is read.
TEST_F(TakeAssessmentTest, TheKeyboardTakesTheAssessment)
{
    openRaised();
    // Each key, then the question shown and its answers checked.
    auto pressAll = [&](const std::vector<std::tuple<int, unsigned, std::vector<int>>>& presses)
    {
        for (const auto& [key, question, checked] : presses)
        {
            press(key);
            EXPECT_EQ(panel->getTaking()->getQuestionIndex(), question) << key;
            EXPECT_EQ(checkedAnswers(panel), checked) << key;
        }
    };
    pressAll({{WXK_SPACE, 0, {0}}, {WXK_RIGHT, 1, {}}, {WXK_LEFT, 0, {0}}, {WXK_TAB, 0, {0}}});
    EXPECT_EQ(wxWindow::FindFocus(), button(panel, Panel::kFirstAnswerButtonID + 1));
    // True/false: one answer, two of them.
    pressAll({{WXK_SPACE, 0, {1}}, {'1', 0, {0}}, {'b', 0, {1}}, {'5', 0, {1}}});

    const std::pair<int, unsigned> enters[] = {
        {Panel::kFirstAnswerButtonID + 1, 1}, {Panel::kNextButtonID, 2}, {Panel::kPreviousButtonID, 1}};
    for (const auto& [id, index] : enters)
    {
        SCOPED_TRACE(id);
        button(panel, id)->SetFocus();
        EXPECT_TRUE(evtest::pumpUntil([&, id = id] { return wxWindow::FindFocus() == button(panel, id); }))
            << id;
        pressAll({{WXK_RETURN, index, {}}});
    }

    while (panel->getTaking()->getQuestionIndex() + 1 < panel->getTaking()->getNumQuestions())
        panel->goForward();
    ASSERT_EQ(panel->getTaking()->getCurrentQuestion()->getNumAnswers(), 10u);
    // Several answers, ten of them: 0 and J are the tenth.
    pressAll({{'3', 9, {2}}, {'c', 9, {}}, {'0', 9, {9}}, {'a', 9, {0, 9}}, {'J', 9, {0}}, {'k', 9, {0}}});
    press(WXK_PAGEDOWN);
    EXPECT_EQ(shownTexts(panel), std::vector<wxString>{"8 of the 10 questions are not answered yet."});
    press(WXK_RETURN); // Submit
    EXPECT_EQ(page(), Taking::eReviewPage);
    press(WXK_ESCAPE); // not yet: the review is still to be read
    EXPECT_TRUE(frame->IsShown());
    press(WXK_RETURN);
    EXPECT_EQ(page(), Taking::eCongratulationsPage);
    press(WXK_ESCAPE);
    EXPECT_TRUE(allClosed());
}

// The reason is the picture loader's; a later page's picture counts too.
TEST_F(TakeAssessmentTest, APictureThatCannotBeLoadedIsNamedWithItsFileAndWhy)
{
    document.getAssessment()
        ->getAttributes()
        ->getImageSelections()
        ->getImageSelectionsInfoFor(CEVImageSelections::eReviewBackground)
        ->setAbsolutePath(path("nowhere/review.jpg"));
    CTakeAssessmentFrame taking;
    EXPECT_FALSE(taking.initialize(document.getAssessment()));
    EXPECT_EQ(taking.getLastError(), "The picture \"Review Background\" cannot be loaded.\n" +
                                         path("nowhere/review.jpg") + ": file not found.");
}

TEST_F(TakeAssessmentTest, ClickingAnAnswersTextTogglesItAsItsButtonDoes)
{
    openRaised();
    panel->goForward(); // Mercury, one answer of four
    CVeltoStaticCtrl* third = nullptr;
    for (wxWindow* child : panel->GetChildren())
        if (child->IsShown() && child->GetLabel() == panel->getTaking()->getCurrentQuestion()->getAnswer(2))
            third = dynamic_cast<CVeltoStaticCtrl*>(child);
    ASSERT_NE(third, nullptr);
    // Shown on this page only: clicked once the toolkit has drawn it in place.
    ASSERT_TRUE(evtest::waitUntilDrawn(third));

    auto clickTextUntil = [&](const std::vector<int>& checked)
    {
        input.MouseMove(third->GetScreenPosition() + wxPoint(5, 5));
        input.MouseClick();
        return evtest::pumpUntil([&] { return checkedAnswers(panel) == checked; });
    };
    ASSERT_TRUE(clickTextUntil({2}));
    EXPECT_EQ(wxWindow::FindFocus(), button(panel, Panel::kFirstAnswerButtonID + 2));
    clickAnswer(panel, 0); // the one-answer rule holds for texts too
    EXPECT_EQ(checkedAnswers(panel), std::vector<int>{0});
    ASSERT_TRUE(clickTextUntil({2}));
    EXPECT_TRUE(clickTextUntil({}));
}

// The clock reads a time the test sets: the words change at five minutes and
// at one, the clock never covers a control, and at zero the attempt is
// submitted with the answers given, the taker told why.
TEST_F(TakeAssessmentTest, ATimedAttemptShowsTheTimeLeftWarnsInWordsAndSubmitsItselfAtZero)
{
    document.getAssessment()->getDeliveryOptions()->setTimeLimitMinutes(10);
    long long now = 1000000;
    openTaking([&] { return now; });
    CVeltoStaticCtrl* clock = panel->getClockText();
    const std::pair<long long, const char*> readings[] = {
        {299, "Time left\n5:01"},
        {300, "Only 5 minutes left\n5:00"},
        {541, "Only 1 minute left\n0:59"},
    };
    for (const auto& [elapsed, shown] : readings)
    {
        now = 1000000 + elapsed;
        frame->updateClock();
        EXPECT_TRUE(clock->IsShown());
        EXPECT_EQ(clock->GetLabel(), shown);
        apptest::checkPlacement(panel, shown);
        panel->goForward(); // a question page, then another, and so on
    }
    ASSERT_EQ(page(), Taking::eQuestionPage);
    clickAnswer(panel, 1);

    now = 1000000 + 600;
    wxTEST_DIALOG(frame->updateClock(),
                  expectMessage(CTakeAssessmentFrame::kTimeUpNotice, wxID_OK, "Evalon"));
    EXPECT_EQ(page(), Taking::eReviewPage);
    EXPECT_FALSE(clock->IsShown());
    // The fourth question's answer, checked when the time ran out.
    EXPECT_EQ(panel->getTaking()->getAnswers(3), apptest::indexes({1}));
    frame->Close(); // the review: nothing left to lose, nothing asked
    EXPECT_TRUE(allClosed());
}

TEST_F(TakeAssessmentTest, FullScreenFillsTheScreenAndEscapeAsksBeforeLeavingIt)
{
    openRaised();
    press(WXK_F11);
    // Without a window manager the toolkit covers the screen itself, a pixel
    // beyond it at the right and the bottom.
    const wxSize screen = wxGetDisplaySize();
    auto coversTheScreen = [&]
    { return panel->GetClientSize().x >= screen.x && panel->GetClientSize().y >= screen.y; };
    ASSERT_TRUE(evtest::pumpUntil(coversTheScreen))
        << panel->GetClientSize().x << "x" << panel->GetClientSize().y;
    EXPECT_TRUE(frame->IsFullScreen());
    EXPECT_EQ(frame->GetScreenPosition(), wxPoint(0, 0));
    // The page is laid out at that size: the buttons in its corner.
    EXPECT_EQ(button(panel, Panel::kNextButtonID)->GetRect().GetRight() + 1,
              panel->GetClientSize().x - int(Panel::kOutsidePixelMargin));
    for (int answer : {wxID_NO, wxID_YES})
    {
        wxTEST_DIALOG(press(WXK_ESCAPE),
                      expectMessage(CTakeAssessmentFrame::kLeaveFullScreenQuestion, answer, "Evalon"));
        EXPECT_EQ(frame->IsFullScreen(), answer == wxID_NO);
    }
    EXPECT_TRUE(evtest::pumpUntil([&] { return !coversTheScreen(); }));

    // A later page larger than the screen brings the window back, and full
    // screen is refused while it is shown, each time saying why.
    frame->setInteractive(false);
    frame->setFullScreen(true);
    ASSERT_TRUE(evtest::pumpUntil(coversTheScreen));
    document.getAssessment()->getAttributes()->getFontInfo()->setFontSize(200);
    panel->goForward();
    EXPECT_FALSE(frame->IsFullScreen());
    EXPECT_TRUE(frame->getFullScreenNotice().EndsWith(", so the test stays in a window."))
        << frame->getFullScreenNotice();
    frame->setFullScreen(true);
    EXPECT_FALSE(frame->IsFullScreen());
    EXPECT_TRUE(frame->getFullScreenNotice().StartsWith("This page needs ")) << frame->getFullScreenNotice();
}

} // namespace
