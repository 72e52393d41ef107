#include "app/AssessmentCheck.h"
#include "app/Looks.h"
#include "tests/app/TestAssessments.h"

#include <functional>
#include <tuple>

namespace
{

// An assessment of two good questions over one-colour pictures in a temporary folder.
class AssessmentCheckTest : public evtest::CTempDirTest
{
public:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        build();
    }

    void build()
    {
        assessment.clear();
        unreadable.clear();
        for (unsigned id = 0; id < CEVImageSelections::kNumImages; ++id)
        {
            const wxString file = writeImage(wxString::Format("pictures/%u.png", id), 800, 600, *wxWHITE);
            setPicture(CEVImageSelections::imageID(id), file);
        }
        assessment.getAttributes()->getFontInfo()->setFontColour(*wxBLACK);
        apptest::addQuestion(assessment, CQuestionData::eSingleAnswer, 3, {1});
        apptest::addQuestion(assessment, CQuestionData::eMultipleAnswers, 4, {0, 2});
    }

    void setPicture(CEVImageSelections::imageID id, const wxString& file)
    {
        CImageSelectionsInfo* info =
            assessment.getAttributes()->getImageSelections()->getImageSelectionsInfoFor(id);
        info->setRelativePath(file);
        info->setAbsolutePath(file);
    }

    CQuestionData* question(unsigned position) { return apptest::questionAt(assessment, position); }

    wxArrayString lines(bool contrast = false)
    {
        CAssessmentCheck check(&assessment);
        check.setMeasureContrast(contrast);
        for (const auto& [position, reason] : unreadable)
            check.addUnreadableEntry(position, reason);
        check.run();
        return wxSplit(check.describeAll().BeforeLast('\n'), '\n', '\0');
    }

    CAssessmentMgr assessment;
    std::vector<std::pair<unsigned, wxString>> unreadable;
};

TEST_F(AssessmentCheckTest, AGoodAssessmentHasNoProblemsAndAnEmptyOneCannotBeTaken)
{
    EXPECT_EQ(lines(true), wxArrayString());
    while (assessment.getCount() > 0)
        assessment.removeAtIndex(0);
    EXPECT_EQ(lines(true), wxArrayString(1, "error: assessment: there are no questions; add one"));
}

TEST_F(AssessmentCheckTest, NamesEachProblemOfAQuestionWithItsPosition)
{
    const wxArrayInt two = apptest::indexes({0, 1});
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { question(2)->setCorrectAnswerIndexes(nullptr); },
         "error: question 2: no answer is marked correct; mark the right answer"},
        {[&] { question(1)->setCorrectAnswerIndexes(&two); },
         "error: question 1: 2 answers are marked correct but the question takes one; leave one marked or "
         "make it a multiple-answer question"},
        {[&] { question(1)->setNumAnswers(1); }, "error: question 1: answer 2 is marked correct but is not "
                                                 "shown; unmark it or raise the number of answers"},
        {[&] { question(2)->setAnswer(3, "  "); },
         "error: question 2: answer 4 is empty; write it or lower the number of answers"},
        {[&] { unreadable.emplace_back(2, "questions/b.itm: the file does not exist"); },
         "error: question 2: questions/b.itm: the file does not exist; remove the entry or point it at "
         "another "
         "question file"},
    };
    for (const auto& [spoil, line] : cases)
    {
        build();
        spoil();
        EXPECT_EQ(lines(), wxArrayString(1, line));
    }
}

// Why a picture cannot be loaded is the picture loader's to say.
TEST_F(AssessmentCheckTest, NamesEachBadPictureByItsLabel)
{
    setPicture(CEVImageSelections::eNextHot, wxString());
    setPicture(CEVImageSelections::eReviewBackground, writeFile("pictures/notes.png", "not a picture"));
    const wxArrayString found = lines();
    ASSERT_EQ(found.size(), 2u) << wxJoin(found, '\n');
    EXPECT_EQ(found[0], "error: Next Button (Hot): no picture is chosen; choose one in Attributes");
    EXPECT_TRUE(found[1].StartsWith("error: Review Background: " + path("pictures/notes.png") + ": "))
        << found[1];
    EXPECT_TRUE(found[1].EndsWith("; choose another picture in Attributes")) << found[1];
}

TEST_F(AssessmentCheckTest, ContrastBelowFourAndAHalfIsAWarningAndBelowThreeAnError)
{
    // Text on white, the ratios worked out by hand with the WCAG formula (red
    // for the weights of the channels); no severity: no problem.
    const std::tuple<const char*, wxString, const char*> cases[] = {{"#767676", "", ""},
                                                                    {"#777777", "warning", "4.48:1"},
                                                                    {"#999999", "error", "2.85:1"},
                                                                    {"#FF0000", "warning", "4.00:1"}};
    for (const auto& [colour, severity, ratio] : cases)
    {
        SCOPED_TRACE(colour);
        assessment.getAttributes()->getFontInfo()->setFontColour(wxColour(colour));
        const wxArrayString found = lines(true);
        ASSERT_EQ(found.size(), severity.empty() ? 0u : 2u) << wxJoin(found, '\n');
        if (severity.empty())
            continue;
        EXPECT_TRUE(found[0].StartsWith(severity + ": Question Background: the text colour " + colour +
                                        " has a contrast of " + ratio +
                                        " with the picture behind the texts of question 1"))
            << found[0];
        EXPECT_TRUE(found[1].StartsWith(severity + ": Review Background: ") && found[1].Contains(ratio))
            << found[1];
    }
}

TEST_F(AssessmentCheckTest, ContrastIsMeasuredWhereTheLayoutPutsTheTexts)
{
    // White text: the page's outside margin white, everything the texts can stand on black.
    wxImage background = evtest::solidImage(800, 600, *wxWHITE);
    background.SetRGB(wxRect(50, 50, 700, 500), 0, 0, 0);
    const wxString file = path("pictures/framed.png");
    ASSERT_TRUE(background.SaveFile(file));
    setPicture(CEVImageSelections::eQuestionBackground, file);
    assessment.getAttributes()->getFontInfo()->setFontColour(*wxWHITE);
    // The review page's texts start a quarter across, three eighths down.
    wxImage review = evtest::solidImage(800, 600, *wxBLACK);
    review.SetRGB(wxRect(0, 0, 200, 600), 255, 255, 255);
    const wxString reviewFile = path("pictures/review.png");
    ASSERT_TRUE(review.SaveFile(reviewFile));
    setPicture(CEVImageSelections::eReviewBackground, reviewFile);
    EXPECT_EQ(lines(true), wxArrayString());

    // A white band inside the margin, where the question's text stands.
    background.SetRGB(wxRect(50, 50, 700, 40), 255, 255, 255);
    ASSERT_TRUE(background.SaveFile(file));
    const wxArrayString found = lines(true);
    ASSERT_EQ(found.size(), 1u) << wxJoin(found, '\n');
    EXPECT_TRUE(
        found[0].StartsWith("error: Question Background: the text colour #FFFFFF has a contrast of 1.00:1"))
        << found[0];
}

// A new assessment gets the default look, whose pictures load and on which
// its texts are readable, so that it can be taken at once.
TEST_F(AssessmentCheckTest, ANewAssessmentGetsTheDefaultLookWhichPassesAndAMissingLookIsNamed)
{
    CAssessmentDocument fresh;
    wxString notice;
    ASSERT_TRUE(fresh.create(path("new.eva"), &notice)) << fresh.getLastError();
    EXPECT_EQ(notice, "");
    EXPECT_FALSE(fresh.create(path("new.eva"), &notice)); // never over a file
    apptest::addQuestion(*fresh.getAssessment(), CQuestionData::eSingleAnswer, 2, {0});
    CAssessmentCheck check(fresh.getAssessment());
    check.setMeasureContrast(true);
    EXPECT_TRUE(check.run().empty()) << check.describeAll();

    CEVAttributes look = *fresh.getAssessment()->getAttributes();
    wxString error;
    EXPECT_FALSE(CLooks::apply("no-such-look", &look, &error));
    EXPECT_EQ(error, wxString::Format("The look folder %s/no-such-look is missing or has no look.eva.",
                                      CLooks::getFolder()));
    EXPECT_EQ(look, *fresh.getAssessment()->getAttributes());
}

} // namespace
