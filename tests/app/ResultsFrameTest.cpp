// The author's results window: attempts sorted, filtered and deleted, the
// questions with their figures, the plots on screen and saved, a store that
// cannot be read, and evalon --report.

#include "app/ResultsFrame.h"
#include "app/PlotPanel.h"
#include "app/ResultsCommands.h"
#include "assessment/EVAssessmentMgrDataDlg.h"
#include "results/ResultsStore.h"
#include "tests/app/TestAssessments.h"

#include <wx/button.h>
#include <wx/datectrl.h>
#include <wx/dir.h>
#include <wx/notebook.h>
#include <wx/stattext.h>

namespace
{

using evtest::columnTexts;

void clickColumn(wxListCtrl* list, int index)
{
    wxListEvent event(wxEVT_LIST_COL_CLICK, list->GetId());
    event.SetEventObject(list);
    event.m_col = index;
    list->GetEventHandler()->ProcessEvent(event);
}

class ResultsFrameTest : public apptest::CSampleTest
{
protected:
    // An attempt at the sample by `taker`, right on the first `numRight`
    // questions and answering the rest with an answer that is not the key,
    // submitted on `day` of December 2026 at noon (UTC) after `minutes`.
    void store(const std::string& taker, unsigned numRight, int day, int minutes = 10, bool submit = true)
    {
        CAssessmentMgr& assessment = *document.getAssessment();
        CAttempt attempt = CAttempt::begin(
            assessment, CResultsCommands::assessmentKey(apptest::sampleFile()).utf8_string(), taker);
        for (unsigned position = 0; position < assessment.getCount(); ++position)
        {
            const std::vector<unsigned>& key = attempt.m_questions[position].m_correct;
            attempt.setAnswers(position,
                               position < numRight ? key : std::vector<unsigned>{key.front() == 0 ? 1u : 0u});
        }
        if (submit)
            attempt.submit();
        attempt.m_startedAt = wxString::Format("2026-12-%02dT12:00:00Z", day).utf8_string();
        if (submit) // the same day, before midnight
            attempt.m_submittedAt =
                wxString::Format("2026-12-%02dT%02d:%02d:00Z", day, 12 + minutes / 60, minutes % 60)
                    .utf8_string();
        std::string error;
        auto results = CResultsStore::open(storeUrl().utf8_string(), &error);
        ASSERT_TRUE(results && results->saveAttempt(attempt, &error)) << error;
        ids[taker] = attempt.m_id;
    }

    void openFrame(const wxString& url)
    {
        window = new CResultsFrame(nullptr);
        window->initialize(document.getAssessment(), apptest::sampleFile(), url);
        window->Show();
        evtest::pumpEvents();
        attempts = evtest::findControl<wxListCtrl>(window, CResultsFrame::kAttemptsListID);
        questions = evtest::findControl<wxListCtrl>(window, CResultsFrame::kQuestionsListID);
    }

    wxString label(int id) const { return evtest::findControl<wxStaticText>(window, id)->GetLabel(); }
    wxString summary() const { return label(CResultsFrame::kSummaryID); }
    wxString notes() const { return label(CResultsFrame::kNotesID); }
    void storeThree()
    {
        store("Ann", 10, 1);
        store("Ben", 5, 2);
        store("Cy", 8, 3);
        openFrame(storeUrl());
    }

    void showPage(int page)
    {
        evtest::findControl<wxNotebook>(window, CResultsFrame::kNotebookID)->SetSelection(page);
        evtest::pumpEvents();
    }

    CResultsFrame* window = nullptr;
    wxListCtrl* attempts = nullptr;
    wxListCtrl* questions = nullptr;
    std::map<std::string, std::string> ids;
};

TEST_F(ResultsFrameTest, AttemptsAreSortedFilteredByDateAndDeletedOnlyWhenTheAuthorSaysSo)
{
    store("Ann", 10, 1, 25);
    store("Ben", 5, 5, 8);
    store("Cy", 8, 6, 61);
    store("Dee", 2, 7, 0, false);
    document.getAssessment()->getDeliveryOptions()->setPassMark(80);
    openFrame(storeUrl());
    ASSERT_TRUE(attempts && questions);
    // Against the mark of 80%, which Cy's 80% reaches; nothing for an attempt in progress.
    EXPECT_EQ(columnTexts(attempts, 5), (std::vector<wxString>{"yes", "no", "yes", ""}));
    EXPECT_TRUE(summary().EndsWith("\n2 of 3 submitted attempts passed (pass mark 80%).")) << summary();

    EXPECT_EQ(columnTexts(attempts, 0), (std::vector<wxString>{"Ann", "Ben", "Cy", "Dee"})) << "oldest first";
    EXPECT_EQ(columnTexts(attempts, 3),
              (std::vector<wxString>{"100%", "50%", "80%", wxString::FromUTF8("–")}));
    EXPECT_EQ(columnTexts(attempts, 2),
              (std::vector<wxString>{"25 min 00 s", "8 min 00 s", "1 h 01 min", wxString::FromUTF8("–")}));
    EXPECT_EQ(attempts->GetItemText(3, 4), "in progress, at question 1");
    EXPECT_EQ(notes(), "1 attempt is still in progress and not counted.");

    clickColumn(attempts, 3);
    EXPECT_EQ(columnTexts(attempts, 0), (std::vector<wxString>{"Ben", "Cy", "Ann", "Dee"}))
        << "by score, unscored last";
    clickColumn(attempts, 3);
    EXPECT_EQ(columnTexts(attempts, 0), (std::vector<wxString>{"Dee", "Ann", "Cy", "Ben"})) << "turned round";

    // Only what was submitted (or started, in progress) from 5 December on.
    auto* from = evtest::findControl<wxDatePickerCtrl>(window, CResultsFrame::kFromDateID);
    from->SetValue(wxDateTime(5, wxDateTime::Dec, 2026));
    evtest::clickCheckBox(evtest::findControl<wxCheckBox>(window, CResultsFrame::kFromCheckID), true);
    EXPECT_EQ(columnTexts(attempts, 0), (std::vector<wxString>{"Dee", "Cy", "Ben"}));
    evtest::clickCheckBox(evtest::findControl<wxCheckBox>(window, CResultsFrame::kFromCheckID), false);

    // Ben's attempt (the last row, by score turned round): kept on No, gone on Yes.
    evtest::selectListItem(attempts, 3);
    auto* remove = evtest::findControl<wxButton>(window, CResultsFrame::kDeleteAttemptID);
    const wxString question =
        "Delete the attempt of Ben (2026-12-05 " +
        wxDateTime(5, wxDateTime::Dec, 2026, 12, 8).FromTimezone(wxDateTime::UTC).Format("%H:%M") +
        ")?\n\nIts answers are removed from the results store for good and no longer count "
        "in the statistics.";
    wxTEST_DIALOG(evtest::clickButton(remove), expectMessage(question, wxID_NO, "Evalon"));
    EXPECT_EQ(attempts->GetItemCount(), 4);
    wxTEST_DIALOG(evtest::clickButton(remove), expectMessage(question, wxID_YES, "Evalon"));
    EXPECT_EQ(columnTexts(attempts, 0), (std::vector<wxString>{"Dee", "Ann", "Cy"}));
    EXPECT_TRUE(summary().StartsWith("2 submitted attempts")) << "the statistics leave it out at once";
    std::string error;
    CAttempt gone;
    auto results = CResultsStore::open(storeUrl().utf8_string(), &error);
    EXPECT_FALSE(results->loadAttempt(ids["Ben"], &gone, &error)) << "and so does the store";
}

TEST_F(ResultsFrameTest, TheQuestionsShowTheirFiguresAndTheChosenQuestionsAnswers)
{
    storeThree();
    showPage(1);
    ASSERT_EQ(questions->GetItemCount(), 10);
    std::vector<wxString> first; // everybody got it right
    for (int column : {1, 3, 6, 7})
        first.push_back(questions->GetItemText(0, column));
    EXPECT_EQ(first,
              (std::vector<wxString>{"The Sun is a star.", "1.00", wxString::FromUTF8("A ✓ 3 · B 0 · none 0"),
                                     wxString::FromUTF8("▲ too easy")}));

    auto* plot = dynamic_cast<CPlotPanel*>(window->FindWindow(CResultsFrame::kAnswerPlotID));
    ASSERT_TRUE(plot);
    evtest::selectListItem(questions, 8);
    EXPECT_EQ(plot->getChart().m_title, "Question 9: share of takers choosing each answer");

    // A row opens its question's entry, where the author can fix it.
    CExpectDialog<CEVAssessmentMgrDataDlg> entry([](CEVAssessmentMgrDataDlg* dialog)
                                                 { return evtest::showAsModal(dialog), wxID_CANCEL; });
    wxTEST_DIALOG(evtest::activateListItem(questions, 8), entry);

    // Sorting by facility puts the hardest first; the selection stays.
    clickColumn(questions, 3);
    EXPECT_EQ(questions->GetItemText(questions->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 0),
              "9");
    EXPECT_EQ(columnTexts(questions, 3).front(), "0.33");
}

TEST_F(ResultsFrameTest, ThePlotsAreDrawnAtTheirSizeAndSavedAsPngAndSvg)
{
    storeThree();
    window->SetSize(1200, 760);
    showPage(2);
    auto* histogram = dynamic_cast<CPlotPanel*>(window->FindWindow(CResultsFrame::kHistogramPlotID));
    ASSERT_TRUE(histogram);
    evtest::pumpEvents();

    // Three takers in three score ranges: three bars of the plot's blue.
    const wxImage shown = evtest::grabWindow(histogram);
    int blue = 0;
    for (int x = 0; x < shown.GetWidth(); ++x)
        for (int y = 0; y < shown.GetHeight(); y += 4)
            blue += evtest::coloursNear(evtest::pixelAt(shown, x, y), wxColour(0x3b, 0x6e, 0xa5), 12);
    EXPECT_GT(blue, 100);

    const wxString png = path("scores.png");
    wxTEST_DIALOG(evtest::clickButton(window->FindWindow(CResultsFrame::kSaveHistogramPngID)),
                  expectFileDialog(png));
    wxImage saved;
    ASSERT_TRUE(saved.LoadFile(png, wxBITMAP_TYPE_PNG));
    EXPECT_EQ(saved.GetSize(), histogram->GetClientSize());

    const wxString svg = path("questions.svg");
    wxTEST_DIALOG(evtest::clickButton(window->FindWindow(CResultsFrame::kSaveFiguresSvgID)),
                  expectFileDialog(svg));
    const wxString text = apptest::fileText(svg);
    EXPECT_NE(text.Find("<svg"), wxNOT_FOUND);
    EXPECT_NE(text.Find("Facility and discrimination of each question"), wxNOT_FOUND);
    wxArrayString files;
    wxDir::GetAllFiles(dir(), &files, "*.??g*", wxDIR_FILES);
    files.Sort();
    EXPECT_EQ(std::vector<wxString>(files.begin(), files.end()), (std::vector<wxString>{svg, png}))
        << "no temporary file is left behind";
}

TEST_F(ResultsFrameTest, AStoreThatCannotBeReadIsNamedAndRefreshReadsAgain)
{
    const wxString notADatabase = writeFile("notes.sqlite", std::string(4096, 'x'));
    openFrame("sqlite:" + notADatabase);
    EXPECT_NE(notes().Find(notADatabase), wxNOT_FOUND) << notes();
    EXPECT_TRUE(summary().StartsWith("0 submitted attempts"));

    openFrame(storeUrl());
    EXPECT_EQ(notes(), "No attempt of this version of the assessment has been submitted yet.");
    store("Ann", 10, 1);
    evtest::clickButton(window->FindWindow(CResultsFrame::kRefreshID));
    EXPECT_EQ(columnTexts(attempts, 0), (std::vector<wxString>{"Ann"}));
    EXPECT_TRUE(notes().empty());
}

using ReportProgramTest = apptest::CProgramTest;

TEST_F(ReportProgramTest, ReportWritesJsonCsvAndHtmlAndRefusesOtherNames)
{
    const wxString sample = apptest::sampleFile();
    const wxString store = " --store sqlite:" + path("results.sqlite");
    const wxString record = "--record \"" + sample + "\"" + store + " --taker ";
    ASSERT_EQ(run(record + "Ann --answers \"0;1;1;2;0,2,3,4;0;1;0,1;0;0,2,4,6,8,9\""), 0) << firstError();
    ASSERT_EQ(run(record + "Ben --answers \"1;1;1;2;0;0;0;0,1;1;0\""), 0) << firstError();

    const wxString report = "--report \"" + sample + "\"" + store + " --to ";
    ASSERT_EQ(run(report + path("figures.json")), 0) << firstError();
    EXPECT_EQ(apptest::fileText(path("figures.json")),
              "{\"attempts\": 2, \"mean\": 75.000000, \"median\": 75.000000, \"standard_deviation\": "
              "35.355339, \"lowest\": 50.000000, \"highest\": 100.000000, \"cronbach_alpha\": 0.888889, "
              "\"standard_error\": 1.178511}\n");
    ASSERT_EQ(run(report + path("questions.csv")), 0) << firstError();
    const wxString csv = apptest::fileText(path("questions.csv"));
    EXPECT_TRUE(
        csv.StartsWith("position,question,attempts,facility_index,standard_deviation,discrimination_index,"
                       "flags\r\n1,The Sun is a star.,2,0.5000,0.7071,1.0000,\r\n"))
        << csv;

    EXPECT_NE(run(report + path("report.txt")), 0);
    EXPECT_TRUE(firstError().Contains("--report writes .html, .csv or .json")) << firstError();
    EXPECT_FALSE(wxFileExists(path("report.txt")));
}

} // namespace
