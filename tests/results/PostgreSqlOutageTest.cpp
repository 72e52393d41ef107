// A room of takers sending to one PostgreSQL server that stops in the middle
// of the class and starts again: every attempt arrives, exactly once.

#include "results/ResultsRecorder.h"
#include "tests/results/ResultsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace
{
const unsigned kTakers = 12;
const unsigned kQuestions = 6;

struct STaker
{
    CAttempt attempt;
    std::unique_ptr<CResultsRecorder> recorder;
};

class PostgreSqlOutage : public testing::Test
{
protected:
    void SetUp() override
    {
        m_url = restest::postgreSqlUrl();
        ASSERT_FALSE(m_url.empty()) << "no PostgreSQL server: run this test under pg_virtualenv";
        m_file = "/class/" + CAttempt::newId() + ".eva";
    }

    void TearDown() override
    {
        // Whatever happened, the server runs for the next test.
        restest::controlPostgreSql("start");
    }

    // Each machine of the room has its own outbox.
    std::unique_ptr<CResultsRecorder> recorderOf(unsigned taker)
    {
        const std::string machine = m_folder.file("machine" + std::to_string(taker));
        std::filesystem::create_directory(machine);
        return std::make_unique<CResultsRecorder>(m_url, CResultsRecorder::outboxPathIn(machine));
    }

    // Taker `t` answers questions [from, to) and submits if `to` is past the
    // last; each save has `outcome`.
    void answer(unsigned t, unsigned from, unsigned to, CResultsRecorder::eOutcome outcome)
    {
        for (unsigned position = from; position < std::min(to, kQuestions + 1); ++position)
        {
            if (position < kQuestions)
                m_room[t].attempt.setAnswers(position, restest::answersOf(t, position));
            else
                m_room[t].attempt.submit();
            EXPECT_EQ(outcome, m_room[t].recorder->save(m_room[t].attempt))
                << "taker " << t << " step " << position << ": " << m_room[t].recorder->getLastError();
        }
    }

    std::vector<STaker> m_room = std::vector<STaker>(kTakers);

    restest::CTempFolder m_folder;
    std::string m_url;
    std::string m_file;
};
} // namespace

TEST_F(PostgreSqlOutage, EveryAttemptArrivesExactlyOnce)
{
    auto assessment = restest::makeAssessment(kQuestions);
    for (unsigned t = 0; t < kTakers; ++t)
    {
        m_room[t].attempt = CAttempt::begin(*assessment, m_file, "Taker " + std::to_string(t));
        m_room[t].recorder = recorderOf(t);
        // Takers 0-3 finish and submit before the server goes; the others are half-way.
        answer(t, 0, t < 4 ? kQuestions + 1 : 3, CResultsRecorder::eStored);
    }

    ASSERT_TRUE(restest::controlPostgreSql("stop"));
    // Takers 4-7 finish and submit while it is away; 8-11 go on answering.
    for (unsigned t = 4; t < kTakers; ++t)
        answer(t, 3, t < 8 ? kQuestions + 1 : kQuestions, CResultsRecorder::eKeptInOutbox);
    for (unsigned t = 4; t < 8; ++t)
    {
        EXPECT_NE(std::string::npos,
                  m_room[t].recorder->getLastError().find("The results store " + m_url.substr(0, 13)))
            << m_room[t].recorder->getLastError();
        // Their program closes: the next start sends the outbox.
        m_room[t].recorder.reset();
    }

    ASSERT_TRUE(restest::controlPostgreSql("start"));
    // Takers 8-11 submit: their outboxes go first.
    for (unsigned t = 8; t < kTakers; ++t)
    {
        answer(t, kQuestions, kQuestions + 1, CResultsRecorder::eStored);
        EXPECT_EQ(0u, m_room[t].recorder->countOutbox());
    }
    for (unsigned t = 4; t < 8; ++t)
    {
        m_room[t].recorder = recorderOf(t);
        EXPECT_TRUE(m_room[t].recorder->sendOutbox()) << m_room[t].recorder->getLastError();
    }
    // Sending everything again changes nothing.
    for (unsigned t = 0; t < kTakers; ++t)
        EXPECT_EQ(CResultsRecorder::eStored, m_room[t].recorder->save(m_room[t].attempt))
            << m_room[t].recorder->getLastError();

    CResultsStore::SFilter filter;
    filter.m_assessmentFile = m_file;
    std::vector<CAttempt> stored;
    std::string error;
    ASSERT_TRUE(m_room[0].recorder->store()->listAttempts(filter, &stored, &error)) << error;
    ASSERT_EQ(kTakers, stored.size());
    std::set<std::string> ids;
    for (const CAttempt& attempt : stored)
    {
        ids.insert(attempt.m_id);
        const unsigned t = unsigned(std::stoul(attempt.m_taker.substr(6)));
        EXPECT_EQ(m_room[t].attempt, attempt) << attempt.m_taker;
    }
    EXPECT_EQ(kTakers, ids.size());
}

TEST_F(PostgreSqlOutage, AWrongPasswordKeepsTheAttemptOnThisComputer)
{
    const std::string wrong = "postgresql://" + std::string(std::getenv("PGUSER")) + ":wrong@" +
                              std::getenv("PGHOST") + ":" + std::getenv("PGPORT") + "/" +
                              std::getenv("PGDATABASE");
    CResultsRecorder recorder(wrong, CResultsRecorder::outboxPathIn(m_folder.path()));
    auto assessment = restest::makeAssessment(2);
    CAttempt attempt = CAttempt::begin(*assessment, m_file, "Ann");
    attempt.submit();
    EXPECT_EQ(CResultsRecorder::eKeptInOutbox, recorder.save(attempt));
    EXPECT_NE(std::string::npos, recorder.getLastError().find("password authentication failed"))
        << recorder.getLastError();
    // The message never shows the password.
    EXPECT_EQ(std::string::npos, recorder.getLastError().find("wrong")) << recorder.getLastError();
    EXPECT_EQ(1u, recorder.countOutbox());
}
