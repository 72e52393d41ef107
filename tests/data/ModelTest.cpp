// The model's limits: what every setter and manager operation keeps true.

#include "tests/support/WxTest.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/tokenzr.h>

#include <climits>

namespace
{
wxArrayInt ints(std::initializer_list<int> values)
{
    wxArrayInt array;
    for (int value : values)
        array.Add(value);
    return array;
}

wxArrayInt correctOf(const CQuestionData& question)
{
    wxArrayInt indexes = ints({99}); // must be emptied first
    question.getCorrectAnswerIndexes(&indexes);
    return indexes;
}

wxArrayString linesOf(const wxString& text)
{
    return wxStringTokenize(text, "\n", wxTOKEN_STRTOK);
}

void chooseAllImages(CEVImageSelections* images, const wxString& path)
{
    for (unsigned id = 0; id < CEVImageSelections::kNumImages; ++id)
        images->getImageSelectionsInfoFor(static_cast<CEVImageSelections::imageID>(id))
            ->setRelativePath(path);
}
} // namespace

TEST(QuestionData, KeepsAnswersCountAndCorrectIndexesWithinLimitsAndRefusesUnknownCategories)
{
    CQuestionData question;
    std::vector<unsigned> counts;
    for (int count : {-1, 11, 4})
    {
        question.setNumAnswers(count);
        counts.push_back(question.getNumAnswers());
    }
    EXPECT_EQ(counts, (std::vector<unsigned>{0, 10, 4}));
    question.setAnswer(9, "last");
    question.setAnswer(10, "ignored");
    EXPECT_EQ(question.getAnswer(9) + "|" + question.getAnswer(10) + "|" + question.getAnswer(UINT_MAX),
              "last||");

    EXPECT_TRUE(question.setCategoryType(CQuestionData::eMultipleAnswers));
    EXPECT_FALSE(question.setCategoryType(3));
    EXPECT_FALSE(question.setCategoryType(-1));
    EXPECT_EQ(question.getCategoryType(), CQuestionData::eMultipleAnswers);

    const wxArrayInt given = ints({7, 2, 2, -1, 10, 0, 9});
    question.setCorrectAnswerIndexes(&given);
    EXPECT_EQ(correctOf(question), ints({0, 2, 7, 9}));
    question.setCorrectAnswerIndexes(nullptr);
    EXPECT_TRUE(correctOf(question).empty());
}

TEST(QuestionDataMgr, IdentifiersStartAtOneAndAreNeverReused)
{
    CQuestionDataMgr questions;
    CQuestionData question;
    EXPECT_EQ(questions.addQuestion(question), 1);
    question.setQuestion("second");
    EXPECT_EQ(questions.addQuestion(question), 2);
    question.setQuestion("changed after adding");
    ASSERT_NE(questions.getQuestionDataForID(2), nullptr);
    EXPECT_EQ(questions.getQuestionDataForID(2)->getQuestion(), "second"); // a copy was stored

    EXPECT_TRUE(questions.removeQuestion(2));
    EXPECT_EQ(questions.addQuestion(question), 3);
    questions.clear();
    EXPECT_EQ(questions.addQuestion(question), 4);

    for (int id : {2, 0, -5})
        EXPECT_EQ(questions.getQuestionDataForID(id), nullptr) << id;
    EXPECT_FALSE(questions.insertQuestion(0, question) || questions.insertQuestion(4, question));
    EXPECT_TRUE(questions.insertQuestion(10, question));
    EXPECT_EQ(questions.addQuestion(question), 11);
}

class AssessmentMgrTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CQuestionData question;
        for (int i = 0; i < 3; ++i)
        {
            CAssessmentMgrData entry(m_assessment.getQuestionDataMgr()->addQuestion(question));
            ASSERT_TRUE(m_assessment.addData(entry));
        }
    }

    std::vector<int> order()
    {
        std::vector<int> ids;
        for (CAssessmentMgrData* entry : *m_assessment.getDataCollection())
            ids.push_back(entry->m_questionID);
        return ids;
    }

    CAssessmentMgr m_assessment;
};

TEST_F(AssessmentMgrTest, OnlyValidEntriesMovesAndRemovalsChangeTheList)
{
    CAssessmentMgrData unknown(42);
    EXPECT_FALSE(m_assessment.addData(unknown));
    EXPECT_EQ(m_assessment.getDataAtIndex(3), nullptr);
    EXPECT_EQ(std::vector<bool>({m_assessment.moveUp(0), m_assessment.moveUp(3), m_assessment.moveDown(2),
                                 m_assessment.moveDown(UINT_MAX), m_assessment.removeAtIndex(3),
                                 m_assessment.removeAtIndex(UINT_MAX)}),
              std::vector<bool>(6, false));
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 3}));

    EXPECT_TRUE(m_assessment.moveUp(2));
    EXPECT_EQ(order(), (std::vector<int>{1, 3, 2}));
    EXPECT_TRUE(m_assessment.moveDown(0));
    EXPECT_EQ(order(), (std::vector<int>{3, 1, 2}));
    EXPECT_TRUE(m_assessment.removeAtIndex(1));
    EXPECT_EQ(order(), (std::vector<int>{3, 2}));
    // The removed entry's question is named by nobody any more; one still named stays.
    EXPECT_EQ(m_assessment.getQuestionDataMgr()->getQuestionDataForID(1), nullptr);
    CAssessmentMgrData again(2);
    ASSERT_TRUE(m_assessment.addData(again));
    EXPECT_TRUE(m_assessment.removeAtIndex(1));
    EXPECT_NE(m_assessment.getQuestionDataMgr()->getQuestionDataForID(2), nullptr);
}

using ImageSelectionsTest = evtest::CTempDirTest;

TEST_F(ImageSelectionsTest, AbsolutePathsFollowTheWorkingDirectory)
{
    ASSERT_TRUE(wxFileName::Mkdir(path("sub"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    ASSERT_TRUE(wxSetWorkingDirectory(path("sub")));
    CEVImageSelections images;
    auto info = [&](CEVImageSelections::imageID id) { return images.getImageSelectionsInfoFor(id); };
    info(CEVImageSelections::eQuestionBackground)->setRelativePath("img/back.png");
    info(CEVImageSelections::eNextHot)->setRelativePath("../up.png");
    info(CEVImageSelections::eReviewBackground)->setRelativePath("/abs/review.png");
    info(CEVImageSelections::eSubmitCold)->setAbsolutePath("/stale");

    ASSERT_TRUE(images.updateAbsolutePaths());
    std::vector<wxString> absolute;
    for (auto id : {CEVImageSelections::eQuestionBackground, CEVImageSelections::eNextHot,
                    CEVImageSelections::eReviewBackground, CEVImageSelections::eSubmitCold})
        absolute.push_back(info(id)->getAbsolutePath());
    EXPECT_EQ(absolute,
              (std::vector<wxString>{path("sub/img/back.png"), path("up.png"), "/abs/review.png", ""}));
    EXPECT_EQ(info(CEVImageSelections::eNoImage), nullptr);
}

TEST_F(ImageSelectionsTest, ValidateDataNamesEveryMissingPictureByItsLabel)
{
    CEVAttributes attributes;
    wxString reasons = "before\n";
    EXPECT_FALSE(attributes.validateData(&reasons));
    wxArrayString lines = linesOf(reasons);
    ASSERT_EQ(lines.size(), 1 + CEVImageSelections::kNumImages);
    EXPECT_EQ(lines[1], "Question Background: no picture chosen");
    EXPECT_EQ(lines[13], "Congratulations Background: no picture chosen");

    writeImage("pic.png", 4, 4, *wxRED);
    chooseAllImages(attributes.getImageSelections(), "pic.png");
    for (const wxString review : {"gone.png", "pic.png"})
    {
        attributes.getImageSelections()
            ->getImageSelectionsInfoFor(CEVImageSelections::eReviewBackground)
            ->setRelativePath(review);
        ASSERT_TRUE(attributes.getImageSelections()->updateAbsolutePaths());
        reasons.clear();
        const bool found = review == "pic.png";
        EXPECT_EQ(attributes.validateData(&reasons), found);
        EXPECT_EQ(reasons,
                  found ? wxString() : "Review Background: file not found: " + path("gone.png") + "\n");
    }
}

TEST_F(ImageSelectionsTest, ValidateDataRefusesAnUnusableFont)
{
    writeImage("pic.png", 4, 4, *wxRED);
    CEVAttributes attributes;
    chooseAllImages(attributes.getImageSelections(), "pic.png");
    attributes.getImageSelections()->updateAbsolutePaths();
    CEVFontInfo* font = attributes.getFontInfo();
    font->setFontFaceName("");
    font->setFontSize(CEVFontInfo::kMaxFontSize + 1);
    font->setFontColour(wxColour());

    wxString reasons;
    EXPECT_FALSE(attributes.validateData(&reasons));
    const wxArrayString lines = linesOf(reasons);
    ASSERT_EQ(lines.size(), 3u) << reasons;
    EXPECT_TRUE(lines[0].Contains("face") && lines[1].Contains("401") && lines[2].Contains("colour"))
        << reasons;

    font->setFontFaceName("DejaVu Sans");
    font->setFontSize(CEVFontInfo::kMinFontSize - 1);
    font->setFontColour(*wxBLACK);
    reasons.clear();
    EXPECT_FALSE(attributes.validateData(&reasons));
    EXPECT_EQ(linesOf(reasons).size(), 1u) << reasons;
}

TEST(EVFontInfo, DefaultsAreUsableAndToolkitFontsRoundTrip)
{
    CEVFontInfo info;
    EXPECT_TRUE(info.validateData(nullptr));

    info.setAsFont(wxFont(wxFontInfo(14).FaceName("DejaVu Serif").Bold().Italic().Underlined()));
    EXPECT_EQ(info.getFontFaceName() + wxString::Format(" %d", info.getFontSize()), "DejaVu Serif 14");
    EXPECT_TRUE(info.isBold() && info.isItalic() && info.isUnderlined());
    EXPECT_EQ(info.getAsFont().GetWeight(), wxFONTWEIGHT_BOLD);

    info.setAsFont(wxNullFont);
    EXPECT_EQ(info.getFontFaceName(), "DejaVu Serif");
}
