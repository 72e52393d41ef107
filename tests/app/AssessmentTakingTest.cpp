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
