#include "app/AssessmentTaking.h"
#include "tests/app/TestAssessments.h"
#include "tests/support/WxTest.h"

using apptest::addQuestion;
using apptest::indexes;

namespace
{

class AssessmentTakingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addQuestion(assessment, CQuestionData::eTrueFalse, 2, {1});
        addQuestion(assessment, CQuestionData::eSingleAnswer, 4, {2});
        addQuestion(assessment, CQuestionData::eMultipleAnswers, 5, {0, 3});
    }

    CAssessmentMgr assessment;
};

TEST_F(AssessmentTakingTest, PagesComeInOrderAndOfferTheirMoves)
{
    CAssessmentTaking taking(&assessment);
    struct SStep
    {
        CAssessmentTaking::ePage page;
        unsigned question;
        bool previous, next, submit;
    };
    const SStep forward[] = {
        {CAssessmentTaking::eQuestionPage, 0, false, true, false},
        {CAssessmentTaking::eQuestionPage, 1, true, true, false},
        {CAssessmentTaking::eQuestionPage, 2, true, true, false},
        {CAssessmentTaking::eSubmitPage, 2, true, false, true},
    };
    for (const SStep& step : forward)
    {
        EXPECT_EQ(taking.getPage(), step.page);
        EXPECT_EQ(taking.getQuestionIndex(), step.question);
        EXPECT_EQ(taking.canGoPrevious(), step.previous);
        EXPECT_EQ(taking.canGoNext(), step.next);
        EXPECT_EQ(taking.canSubmit(), step.submit);
        if (step.page == CAssessmentTaking::eQuestionPage)
        {
            EXPECT_TRUE(taking.goNext());
        }
    }
    EXPECT_FALSE(taking.goNext());

    EXPECT_TRUE(taking.goPrevious()); // back from the submit page to the last question
    EXPECT_EQ(taking.getPage(), CAssessmentTaking::eQuestionPage);
    EXPECT_EQ(taking.getQuestionIndex(), 2u);
    EXPECT_TRUE(taking.goNext());

    EXPECT_TRUE(taking.submit());
    EXPECT_EQ(taking.getPage(), CAssessmentTaking::eReviewPage);
    EXPECT_FALSE(taking.canGoPrevious()); // submitted answers are final
    EXPECT_FALSE(taking.goPrevious());
    EXPECT_TRUE(taking.goNext());
    EXPECT_EQ(taking.getPage(), CAssessmentTaking::eCongratulationsPage);
    EXPECT_FALSE(taking.canGoPrevious() || taking.canGoNext() || taking.canSubmit());
}

TEST_F(AssessmentTakingTest, RightMeansExactlyTheCorrectAnswers)
{
    CAssessmentTaking taking(&assessment);
    EXPECT_EQ(taking.countMissedQuestions(), 3u); // nothing answered

    taking.setAnswers(0, indexes({1}));
    taking.setAnswers(1, indexes({2}));
    taking.setAnswers(2, indexes({0, 3}));
    EXPECT_EQ(taking.countMissedQuestions(), 0u);

    taking.setAnswers(2, indexes({0})); // too few
    EXPECT_FALSE(taking.isAnsweredRight(2));
    taking.setAnswers(2, indexes({0, 3, 4})); // too many
    EXPECT_FALSE(taking.isAnsweredRight(2));
    taking.setAnswers(1, indexes({1}));
    EXPECT_EQ(taking.countMissedQuestions(), 2u);
    EXPECT_EQ(taking.getAnswers(1), indexes({1}));
}

TEST(AssessmentTakingEmptyTest, AnAssessmentWithoutQuestionsCannotBeSubmitted)
{
    CAssessmentMgr empty;
    EXPECT_FALSE(CAssessmentTaking(&empty).canSubmit());
}

} // namespace
