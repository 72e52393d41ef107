// What every results store does, run on an SQLite file and on a real
// PostgreSQL server (the results_postgresql test, under pg_virtualenv).

#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <gtest/gtest.h>

using restest::makeAssessment;

namespace
{
enum eBackEnd
{
    eSqlite,
    ePostgreSql
};

class StoreContract : public testing::TestWithParam<eBackEnd>
{
protected:
    void SetUp() override
    {
        if (GetParam() == eSqlite)
            m_url = "sqlite:" + m_folder.file("results.sqlite");
        else
            m_url = restest::postgreSqlUrl();
        ASSERT_FALSE(m_url.empty()) << "no PostgreSQL server: run this test under pg_virtualenv";
        std::string error;
        m_store = CResultsStore::open(m_url, &error);
        ASSERT_TRUE(m_store) << error;
        // Each test its own assessment file, so that tests sharing one
        // server see only their own attempts.
        m_file = "/class/" + CAttempt::newId() + ".eva";
        m_assessment = makeAssessment(5);
    }

    CAttempt newAttempt(const std::string& taker) { return CAttempt::begin(*m_assessment, m_file, taker); }

    std::vector<CAttempt> listed(CResultsStore::SFilter filter = CResultsStore::SFilter())
    {
        if (filter.m_assessmentFile.empty())
            filter.m_assessmentFile = m_file;
        std::vector<CAttempt> attempts;
        std::string error;
        EXPECT_TRUE(m_store->listAttempts(filter, &attempts, &error)) << error;
        return attempts;
    }

    void save(const CAttempt& attempt)
    {
        std::string error;
        ASSERT_TRUE(m_store->saveAttempt(attempt, &error)) << error;
    }

    restest::CTempFolder m_folder;
    std::string m_url;
    std::string m_file;
    std::unique_ptr<CResultsStore> m_store;
    std::unique_ptr<CAssessmentMgr> m_assessment;
};
} // namespace

TEST_P(StoreContract, HostileTextsComeBackExactly)
{
    const std::string texts[] = {
        "O'Brien; DROP TABLE attempts; --",
        std::string(10000, 'x') + "\xc3\xa9",
        std::string("before\0after", 12),
        std::string("\x1b"
                    "0 and \x1b\x1b",
                    7),
        "",
    };
    for (const std::string& text : texts)
    {
        CAttempt attempt = newAttempt(text);
        attempt.m_machine = text;
        attempt.m_questions[0].m_questionText = text;
        attempt.m_questions[0].m_questionFile = text;
        attempt.setAnswers(0, {0});
        save(attempt);
        CAttempt back;
        std::string error;
        ASSERT_TRUE(m_store->loadAttempt(attempt.m_id, &back, &error)) << error;
        EXPECT_EQ(attempt, back) << text.substr(0, 40);
    }
    CResultsStore::SFilter byTaker;
    byTaker.m_taker = texts[0];
    EXPECT_EQ(1u, listed(byTaker).size());
}

TEST_P(StoreContract, AnAttemptSentTwiceOrLateIsStillOneAttempt)
{
    CAttempt attempt = newAttempt("Ann");
    attempt.setAnswers(0, {0});
    save(attempt);
    const CAttempt early = attempt;
    attempt.setAnswers(1, {1});
    attempt.setCurrentPage(2);
    save(attempt);
    save(attempt);
    // An older state arriving late (from an outbox) changes nothing.
    save(early);
    EXPECT_EQ(listed(), std::vector<CAttempt>{attempt});

    attempt.submit();
    save(attempt);
    // Once submitted, no state in progress replaces it, whatever its revision.
    CAttempt stale = early;
    stale.m_revision = attempt.m_revision + 10;
    save(stale);
    EXPECT_EQ(listed(), std::vector<CAttempt>{attempt});
}

TEST_P(StoreContract, ListsByVersionTakerAndStatusAndDeletes)
{
    std::vector<CAttempt> made;
    for (const char* taker : {"Ann", "Bob", "Ann"})
        made.push_back(newAttempt(taker));
    made[0].submit();
    made[2].submit();
    // An edited version of the assessment, under the same file name.
    m_assessment->getQuestionDataMgr()->getQuestionDataForID(1)->setQuestion("Edited");
    made.push_back(newAttempt("Ann"));
    made.back().submit();
    for (const CAttempt& attempt : made)
        save(attempt);

    EXPECT_EQ(4u, listed().size());
    CResultsStore::SFilter filter;
    filter.m_assessmentFingerprint = made[0].m_assessmentFingerprint;
    EXPECT_EQ(3u, listed(filter).size());
    filter.m_taker = "Ann";
    EXPECT_EQ(2u, listed(filter).size());
    filter.m_submittedOnly = true;
    filter.m_taker.clear();
    const std::vector<CAttempt> submitted = listed(filter);
    ASSERT_EQ(2u, submitted.size());
    for (const CAttempt& attempt : submitted)
        EXPECT_TRUE(attempt == made[0] || attempt == made[2]);

    std::string error;
    ASSERT_TRUE(m_store->deleteAttempt(made[0].m_id, &error)) << error;
    ASSERT_TRUE(m_store->deleteAttempt(made[0].m_id, &error)) << error;
    EXPECT_EQ(1u, listed(filter).size());
    CAttempt gone;
    EXPECT_FALSE(m_store->loadAttempt(made[0].m_id, &gone, &error));
    EXPECT_NE(std::string::npos, error.find("has no attempt " + made[0].m_id)) << error;
}

INSTANTIATE_TEST_SUITE_P(SqliteStore, StoreContract, testing::Values(eSqlite));
INSTANTIATE_TEST_SUITE_P(PostgreSqlStore, StoreContract, testing::Values(ePostgreSql));
