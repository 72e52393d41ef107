#include "results/Attempt.h"
#include "results/Fingerprint.h"
#include "results/ResultsCsv.h"
#include "results/StoreUrl.h"
#include "tests/results/ResultsTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using restest::makeAssessment;

TEST(Attempt, ScoresAsTheReviewPageDoes)
{
    // Truncated percent, as the review page shows it.
    struct
    {
        unsigned missed, questions, score;
    } rows[] = {{0, 3, 100}, {1, 3, 66}, {2, 3, 33}, {3, 3, 0}, {1, 10, 90}, {1, 7, 85}, {0, 0, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(row.score, CAttempt::scorePercent(row.missed, row.questions))
            << row.missed << "/" << row.questions;

    auto assessment = makeAssessment(3);
    CAttempt attempt = CAttempt::begin(*assessment, "/a/b.eva", "Ann");
    EXPECT_EQ(3u, attempt.m_numToReview);
    attempt.setAnswers(0, {0});
    attempt.setAnswers(1, {1});
    EXPECT_EQ(66u, attempt.m_score);
    EXPECT_EQ(1u, attempt.m_numToReview);
    // Question 3 has two correct answers: one of them alone is wrong, both right.
    attempt.setAnswers(2, {2});
    EXPECT_FALSE(attempt.m_questions[2].m_right);
    attempt.setAnswers(2, {3, 2, 3, 42});
    EXPECT_EQ((std::vector<unsigned>{2, 3}), attempt.m_questions[2].m_chosen);
    EXPECT_EQ(100u, attempt.m_score);
    EXPECT_FALSE(attempt.setAnswers(3, {0}));
}

TEST(Attempt, BeginsWithWhatAReportNeedsAndCountsRevisions)
{
    auto assessment = makeAssessment(2);
    CAttempt attempt = CAttempt::begin(*assessment, "/a/b.eva", "Ann");
    EXPECT_EQ(36u, attempt.m_id.size());
    EXPECT_NE(attempt.m_id, CAttempt::begin(*assessment, "/a/b.eva", "Ann").m_id);
    EXPECT_EQ(CFingerprint::ofAssessment(*assessment), attempt.m_assessmentFingerprint);
    ASSERT_EQ(2u, attempt.m_questions.size());
    EXPECT_EQ("Question 2", attempt.m_questions[1].m_questionText);
    EXPECT_EQ("q002.itm", attempt.m_questions[1].m_questionFile);
    EXPECT_EQ((std::vector<unsigned>{1}), attempt.m_questions[1].m_correct);

    const unsigned revision = attempt.m_revision;
    attempt.setAnswers(0, {0});
    attempt.setCurrentPage(1);
    attempt.setCurrentPage(1);
    EXPECT_EQ(revision + 2, attempt.m_revision);
    EXPECT_TRUE(attempt.submit());
    EXPECT_FALSE(attempt.submit());
    EXPECT_EQ(CAttempt::eSubmitted, attempt.m_status);
    EXPECT_EQ(attempt.m_savedAt, attempt.m_submittedAt);

    // An entry whose question is gone is never right, even left unanswered.
    assessment->getQuestionDataMgr()->removeQuestion(assessment->getDataAtIndex(1)->m_questionID);
    CAttempt orphan = CAttempt::begin(*assessment, "b.eva", "Ann");
    orphan.setAnswers(1, {});
    EXPECT_FALSE(orphan.m_questions[1].m_right);
}

TEST(Fingerprint, TellsEditedQuestionsApartButNotMovedOnes)
{
    auto assessment = makeAssessment(3);
    const std::string original = CFingerprint::ofAssessment(*assessment);
    CQuestionData* question = assessment->getQuestionDataMgr()->getQuestionDataForID(1);
    const std::string questionPrint = CFingerprint::ofQuestion(*question);

    std::set<std::string> seen{questionPrint};
    const std::function<void(CQuestionData&)> edits[] = {
        [](CQuestionData& q) { q.setQuestion("Question 1 "); },
        [](CQuestionData& q) { q.setAnswer(0, "Answer 0."); },
        [](CQuestionData& q)
        {
            wxArrayInt correct;
            correct.push_back(1);
            q.setCorrectAnswerIndexes(&correct);
        },
        // The answer texts' boundaries take part: "Answer 0"+"Answer 1" is
        // not "Answer 0A"+"nswer 1".
        [](CQuestionData& q) { q.setAnswer(0, "Answer 0A"), q.setAnswer(1, "nswer 1"); },
    };
    for (const auto& edit : edits)
    {
        CQuestionData edited = *question;
        edit(edited);
        EXPECT_TRUE(seen.insert(CFingerprint::ofQuestion(edited)).second);
    }

    CQuestionData moved = *question;
    moved.setFileNameReference("elsewhere/q.itm");
    moved.setReferenceText("See chapter 2.");
    EXPECT_EQ(questionPrint, CFingerprint::ofQuestion(moved));

    assessment->moveDown(0);
    EXPECT_NE(original, CFingerprint::ofAssessment(*assessment));
    assessment->moveUp(1);
    EXPECT_EQ(original, CFingerprint::ofAssessment(*assessment));
}

TEST(StoreUrl, TakesBothFormsAndRefusesOthers)
{
    struct
    {
        const char* url;
        const char* connection; // or the error's start
        const char* display;    // none for a URL refused
    } rows[] = {
        {"sqlite:/tmp/r.sqlite", "db=\"/tmp/r.sqlite\"", "/tmp/r.sqlite"},
        {"sqlite:/tmp/\"x\".sqlite", "The results store \"sqlite:/tmp/\"x\".sqlite\" cannot be used",
         nullptr},
        {"postgresql://teacher@db.school:5433/room",
         "connect_timeout=5 host='db.school' port='5433' user='teacher' dbname='room'",
         "postgresql://teacher@db.school:5433/room"},
        {"postgres://t:s%40cret@[::1]/r%20a",
         "connect_timeout=5 host='::1' user='t' password='s@cret' dbname='r a'", "postgresql://t@::1/r a"},
        {"sqlite:", "The results store \"sqlite:\" names no file", nullptr},
        {"postgresql://t:secret@h:port/db",
         "The results store \"postgresql://t@h:port/db\" is not a PostgreSQL URL", nullptr},
        {"mysql://x", "The results store \"mysql://x\" is not understood", nullptr},
    };
    for (const auto& row : rows)
    {
        CStoreUrl url;
        std::string error;
        ASSERT_EQ(row.display != nullptr, CStoreUrl::parse(row.url, &url, &error))
            << row.url << ": " << error;
        if (row.display)
            EXPECT_EQ(row.connection + std::string(" ") + row.display,
                      url.connectionString() + " " + url.display());
        else
            EXPECT_EQ(0u, error.find(row.connection)) << error;
    }
}

TEST(ResultsCsv, OneRowPerAttemptAndQuestionQuotedAsRfc4180Says)
{
    auto assessment = makeAssessment(2, "Which, \"exactly\",\nis it");
    CAttempt attempt = CAttempt::begin(*assessment, "b.eva", "O'Brien, \"Ann\"");
    attempt.setAnswers(0, {0});
    attempt.setAnswers(1, {2, 3});
    attempt.submit();
    // The last column: passed against the pass mark (a score of 50 reaches
    // a mark of 50), empty without one.
    const std::pair<std::optional<unsigned>, std::string> passMarks[] = {
        {std::nullopt, ""}, {50u, "yes"}, {51u, "no"}};
    for (const auto& [passMark, passed] : passMarks)
    {
        const std::string text = CResultsCsv::format({attempt, attempt}, passMark);
        const std::string taker =
            attempt.m_id + ",\"O'Brien, \"\"Ann\"\"\"," + attempt.m_submittedAt + ",50,";
        const std::string row1 = taker + "1,\"Which, \"\"exactly\"\",\nis it 1\",0,0,yes," + passed + "\r\n";
        const std::string row2 = taker + "2,\"Which, \"\"exactly\"\",\nis it 2\",2 3,1,no," + passed + "\r\n";
        EXPECT_EQ(std::string(CResultsCsv::kHeader) + "\r\n" + row1 + row2 + row1 + row2, text);
    }

    restest::CTempFolder folder;
    std::string error;
    EXPECT_FALSE(CResultsCsv::write({attempt}, folder.file("none/r.csv"), &error));
    EXPECT_NE(std::string::npos, error.find(folder.file("none/r.csv"))) << error;
}
