#include "tests/support/WxTest.h"
#include "tests/views/ViewHost.h"

#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoColours.h"
#include "external/widgets/VeltoStaticCtrl.h"

#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <algorithm>
#include <tuple>

namespace
{

const wxColour kFontColour(0, 255, 0);

class AssessmentViewPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "view", wxPoint(0, 0));
        host = new CViewHost(frame);
        frame->Show();
        resizeClient(wxSize(1000, 800));
        attributes.getFontInfo()->setFontSize(14);
        attributes.getFontInfo()->setFontColour(kFontColour);
        question.setQuestion("Which of these are prime numbers?");
        for (unsigned i = 0; i < 10; ++i)
            question.setAnswer(i, wxString::Format("answer %u", i + 1));
        setAnswers(3, CQuestionData::eMultipleAnswers);
    }

    void resizeClient(const wxSize& size)
    {
        frame->SetClientSize(size);
        ASSERT_TRUE(evtest::pumpUntil([&] { return host->GetClientSize() == size; }));
    }
    void setAnswers(int count, CQuestionData::eCategoryType category)
    {
        question.setNumAnswers(count);
        question.setCategoryType(category);
    }
    bool showQuestion() { return host->initializeForQuestion(&attributes, &question); }

    // The question text, the ten answer texts, then score and missed-questions.
    std::vector<CVeltoStaticCtrl*> texts() { return textsOf(host); }
    CVeltoCheckedButton* button(int id) { return evtest::findControl<CVeltoCheckedButton>(host, id); }
    CVeltoCheckedButton* answerButton(int index) { return button(CViewHost::kFirstAnswerButtonID + index); }
    // Of the ten answer buttons, then previous, next and submit.
    template <class F> std::vector<bool> buttonStates(F state)
    {
        std::vector<bool> states;
        for (int id = CViewHost::kFirstAnswerButtonID; id <= CViewHost::kSubmitButtonID; ++id)
            states.push_back(state(button(id)));
        return states;
    }
    std::vector<bool> checkedStates()
    {
        return buttonStates([](CVeltoCheckedButton* b) { return b->isChecked(); });
    }
    std::vector<bool> shownButtons()
    {
        return buttonStates([](wxWindow* b) { return b->IsShown(); });
    }
    std::vector<bool> shownTexts()
    {
        std::vector<bool> states;
        for (CVeltoStaticCtrl* text : texts())
            states.push_back(text->IsShown());
        return states;
    }
    // What the test taker does: press and release over the button, which
    // toggles itself and then tells the panel.
    void clickAnswer(int index)
    {
        CVeltoCheckedButton* answer = answerButton(index);
        for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP})
        {
            wxMouseEvent mouse(type);
            mouse.SetPosition(wxPoint(answer->GetSize().x / 2, answer->GetSize().y / 2));
            mouse.SetEventObject(answer);
            answer->GetEventHandler()->ProcessEvent(mouse);
        }
    }
    void showNavigation()
    {
        for (int id = CViewHost::kPreviousButtonID; id <= CViewHost::kSubmitButtonID; ++id)
            button(id)->Show();
    }

    wxFrame* frame = nullptr;
    CViewHost* host = nullptr;
    CEVAttributes attributes;
    CQuestionData question;
};

TEST_F(AssessmentViewPanelTest, QuestionPageShowsTheQuestionAndItsAnswersOnly)
{
    for (int count : {3, 0, 10})
    {
        SCOPED_TRACE(count);
        showNavigation();
        setAnswers(count, CQuestionData::eMultipleAnswers);
        ASSERT_TRUE(showQuestion());
        const std::vector<CVeltoStaticCtrl*> all = texts();
        ASSERT_EQ(all.size(), 13u);
        std::vector<bool> shown(13, false);
        std::fill(shown.begin(), shown.begin() + count, true);
        EXPECT_EQ(shownButtons(), shown);
        shown.insert(shown.begin(), true);
        shown.pop_back();
        EXPECT_EQ(shownTexts(), shown);
        EXPECT_EQ(all[0]->GetLabel(), "Which of these are prime numbers?");
        for (int i = 0; i < 10; ++i) // every answer gets its label, whatever the number of answers
            EXPECT_EQ(all[1 + i]->GetLabel(), wxString::Format("answer %d", i + 1));
        EXPECT_EQ(all[0]->GetFont(), attributes.getFontInfo()->getAsFont());
        EXPECT_EQ(all[10]->GetForegroundColour(), kFontColour);
    }
}

TEST_F(AssessmentViewPanelTest, OtherPagesShowTheirTextsOnlyAndKeepTheAnswers)
{
    ASSERT_TRUE(showQuestion());
    clickAnswer(0);
    clickAnswer(2);
    showNavigation();
    host->requestedImages.clear(); // each page asks for its own background only
    ASSERT_TRUE(host->initializeForSubmit(&attributes));
    EXPECT_EQ(shownTexts(), std::vector<bool>(13, false));
    EXPECT_EQ(shownButtons(), std::vector<bool>(13, false));
    EXPECT_EQ(host->selectedAnswers(), (std::vector<int>{0, 2}));

    ASSERT_TRUE(host->initializeForReview(&attributes, 1, 4));
    std::vector<bool> review(13, false);
    review[11] = review[12] = true;
    EXPECT_EQ(shownTexts(), review);

    ASSERT_TRUE(host->initializeForCongratulations(&attributes));
    EXPECT_EQ(shownTexts(), std::vector<bool>(13, false));
    EXPECT_EQ(host->selectedAnswers(), (std::vector<int>{0, 2}));
    EXPECT_EQ(host->requestedImages, (std::vector<int>{CEVImageSelections::eAnswersSubmittalBackground,
                                                       CEVImageSelections::eReviewBackground,
                                                       CEVImageSelections::eCongratulationsBackground}));

    // Only the next question page clears the answers.
    ASSERT_TRUE(showQuestion());
    EXPECT_FALSE(host->answersWereSelected());
    EXPECT_EQ(checkedStates(), std::vector<bool>(13, false));
}

TEST_F(AssessmentViewPanelTest, OneAnswerQuestionsKeepTheLastClickedAnswerOthersEveryOne)
{
    // True/false questions follow the same rule (their buttons are set from code below).
    setAnswers(5, CQuestionData::eSingleAnswer);
    ASSERT_TRUE(showQuestion());
    clickAnswer(1);
    clickAnswer(3);
    EXPECT_EQ(host->selectedAnswers(), std::vector<int>{3});
    EXPECT_TRUE(host->answersWereSelected());

    // A repeated click clears the very answer just clicked, and a third
    // one leaves it unchecked too: the button toggles on, then the panel
    // clears the last clicked button, which is itself.
    clickAnswer(3);
    EXPECT_TRUE(host->selectedAnswers().empty());
    clickAnswer(3);
    EXPECT_TRUE(host->selectedAnswers().empty());
    clickAnswer(0);
    EXPECT_EQ(host->selectedAnswers(), std::vector<int>{0});

    // Several-answer questions keep every clicked answer, in index order.
    setAnswers(6, CQuestionData::eMultipleAnswers);
    ASSERT_TRUE(showQuestion());
    EXPECT_FALSE(host->answersWereSelected());
    clickAnswer(4);
    clickAnswer(0);
    clickAnswer(1);
    EXPECT_EQ(host->selectedAnswers(), (std::vector<int>{0, 1, 4}));
    clickAnswer(0);
    EXPECT_EQ(host->selectedAnswers(), (std::vector<int>{1, 4}));
}

TEST_F(AssessmentViewPanelTest, ButtonSelectionFromCodeCountsAsTheLastClick)
{
    setAnswers(6, CQuestionData::eTrueFalse);
    ASSERT_TRUE(showQuestion());
    host->setButtonSelection(4, true, true);
    EXPECT_EQ(host->selectedAnswers(), std::vector<int>{4});

    host->setButtonSelection(13, true, true); // slot 13 holds no button: not even the last click changes
    clickAnswer(1);
    EXPECT_EQ(host->selectedAnswers(), std::vector<int>{1});

    // Unchecking from code also makes the button the last clicked one.
    host->setButtonSelection(10, true, false);
    EXPECT_TRUE(button(CViewHost::kPreviousButtonID)->isChecked());
    host->setButtonSelection(10, false, true);
    clickAnswer(2);
    EXPECT_EQ(host->selectedAnswers(), (std::vector<int>{1, 2}));
}

TEST_F(AssessmentViewPanelTest, NavigationButtonsAreEnabledUnlessTheHostSaysOtherwise)
{
    ASSERT_TRUE(showQuestion());
    showNavigation();
    host->nextEnabled = false;
    host->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_FALSE(button(CViewHost::kNextButtonID)->IsEnabled());
    EXPECT_TRUE(button(CViewHost::kPreviousButtonID)->IsEnabled());
    EXPECT_TRUE(button(CViewHost::kSubmitButtonID)->IsEnabled());
}

TEST_F(AssessmentViewPanelTest, AMissingPictureFailsThePageAndLeavesThePanelPainting)
{
    for (int refused : {CEVImageSelections::eQuestionBackground, CEVImageSelections::eAnswerButtonHot,
                        CEVImageSelections::eNoImage})
    {
        SCOPED_TRACE(refused);
        ASSERT_TRUE(host->initializeForReview(&attributes, 1, 2));
        host->refusedImage = refused;
        EXPECT_FALSE(showQuestion());
        EXPECT_FALSE(host->IsFrozen());
        // The failing page shows nothing of its own: the review is still up.
        EXPECT_TRUE(texts()[11]->IsShown());
        EXPECT_FALSE(texts()[0]->IsShown());
        host->refusedImage = CViewHost::kRefuseNothing;
    }
    // A background that is not a picture fails the page too.
    host->images[CEVImageSelections::eReviewBackground] = wxImage();
    EXPECT_FALSE(host->initializeForReview(&attributes, 1, 2));

    host->paints = 0;
    ASSERT_TRUE(showQuestion());
    EXPECT_TRUE(evtest::pumpUntil([&] { return host->paints > 0; }));
}

TEST_F(AssessmentViewPanelTest, ReviewShowsTheTruncatedScoreInItsOwnFont)
{
    ASSERT_TRUE(host->initializeForReview(&attributes, 1, 3)); // two thirds, not rounded up
    EXPECT_EQ(texts()[11]->GetLabel() + "|" + texts()[12]->GetLabel(),
              "Your score is 66%|Number of questions to review: 1");
    for (CVeltoStaticCtrl* text : {texts()[11], texts()[12]})
        EXPECT_EQ(std::make_tuple(text->GetFont().GetFaceName(), text->GetFont().GetPointSize(),
                                  text->GetForegroundColour()),
                  std::make_tuple(wxString("Times New Roman"), 26, CVeltoColours::kPellantTextColorYellow));
}

TEST_F(AssessmentViewPanelTest, QuestionLayoutPlacesEveryControlFromTheMargins)
{
    // A long second answer wraps to several lines, higher than its button.
    question.setAnswer(1, wxString('x', 40) + " " + wxString('y', 40) + " " + wxString('z', 40));
    ASSERT_TRUE(showQuestion());
    const std::vector<CVeltoStaticCtrl*> all = texts();
    EXPECT_EQ(all[0]->GetPosition(), wxPoint(50, 50));
    EXPECT_EQ(all[0]->GetSize().x, 900);
    // 1000 - 40 (answer button) - 100 (previous button) - 140
    EXPECT_EQ(all[1]->GetSize().x, 720);

    int y = 50 + all[0]->GetSize().y + 40;
    for (int i = 0; i < 10; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(answerButton(i)->GetPosition(), wxPoint(50, y));
        EXPECT_EQ(all[1 + i]->GetPosition(), wxPoint(110, y));
        y += std::max(40, all[1 + i]->GetSize().y) + 20;
    }
    ASSERT_GT(all[2]->GetSize().y, 40);
    EXPECT_EQ(answerButton(2)->GetPosition().y - answerButton(1)->GetPosition().y, all[2]->GetSize().y + 20);
    EXPECT_EQ(answerButton(1)->GetPosition().y - answerButton(0)->GetPosition().y, 60);

    // Previous 40, next 50, submit 30 high; next is the widest at 120. The
    // column ends 50 pixels above the bottom: 590 + 40 + 20 + 50 + 20 + 30 = 750.
    EXPECT_EQ(button(CViewHost::kPreviousButtonID)->GetPosition(), wxPoint(830, 590));
    EXPECT_EQ(button(CViewHost::kNextButtonID)->GetPosition(), wxPoint(830, 650));
    EXPECT_EQ(button(CViewHost::kSubmitButtonID)->GetPosition(), wxPoint(830, 720));
}

TEST_F(AssessmentViewPanelTest, ResizingReappliesTheLayoutOfTheMode)
{
    ASSERT_TRUE(showQuestion());
    resizeClient(wxSize(1200, 900));
    EXPECT_EQ(texts()[0]->GetSize().x, 1100);
    EXPECT_EQ(button(CViewHost::kSubmitButtonID)->GetPosition(), wxPoint(1030, 820));

    // The review starts a quarter in and three eighths down.
    ASSERT_TRUE(host->initializeForReview(&attributes, 1, 4));
    host->setLayoutMode(CAssessmentViewPanelBase::eReviewLayout);
    resizeClient(wxSize(800, 800));
    EXPECT_EQ(texts()[11]->GetPosition(), wxPoint(200, 300));
    EXPECT_EQ(texts()[11]->GetSize().x, 600);
    EXPECT_EQ(texts()[12]->GetRect(),
              wxRect(200, 300 + texts()[11]->GetCharHeight() + 20, 600, texts()[12]->GetSize().y));
}

TEST_F(AssessmentViewPanelTest, DisplaySizeFollowsTheBackground)
{
    host->images[CEVImageSelections::eQuestionBackground] = evtest::solidImage(1024, 768, *wxBLACK);
    frame->Move(30, 40);
    ASSERT_TRUE(showQuestion());
    EXPECT_TRUE(host->initializeDisplaySize(frame));
    EXPECT_TRUE(evtest::pumpUntil([&] { return frame->GetClientSize() == wxSize(1024, 768); }));
    EXPECT_EQ(frame->GetPosition(), wxPoint(0, 0));
}

// Before any page there is no background and nothing is drawn, not even the
// toolkit's. Then a black half and a white half, enlarged a hundred times,
// meet in a ramp (nearest-neighbour scaling would give a hard step), and the
// edges keep the picture's own colours rather than fading.
TEST_F(AssessmentViewPanelTest, EraseDrawsTheBackgroundScaledBilinearlyOrNothing)
{
    wxBitmap bitmap(1000, 800, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    auto erase = [&]
    {
        wxEraseEvent event(host->GetId(), &dc);
        event.SetEventObject(host);
        host->ProcessWindowEvent(event);
        dc.SelectObject(wxNullBitmap);
        const wxImage image = bitmap.ConvertToImage();
        dc.SelectObject(bitmap);
        return image;
    };
    EXPECT_EQ(evtest::pixelAt(erase(), 500, 400), *wxWHITE);

    wxImage halves = evtest::solidImage(10, 8, *wxBLACK);
    halves.SetRGB(wxRect(5, 0, 5, 8), 255, 255, 255);
    host->images[CEVImageSelections::eQuestionBackground] = halves;
    ASSERT_TRUE(showQuestion());
    ASSERT_EQ(host->GetClientSize(), wxSize(1000, 800));
    const wxImage painted = erase();
    const std::pair<int, int> levels[] = {{0, 0},     {440, 0},   {475, 64}, {500, 128},
                                          {525, 191}, {560, 255}, {999, 255}};
    for (const auto& [x, level] : levels)
    {
        const wxColour pixel = evtest::pixelAt(painted, x, 400);
        EXPECT_NEAR(pixel.Red(), level, 6) << "x " << x;
        EXPECT_EQ(pixel.Red(), pixel.Blue()) << "x " << x;
    }

    // Another picture of the same size, then the host's own picture changed:
    // each erase shows the picture of now, never the pixels of one before.
    wxImage& submit = host->images[CEVImageSelections::eAnswersSubmittalBackground];
    submit = halves.Copy();
    submit.SetRGB(wxRect(submit.GetSize()), 0, 255, 0);
    ASSERT_TRUE(host->initializeForSubmit(&attributes));
    EXPECT_EQ(evtest::pixelAt(erase(), 505, 0), *wxGREEN);
    submit.SetRGB(wxRect(submit.GetSize()), 255, 255, 0);
    ASSERT_TRUE(host->initializeForSubmit(&attributes));
    EXPECT_EQ(evtest::pixelAt(erase(), 505, 0), *wxYELLOW);
}

TEST_F(AssessmentViewPanelTest, PageIsPaintedScaledWithTextsAndButtonsOverIt)
{
    attributes.getFontInfo()->setFontSize(40);
    attributes.getFontInfo()->setStyle(true, false, false);
    question.setQuestion("MMMM");
    host->paints = 0;
    ASSERT_TRUE(showQuestion());
    // Grabbed once the page is on the screen; before that the window is black.
    ASSERT_TRUE(evtest::pumpUntil([&] { return host->paints > 0; }));
    const wxImage shot = evtest::grabWindow(frame);
    ASSERT_EQ(shot.GetSize(), wxSize(1000, 800));

    // The background reaches the corners; the answer button shows its cold
    // picture where it stands.
    const wxPoint button = answerButton(0)->GetPosition() + wxPoint(20, 20);
    const std::tuple<int, int, wxColour> pixels[] = {
        {5, 795, *wxRED}, {995, 5, *wxBLUE}, {button.x, button.y, *wxYELLOW}};
    for (const auto& [x, y, colour] : pixels)
        EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(shot, x, y), colour)) << x << "," << y;

    // Some pixel of the question text has the font's colour, on red around it.
    const wxRect textRect = texts()[0]->GetRect();
    bool textPainted = false;
    for (int x = textRect.x; x < textRect.GetRight() && !textPainted; ++x)
        for (int y = textRect.y; y < textRect.GetBottom() && !textPainted; ++y)
            textPainted = evtest::coloursNear(evtest::pixelAt(shot, x, y), kFontColour);
    EXPECT_TRUE(textPainted);
}

TEST_F(AssessmentViewPanelTest, EachPageChangeIsPaintedOnce)
{
    ASSERT_TRUE(showQuestion());
    ASSERT_TRUE(evtest::pumpUntil([&] { return host->paints > 0; }));
    evtest::pumpEvents();

    // The panel once, and no control twice: a checked answer that the next
    // question clears must not be repainted on its own before the page is.
    auto paintsFor = [&](const std::function<bool()>& pageChange)
    {
        clickAnswer(0);
        evtest::pumpEvents();
        host->resetPaints();
        EXPECT_TRUE(pageChange());
        evtest::pumpUntil([&] { return host->paints > 0; });
        evtest::pumpEvents();
        evtest::pumpEvents();
        EXPECT_LE(host->mostControlPaints(), 1);
        return host->paints;
    };
    EXPECT_EQ(paintsFor([&] { return showQuestion(); }), 1);
    EXPECT_EQ(paintsFor([&] { return host->initializeForSubmit(&attributes); }), 1);
    EXPECT_EQ(paintsFor([&] { return host->initializeForReview(&attributes, 1, 3); }), 1);
}

} // namespace
