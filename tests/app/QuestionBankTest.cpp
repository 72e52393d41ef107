// Question banks in the host: "Import Questions..." and "Export Questions..."
// in the authoring window, and --import / --export on the command line.

#include "app/ImportReportDlg.h"
#include "app/QuestionBankActions.h"
#include "app/QuestionBankTool.h"
#include "external/data/AssessmentSerializer.h"
#include "tests/app/TestAssessments.h"

#include <wx/eventfilter.h>
#include <wx/progdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <tuple>

namespace
{

const char kSourceQuestion[] = "Import questions from a bank file, or from a folder of QTI items?";

// Four questions, one of them refused.
const char kSmallBank[] = "::Closest planet::Which planet is closest to the Sun?{~Venus =Mercury ~Mars}\n\n"
                          "::Sun is a star::The Sun is a star.{T}\n\n"
                          "::Gas giants::Which are gas giants?{~%50%Jupiter ~%50%Saturn ~%-100%Mars}\n\n"
                          "::Moon essay::Describe the Moon.{}\n";

std::string largeBank(unsigned questions)
{
    std::string bank;
    for (unsigned number = 1; number <= questions; ++number)
        bank += wxString::Format("::Q%u::Question %u?{=Right ~Wrong}\n\n", number, number).utf8_string();
    return bank;
}

// Notes whether a progress dialog came up and presses its Cancel button at
// once, as the author would.
class CProgressWatch : public wxEventFilter
{
public:
    CProgressWatch() { wxEvtHandler::AddFilter(this); }
    ~CProgressWatch() override { wxEvtHandler::RemoveFilter(this); }
    CProgressWatch(const CProgressWatch&) = delete;
    CProgressWatch& operator=(const CProgressWatch&) = delete;

    bool seen() const { return m_seen; }

    int FilterEvent(wxEvent& event) override
    {
        // wxDynamicCast would take any dialog: the progress dialog has no class info of its own.
        auto* dialog = dynamic_cast<wxGenericProgressDialog*>(event.GetEventObject());
        if (dialog != nullptr && !m_seen)
        {
            m_seen = true;
            if (wxWindow* cancel = dialog->FindWindow(wxID_CANCEL))
                evtest::clickButton(cancel);
        }
        return Event_Skip;
    }

private:
    bool m_seen = false;
};

// The report dialog, shown, with what it says kept for the test.
CExpectDialog<CImportReportDlg> expectReport(const wxString& title, wxString* summary, wxString* text)
{
    return CExpectDialog<CImportReportDlg>(
        [=](CImportReportDlg* dialog)
        {
            evtest::showAsModal(dialog);
            EXPECT_EQ(dialog->GetTitle(), title);
            *summary = evtest::findControl<wxStaticText>(dialog, CImportReportDlg::kSummaryID)->GetLabel();
            *text = evtest::findControl<wxTextCtrl>(dialog, CImportReportDlg::kReportTextID)->GetValue();
            return evtest::pressDialogButton(dialog, wxID_OK);
        });
}

class QuestionBankTest : public apptest::CAuthoringTest
{
protected:
    void SetUp() override
    {
        CAuthoringTest::SetUp();
        CQuestionBankActions::setFolderChooser(
            [this](wxWindow*, const wxString& message, wxString* chosen)
            {
                folderMessages.push_back(message);
                if (folderAnswers.empty())
                    return false;
                *chosen = folderAnswers.front();
                folderAnswers.erase(folderAnswers.begin());
                return true;
            });
    }

    void TearDown() override
    {
        CQuestionBankActions::setFolderChooser(nullptr);
        CAuthoringTest::TearDown();
    }

    // Imports the bank file `bank` into the folder "bank", when `duplicates`
    // of the bank's `read` questions are in the assessment already; the
    // question whether to add them again gets `answer`.
    void importFile(const wxString& bank, unsigned duplicates, unsigned read, int answer)
    {
        folderAnswers = {path("bank")};
        const wxString ask = wxString::Format(
            "%u of the %u questions read are already in the assessment. Add them again?", duplicates, read);
        wxTEST_DIALOG(sendMenu(CAuthoringFrame::kImportQuestionsID), expectMessage(kSourceQuestion, wxID_YES),
                      expectFileDialog(bank), expectMessage(ask, answer),
                      expectReport("Import Questions", &summary, &report));
    }

    std::vector<wxString> folderAnswers;
    std::vector<wxString> folderMessages;
    wxString summary;
    wxString report;
};

TEST_F(QuestionBankTest, ImportAddsTheBanksQuestionsToTheListAndShowsTheReport)
{
    const wxString bank = writeFile("small.gift", kSmallBank);
    sendMenu(wxID_SAVE);
    const std::string before = evtest::readFile(file);
    // The sample has "The Sun is a star." already.
    importFile(bank, 1, 3, wxID_NO);

    EXPECT_EQ(summary, "2 questions imported, 2 refused.");
    EXPECT_TRUE(
        report.Contains("\nsmall.gift, line 3, \"Sun is a star\": refused: already in the assessment"))
        << report;
    ASSERT_EQ(list->GetItemCount(), 12);
    EXPECT_EQ(list->GetItemText(10, 1) + "|" + list->GetItemText(11, 1),
              "Which planet is closest to the Sun?|Which are gas giants?");
    EXPECT_FALSE(wxFileExists(path("bank/sun-is-a-star.itm")));

    // Asked for, the same bank's questions are added again, all three.
    importFile(bank, 3, 3, wxID_YES);
    EXPECT_EQ(summary, "3 questions imported, 1 refused.");
    EXPECT_TRUE(wxFileExists(path("bank/sun-is-a-star.itm")));

    sendMenu(wxID_SAVE); // the assessment names the new question files
    CAssessmentDocument saved;
    ASSERT_TRUE(saved.open(file));
    EXPECT_EQ(saved.getAssessment()->getCount(), 15u);

    // Both imports undone, the saved file is as before them; the question
    // files they wrote stay.
    sendMenu(wxID_UNDO);
    sendMenu(wxID_UNDO);
    EXPECT_EQ(list->GetItemCount(), 10);
    sendMenu(wxID_SAVE);
    EXPECT_EQ(evtest::readFile(file), before);
    EXPECT_TRUE(wxFileExists(path("bank/sun-is-a-star.itm")));
}

TEST_F(QuestionBankTest, CancellingAnyChoiceImportsNothing)
{
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kImportQuestionsID), expectMessage(kSourceQuestion, wxID_CANCEL));
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kImportQuestionsID), expectMessage(kSourceQuestion, wxID_YES),
                  expectFileDialog(wxString()));
    folderAnswers.clear(); // the questions' folder is not chosen
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kImportQuestionsID), expectMessage(kSourceQuestion, wxID_YES),
                  expectFileDialog(writeFile("small.gift", kSmallBank)));
    EXPECT_FALSE(document.isModified());
}

TEST_F(QuestionBankTest, ALongImportShowsItsProgressAndCanBeStopped)
{
    const unsigned count = CQuestionBankActions::kProgressThreshold + 100;
    const wxString bank = writeFile("large.gift", largeBank(count));
    CProgressWatch progress;
    folderAnswers = {path("bank")};
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kImportQuestionsID), expectMessage(kSourceQuestion, wxID_YES),
                  expectFileDialog(bank), expectReport("Import Questions", &summary, &report));

    EXPECT_TRUE(progress.seen());
    EXPECT_EQ(summary, wxString::Format("0 questions imported, %u refused.", count));
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(frame->IsEnabled()); // the progress dialog gave the window back
}

TEST_F(QuestionBankTest, ExportWritesTheFormatOfTheChosenFilterAndImportReadsQtiItemsBack)
{
    auto chooseTarget = [this](int filter, const wxString& name)
    {
        return expectFileDialog(path(name),
                                [=](wxFileDialog* dialog)
                                {
                                    EXPECT_EQ(dialog->GetWindowStyle() & (wxFD_SAVE | wxFD_OVERWRITE_PROMPT),
                                              wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
                                    dialog->SetFilterIndex(filter);
                                });
    };
    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kExportQuestionsID), chooseTarget(1, "bank"),
                  expectReport("Export Questions", &summary, &report));
    EXPECT_EQ(summary, "10 questions exported, 0 refused.");
    EXPECT_TRUE(report.StartsWith("item \"entry 1\", \"01-the-sun\": exported\n")) << report;
    EXPECT_TRUE(wxFileExists(path("bank.xml"))); // the format's extension added

    wxTEST_DIALOG(sendMenu(CAuthoringFrame::kExportQuestionsID), chooseTarget(3, "package"),
                  expectReport("Export Questions", &summary, &report));
    EXPECT_TRUE(wxFileExists(path("package/imsmanifest.xml")));
    EXPECT_FALSE(document.isModified());

    // The package is a folder of QTI items, which import reads back.
    folderAnswers = {path("package"), path("from-qti")};
    wxTEST_DIALOG(
        sendMenu(CAuthoringFrame::kImportQuestionsID), expectMessage(kSourceQuestion, wxID_NO),
        expectMessage("10 of the 10 questions read are already in the assessment. Add them again?", wxID_YES),
        expectReport("Import Questions", &summary, &report));
    EXPECT_EQ(folderMessages, (std::vector<wxString>{"Choose the folder of QTI items",
                                                     "Choose the folder for the new question files"}));
    EXPECT_EQ(summary, "10 questions imported, 0 refused.");
    EXPECT_EQ(list->GetItemCount(), 20);
}

using QuestionBankProgramTest = apptest::CProgramTest;

// Into a new assessment, then into the same one again with the question
// files elsewhere; out of the sample, and out of an assessment whose one
// question cannot be exported. A refusal makes the exit status 1.
TEST_F(QuestionBankProgramTest, ImportAndExportPrintTheReport)
{
    writeFile("clean.gift", "::One::Which?{=a ~b}\n\n::Two::Which not?{~a =b}\n");
    writeFile("small.gift", kSmallBank);
    CAssessmentMgr noneRight;
    apptest::addQuestion(noneRight, CQuestionData::eSingleAnswer, 2, {});
    noneRight.getQuestionDataMgr()->getQuestionDataForID(1)->setFileNameReference(path("none-right.itm"));
    ASSERT_TRUE(CAssessmentSerializer(&noneRight, path("a.eva")).storeWithQuestions());
    const std::tuple<wxString, long, const char*, const char*> runs[] = {
        {"--import clean.gift --into course/new.eva", 0,
         "2 questions imported, 0 refused.\nclean.gift, line 1, \"One\": imported\nclean.gift, line 3, "
         "\"Two\": imported",
         "course/questions/one.itm"},
        {"--import small.gift --into course/new.eva --questions-dir more", 1,
         "3 questions imported, 1 refused.\n", "more/closest-planet.itm"},
        {"--export a.eva --format gift --to a.gift", 1,
         "0 questions exported, 1 refused.\nitem \"entry 1\", \"none-right\": refused: it has no correct "
         "answer",
         ""},
    };
    for (const auto& [arguments, status, printed, written] : runs)
    {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(run(arguments), status) << wxJoin(errors, '\n');
        EXPECT_TRUE(wxJoin(output, '\n').StartsWith(printed)) << wxJoin(output, '\n');
        EXPECT_TRUE(*written == '\0' || wxFileExists(path(written))) << written;
    }
    CAssessmentMgr assessment;
    CAssessmentSerializer reader(&assessment, path("course/new.eva"));
    ASSERT_TRUE(reader.load()) << reader.getLastError();
    EXPECT_EQ(assessment.getCount(), 5u);
    EXPECT_FALSE(wxFileExists(path("more/moon-essay.itm")));
}

} // namespace

// What a person at a terminal sees: one line rewritten in place, each stage's
// start and end shown, and the line cleared for the report.
TEST(TerminalProgress, RewritesOneLineAndClearsIt)
{
    FILE* terminal = std::tmpfile();
    ASSERT_NE(terminal, nullptr);
    {
        CQuestionBankTool::CTerminalProgress progress(terminal);
        EXPECT_TRUE(progress("Reading", 0, 1));
        EXPECT_TRUE(progress("Writing question files", 0, 500));
        EXPECT_TRUE(progress("Writing question files", 500, 500));
    }
    std::string shown(4096, '\0');
    std::rewind(terminal);
    shown.resize(std::fread(shown.data(), 1, shown.size(), terminal));
    std::fclose(terminal);
    EXPECT_EQ(shown, "\rReading: 0 of 1\x1b[K\rWriting question files: 0 of 500\x1b[K"
                     "\rWriting question files: 500 of 500\x1b[K\r\x1b[K");
}
