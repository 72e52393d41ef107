// The host's side of results: the attempt kept while it is taken, the
// review of missed questions, the taker's name, and --record / --results.

#include "app/EvalonApp.h"
#include "app/MissedQuestionsPanel.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "app/TakerNameDlg.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "results/ResultsStore.h"
#include "tests/app/TestAssessments.h"

#include <wx/textctrl.h>

namespace
{

using Panel = CAssessmentViewPanelBase;

using apptest::button;
using apptest::checkedAnswers;
using apptest::clickAnswer;
using apptest::shownTexts;

class ResultsHostTest : public apptest::CSampleTest
{
protected:
    std::unique_ptr<CAttemptRecording> newRecording(const wxString& url)
    {
        return std::make_unique<CAttemptRecording>(document.getAssessment(), "/class/solar.eva", "Ann", url,
                                                   path("outbox.sqlite"));
    }
    CTakeAssessmentFrame* openFrame(const wxString& url)
    {
        return openTaking(nullptr, newRecording(url), true);
    }

    void next(wxWindow* page, int id = Panel::kNextButtonID) { apptest::clickNavigation(page, id); }

    // Answers every question right but the second (Venus for Mercury) and
    // the third (none), then submits.
    void takeWithTwoMissed()
    {
        while (panel->getTaking()->getPage() == CAssessmentTaking::eQuestionPage)
        {
            const unsigned index = panel->getTaking()->getQuestionIndex();
            if (index == 1)
                clickAnswer(panel, 2);
            else if (index != 2)
                apptest::answerRight(panel);
            next(panel);
        }
        next(panel, Panel::kSubmitButtonID);
    }

    // The attempt `id` as the store at `url` (by default the results store) has it.
    CAttempt storedAttempt(const std::string& id, const wxString& url = wxString())
    {
        std::string error;
        auto store = CResultsStore::open((url.empty() ? storeUrl() : url).utf8_string(), &error);
        CAttempt attempt;
        EXPECT_TRUE(store && store->loadAttempt(id, &attempt, &error)) << error;
        return attempt;
    }
};

// With a store that cannot be opened the attempt is kept on this computer,
// the taker told so on opening and on submitting, not on every page.
TEST_F(ResultsHostTest, TheMissedQuestionsAreReviewedByMouseAndKeyboardWhileTheStoreIsAway)
{
    const wxString broken = writeFile("broken.sqlite", std::string(4096, 'x'));
    document.getAssessment()->getDeliveryOptions()->setPassMark(80); // reached
    wxTEST_DIALOG(openFrame("sqlite:" + broken), expectMessage(CResultsRecorder::kOutboxNotice));
    CMissedQuestionsPanel* missed = frame->getMissedPanel();
    wxTEST_DIALOG(takeWithTwoMissed(), expectMessage(CResultsRecorder::kOutboxNotice));
    EXPECT_EQ(shownTexts(panel),
              (std::vector<wxString>{"Your score is 80%", "Number of questions to review: 2",
                                     "Passed: the pass mark is 80%."}));

    next(panel);
    ASSERT_TRUE(missed->IsShown());
    EXPECT_FALSE(panel->IsShown());
    EXPECT_EQ(missed->GetClientSize(), wxSize(1280, 800));
    std::vector<wxString> texts = shownTexts(missed);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_TRUE(texts[2].Contains(wxString::FromUTF8("\u2714 correct answer")));
    EXPECT_TRUE(texts[3].Contains(wxString::FromUTF8("\u2718 your answer, not correct")));
    texts[1] = texts[4] = "";
    EXPECT_EQ(texts,
              (std::vector<wxString>{
                  "Which planet is closest to the Sun?", "",
                  CMissedQuestionsPanel::markedAnswer("Mercury", true, false),
                  CMissedQuestionsPanel::markedAnswer("Earth", false, true), "",
                  "Reference: Mercury circles the Sun at an average of 58 million kilometres, once every "
                  "88 days."}));
    // Under the last answer, clear of the navigation buttons.
    const wxRect reference = missed->getReferenceText()->GetRect();
    EXPECT_GT(reference.GetTop(), button(missed, Panel::kFirstAnswerButtonID + 3)->GetRect().GetBottom());
    EXPECT_LT(reference.GetRight(), button(missed, Panel::kNextButtonID)->GetRect().GetLeft());
    EXPECT_EQ(checkedAnswers(missed), std::vector<int>{2});
    EXPECT_FALSE(button(missed, Panel::kPreviousButtonID)->IsShown());
    EXPECT_EQ(frame->GetTitle(), "Evalon: missed question 1 of 2 (question 2 of 10)");

    // The taker's answers cannot be changed here.
    clickAnswer(missed, 0);
    clickAnswer(missed, 2);
    EXPECT_EQ(checkedAnswers(missed), std::vector<int>{2});

    next(missed);
    EXPECT_EQ(checkedAnswers(missed), std::vector<int>{});
    EXPECT_TRUE(button(missed, Panel::kPreviousButtonID)->IsShown());

    // The keyboard moves as the buttons do, through the window's keys.
    frame->Raise();
    ASSERT_TRUE(
        evtest::pumpUntil([&] { return wxWindow::FindFocus() == button(missed, Panel::kNextButtonID); }));
    press(WXK_LEFT);
    EXPECT_EQ(missed->getShownIndex(), 0u);
    press(WXK_PAGEDOWN);
    EXPECT_EQ(missed->getShownIndex(), 1u);
    press(WXK_RETURN);
    EXPECT_TRUE(panel->IsShown());
    EXPECT_FALSE(missed->IsShown());
    EXPECT_EQ(panel->getTaking()->getPage(), CAssessmentTaking::eCongratulationsPage);

    const CAttempt kept =
        storedAttempt(frame->getRecording()->getAttempt().m_id, "sqlite:" + path("outbox.sqlite"));
    EXPECT_EQ(std::make_pair(kept.m_status, kept.m_score), std::make_pair(CAttempt::eSubmitted, 80u));
    EXPECT_EQ(kept.m_questions[1].m_chosen, std::vector<unsigned>{2});
    EXPECT_TRUE(kept.m_questions[2].m_chosen.empty());
}

// Every page change and the closing keep the answers so far. An attempt
// that ended without a submit is offered again: yes resumes it with its
// answers, its page and the time it has left, the clock having run
// meanwhile; no starts a new attempt only while the attempts allowed leave one.
TEST_F(ResultsHostTest, TheAnswersSoFarAreKeptAndAnAttemptInProgressResumes)
{
    document.getAssessment()->getDeliveryOptions()->setTimeLimitMinutes(10);
    auto secondsNow = [] { return (long long)(wxGetUTCTimeMillis().GetValue() / 1000); };
    long long offset = 0;
    auto clock = [&] { return secondsNow() + offset; };
    const long long started = secondsNow();
    openTaking(clock, newRecording(storeUrl()));
    const std::string firstId = frame->getRecording()->getAttempt().m_id;
    // In the store from the first page on.
    CAttempt stored = storedAttempt(firstId);
    EXPECT_EQ(stored.m_status, CAttempt::eInProgress);
    EXPECT_EQ(stored.m_taker + " " + stored.m_assessmentFile, "Ann /class/solar.eva");

    clickAnswer(panel, 1);
    next(panel);
    clickAnswer(panel, 0);
    next(panel);
    stored = storedAttempt(firstId);
    EXPECT_EQ(stored.m_currentPage, 2u);
    EXPECT_EQ(stored.m_questions[0].m_chosen, std::vector<unsigned>{1});
    EXPECT_EQ(stored.m_questions[1].m_chosen, std::vector<unsigned>{0});
    next(panel, Panel::kPreviousButtonID);

    // Closing the window keeps the answer checked on the page shown.
    clickAnswer(panel, 3);
    frame->Close(true);
    ASSERT_TRUE(apptest::allClosed());
    stored = storedAttempt(firstId);
    EXPECT_EQ(stored.m_questions[1].m_chosen, std::vector<unsigned>{3});

    auto offered = [](int answer)
    {
        return CExpectDialog<wxMessageDialog>(
            [answer](wxMessageDialog* message)
            {
                EXPECT_TRUE(
                    message->GetMessage().StartsWith("You have an attempt at this assessment in progress"))
                    << message->GetMessage();
                return answer;
            });
    };
    auto resumed = newRecording(storeUrl());
    wxString refusal;
    bool chosen = false;
    wxTEST_DIALOG(chosen = CEvalonApp::chooseAttempt(resumed.get(), 0, &refusal), offered(wxID_YES));
    ASSERT_TRUE(chosen) << refusal;
    offset = 120; // two minutes went by
    openTaking(clock, std::move(resumed));
    const CAssessmentTaking& taking = *panel->getTaking();
    EXPECT_EQ(taking.getPage(), CAssessmentTaking::eQuestionPage);
    EXPECT_EQ(taking.getQuestionIndex(), 1u);
    EXPECT_EQ(taking.getAnswers(0), apptest::indexes({1}));
    EXPECT_EQ(taking.getAnswers(1), apptest::indexes({3}));
    // The clock really runs meanwhile (slowly under a sanitizer): what went by counts too.
    EXPECT_GE(frame->getSecondsLeft(), 10 * 60 - 120 - (secondsNow() - started) - 1);
    EXPECT_LE(frame->getSecondsLeft(), 10 * 60 - 120);

    // Declined: a new attempt, unless the one allowed is used.
    auto declined = newRecording(storeUrl());
    const std::string freshId = declined->getAttempt().m_id;
    wxTEST_DIALOG(chosen = CEvalonApp::chooseAttempt(declined.get(), 1, &refusal), offered(wxID_NO));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(refusal, "You have made the 1 attempt this assessment allows.");
    wxTEST_DIALOG(chosen = CEvalonApp::chooseAttempt(declined.get(), 2, &refusal), offered(wxID_NO));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(declined->getAttempt().m_id, freshId);
    wxTEST_DIALOG(chosen = CEvalonApp::chooseAttempt(declined.get(), 0, &refusal), offered(wxID_CANCEL));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(refusal, "");
}

TEST_F(ResultsHostTest, TheNameDialogOffersTheLastNameAndNeedsOne)
{
    CTakerNameDlg dialog(nullptr);
    dialog.initialize("Ann Smith");
    auto script = [](CTakerNameDlg* dlg)
    {
        evtest::showAsModal(dlg);
        auto* name = evtest::findControl<wxTextCtrl>(dlg, CTakerNameDlg::kNameID);
        EXPECT_EQ(name->GetValue(), "Ann Smith");
        const std::pair<wxString, bool> typings[] = {
            {"   ", false}, {wxString::FromUTF8("  Zo\u00eb \u05e9\u05dc\u05d5\u05dd  "), true}};
        for (const auto& [typed, enabled] : typings)
        {
            name->ChangeValue(typed);
            dlg->UpdateWindowUI(wxUPDATE_UI_RECURSE);
            EXPECT_EQ(dlg->FindWindow(wxID_OK)->IsEnabled(), enabled);
        }
        return evtest::pressDialogButton(dlg, wxID_OK);
    };
    wxTEST_DIALOG(EXPECT_EQ(dialog.ShowModal(), wxID_OK), CExpectDialog<CTakerNameDlg>(script));
    EXPECT_EQ(dialog.getName(), wxString::FromUTF8("Zo\u00eb \u05e9\u05dc\u05d5\u05dd"));
}

using ResultsProgramTest = apptest::CProgramTest;

TEST_F(ResultsProgramTest, RecordRefusesBadAnswersAndResultsWritesTheRowsRecorded)
{
    const wxString store = " --store sqlite:" + path("results.sqlite");
    const wxString record =
        "--record " + apptest::sampleFile() + " --taker \"Bo; DROP TABLE attempts; --\"" + store;
    const std::pair<const char*, const char*> refused[] = {
        {"0;1;;3", "--answers has 4 groups, but the assessment has 10 questions"},
        {"0;1;;3;0;1;0;1;0;10",
         "group 10 (\"10\") of --answers: \"10\" is not an answer of question 10, which has answers 0 to 9"},
        {"0;1,2;;3;0;1;0;1;0;1",
         "group 2 (\"1,2\") of --answers: question 2 takes one answer, but 2 are given"},
        {"0;x;;3;0;1;0;1;0;1",
         "group 2 (\"x\") of --answers: \"x\" is not an answer of question 2, which has answers 0 to 3"},
    };
    for (const auto& [answers, reason] : refused)
    {
        EXPECT_EQ(run(record + " --answers \"" + answers + "\""), 1)
            << wxJoin(output, '\n') << wxJoin(errors, '\n');
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(errors[0], "evalon: " + wxString(reason) + "; nothing was stored");
    }
    EXPECT_EQ(run("--results " + apptest::sampleFile() + store + " --to " + path("none.csv")), 0);
    EXPECT_EQ(output, wxArrayString(1, "0 attempts written to " + path("none.csv") + "."));

    ASSERT_EQ(run(record + " --answers \"0;1;;3;0;1;0;1;0;1\""), 0) << firstError();
    ASSERT_EQ(output.size(), 1u);
    EXPECT_TRUE(output[0].EndsWith("of Bo; DROP TABLE attempts; --: score 30%, 7 to review.")) << output[0];
    ASSERT_EQ(run("--results " + apptest::sampleFile() + store + " --to " + path("r.csv")), 0);
    const wxArrayString rows = wxSplit(apptest::fileText(path("r.csv")).BeforeLast('\n'), '\n');
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_TRUE(rows[1].Contains(",Bo; DROP TABLE attempts; --,")) << rows[1];
    EXPECT_TRUE(rows[3].Contains(",30,3,How long does sunlight take to reach the Earth?,,1,no")) << rows[3];
}

} // namespace
