#include "app/AssessmentCheck.h"
#include "app/Contrast.h"
#include "app/EvalonApp.h"
#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "external/widgets/ShellFileTypes.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "tests/app/TestAssessments.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include <algorithm>

namespace
{

class SampleTest : public apptest::CSampleTest
{
protected:
    wxImage picture(CEVImageSelections::imageID id)
    {
        CEVImageSelections* images = document.getAssessment()->getAttributes()->getImageSelections();
        return wxImage(images->getImageSelectionsInfoFor(id)->getAbsolutePath());
    }
};

// Every question has a right answer, every picture is there and every text
// readable on it, as the author's check measures it.
TEST_F(SampleTest, PassesTheCheckWithEveryTextReadable)
{
    CAssessmentMgr* assessment = document.getAssessment();
    CAssessmentCheck check(assessment);
    check.setMeasureContrast(true);
    EXPECT_TRUE(check.run().empty()) << check.describeAll();
    // The submit page, which the check does not lay out, measured the same way.
    CTakeAssessmentFrame taking;
    ASSERT_TRUE(taking.initialize(assessment)) << taking.getLastError();
    while (taking.getPanel()->getTaking()->getPage() != CAssessmentTaking::eSubmitPage)
        taking.getPanel()->goForward();
    const wxImage submit = picture(CEVImageSelections::eAnswersSubmittalBackground);
    for (wxWindow* shown : apptest::shownControls(taking.getPanel()))
        if (auto* text = dynamic_cast<CVeltoStaticCtrl*>(shown))
        {
            EXPECT_GE(CContrast::ratioOver(submit, text->GetRect(), text->GetForegroundColour()), 4.5)
                << text->GetLabel();
        }
}

// Whatever sizes the test taker gives the window, on every page, the window
// stays at least as large as the page needs and the page fits it: small
// sizes are refused, large ones spread the page out, and going back to a
// size the page had before (the review page once lost its Next button that
// way) places everything as before.
TEST_F(SampleTest, NothingOverlapsOrLeavesTheWindowAfterAnyResize)
{
    const wxSize sizes[] = {{640, 480},  {1280, 800}, {300, 200}, {1400, 900},
                            {900, 1000}, {1000, 500}, {800, 600}};
    // Without a time limit, and with one, whose clock takes room above the
    // buttons, and a pass mark, whose line takes room on the review page.
    for (unsigned minutes : {0u, 30u})
    {
        document.getAssessment()->getDeliveryOptions()->setTimeLimitMinutes(minutes);
        if (minutes)
            document.getAssessment()->getDeliveryOptions()->setPassMark(50);
        openTaking();
        do
        {
            const CAssessmentTaking& taking = *panel->getTaking();
            const wxString page = wxString::Format("page %d, question %u, %u minutes", int(taking.getPage()),
                                                   taking.getQuestionIndex() + 1, minutes);
            for (const wxSize& size : sizes)
            {
                const wxSize minimum = panel->minimumClientSize();
                const wxSize expected(std::max(size.x, minimum.x), std::max(size.y, minimum.y));
                frame->SetClientSize(size);
                ASSERT_TRUE(evtest::pumpUntil([&] { return panel->GetClientSize() == expected; }))
                    << page << " at " << size.x << "x" << size.y << ": " << panel->GetClientSize().x << "x"
                    << panel->GetClientSize().y << ", expected " << expected.x << "x" << expected.y;
                apptest::checkPlacement(panel, wxString::Format("%s at %dx%d", page, size.x, size.y));
                EXPECT_TRUE(taking.getPage() == CAssessmentTaking::eCongratulationsPage ||
                            apptest::shownControls(panel).size() >= 2u)
                    << page;
            }
        } while (panel->goForward());
    }
}

// The program as a user starts it, in a fresh home: snapshots of every page
// of the bundled sample in order, at its backgrounds' size, and the program
// registered as "Evalon" on the way.
TEST_F(SampleTest, TheProgramWritesSnapshotsAndRegistersItself)
{
    wxArrayString output;
    wxArrayString errors;
    EXPECT_EQ(
        wxExecute(wxString(EVALON_PROGRAM) + " --snapshot " + path("shots"), output, errors, wxEXEC_SYNC), 0)
        << wxJoin(errors, '\n');
    wxArrayString expected;
    for (unsigned i = 1; i <= 10; ++i)
        expected.Add(path(wxString::Format("shots/%02u-question-%u.png", i, i)));
    for (const char* last : {"11-submit", "12-review", "13-congratulations"})
        expected.Add(path(wxString("shots/") + last + ".png"));
    EXPECT_EQ(output, expected);
    for (const wxString& file : expected)
    {
        const wxImage shot(file, wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(shot.IsOk()) << file;
        EXPECT_EQ(shot.GetSize(), wxSize(1280, 800)) << file;
    }

    // The first page over its background, its right answer ticked.
    const wxImage first(expected[0], wxBITMAP_TYPE_PNG);
    const wxImage background = picture(CEVImageSelections::eQuestionBackground);
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(first, 20, 780), evtest::pixelAt(background, 20, 780)));
    CTakeAssessmentFrame probe; // where the first answer button stands
    ASSERT_TRUE(probe.initialize(document.getAssessment()));
    const wxPoint answer =
        probe.getPanel()->FindWindow(CTakeAssessmentPanel::kFirstAnswerButtonID)->GetPosition();
    const wxImage checked = picture(CEVImageSelections::eAnswerButtonChecked);
    EXPECT_TRUE(evtest::coloursNear(evtest::pixelAt(first, answer.x + 18, answer.y + 6),
                                    evtest::pixelAt(checked, 18, 6), 24));

    wxString registered;
    CShellFileTypes registry(nullptr, CEvalonApp::kApplicationName, wxFileName());
    ASSERT_TRUE(registry.getRegisteredAppFileName(&registered));
    EXPECT_TRUE(wxFileName(registered).SameAs(wxFileName(EVALON_PROGRAM))) << registered;
}

using ProgramTest = apptest::CProgramTest;

// The usage is generated: each mode's synopsis comes from the same tables
// the parser reads.
TEST_F(ProgramTest, AnswersHelpVersionAndMisuse)
{
    EXPECT_EQ(run("--help"), 0);
    const wxString usage = wxJoin(output, '\n');
    EXPECT_TRUE(usage.StartsWith("Usage: evalon [-h] [--version] [--lang <str>] [--take <str>]")) << usage;
    for (const char* synopsis :
         {"  evalon\n      manage your list of assessment files", "  evalon FILE\n",
          "  evalon --take FILE [--taker NAME] [--store URL] [--full-screen]\n",
          "  evalon --snapshot DIR [--size WxH] [FILE]\n",
          "  evalon --import BANK --into FILE [--questions-dir DIR] [--duplicates add]\n",
          "  evalon --check FILE\n", "  evalon --export FILE --format FORMAT --to PATH\n",
          "  evalon --record FILE --taker NAME --answers ANSWERS [--store URL]\n",
          "  evalon --results FILE --to PATH [--store URL]\n", "--questions-dir=<str>", "--format=<str>"})
        EXPECT_TRUE(usage.Contains(synopsis)) << synopsis;
    EXPECT_EQ(run("--version"), 0);
    EXPECT_TRUE(output.size() == 1 && output[0].StartsWith("evalon ")) << wxJoin(output, '\n');
    EXPECT_EQ(run("--frobnicate"), 2);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "evalon: Unknown long option 'frobnicate'");
}

} // namespace
