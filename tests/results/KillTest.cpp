// A taker's program killed at random moments while answering and submitting:
// the store opens afterwards and every attempt in it is whole, as of its last
// stored answer or its submission, and nothing the store confirmed is lost.

#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
const unsigned kKills = 200;
const unsigned kQuestions = 20;

// A taker's program: takes attempts one after the other, storing after every
// answer and at the submit, and after each save the store confirmed writes
// "ID REVISION" on a line of its own to `output`, until it is killed.
[[noreturn]] void writeUntilKilled(const std::string& url, unsigned taker, int output)
{
    std::string error;
    const auto store = CResultsStore::open(url, &error);
    const auto assessment = restest::makeAssessment(kQuestions);
    for (;;)
    {
        CAttempt attempt = CAttempt::begin(*assessment, "/class/kill.eva", std::to_string(taker));
        for (unsigned position = 0; position <= kQuestions; ++position)
        {
            if (position < kQuestions)
                attempt.setAnswers(position, restest::answersOf(taker, position));
            else
                attempt.submit();
            const std::string line = attempt.m_id + " " + std::to_string(attempt.m_revision) + "\n";
            if (!store || !store->saveAttempt(attempt, &error) ||
                write(output, line.data(), line.size()) != ssize_t(line.size()))
            {
                std::fprintf(stderr, "%s\n", error.c_str());
                _exit(1);
            }
        }
    }
}

// Forks the writer; returns its process and the read end of its output.
pid_t startWriter(const std::string& url, unsigned taker, FILE** output)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0)
    {
        close(pipeEnds[0]);
        writeUntilKilled(url, taker, pipeEnds[1]);
    }
    close(pipeEnds[1]);
    *output = fdopen(pipeEnds[0], "r");
    return pid;
}

// Reads the writer's lines until `lines` of them or its end: the highest
// revision the store confirmed, per attempt, into `confirmed`.
void readConfirmed(FILE* output, unsigned lines, std::map<std::string, unsigned>* confirmed)
{
    char id[64];
    unsigned revision = 0;
    for (unsigned read = 0; read < lines && std::fscanf(output, "%63s %u", id, &revision) == 2; ++read)
        (*confirmed)[id] = std::max((*confirmed)[id], revision);
}
} // namespace

TEST(Killed, TakersLeaveEveryAttemptWholeAndNothingConfirmedIsLost)
{
    restest::CTempFolder folder;
    const std::string url = "sqlite:" + folder.file("results.sqlite");
    auto assessment = restest::makeAssessment(kQuestions);
    std::mt19937 random(20261207);
    std::map<std::string, unsigned> confirmed;
    unsigned submitted = 0;
    for (unsigned kill = 0; kill < kKills; ++kill)
    {
        SCOPED_TRACE(kill);
        const unsigned taker = kill % 7;
        FILE* output = nullptr;
        const pid_t writer = startWriter(url, taker, &output);
        ASSERT_GT(writer, 0);
        // Killed after a random number of confirmed saves (an attempt is 20
        // answers and a submit, so past 21 the kill falls after a submit) and
        // a random few milliseconds more, into the save that follows: the
        // same spread of moments however fast the machine is.
        readConfirmed(output, std::uniform_int_distribution<unsigned>(1, 30)(random), &confirmed);
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 4)(random)));
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself: " << status;
        readConfirmed(output, ~0u, &confirmed);
        std::fclose(output);

        const std::vector<CAttempt> attempts = restest::storedAttempts(url);
        ASSERT_FALSE(HasFailure()) << "after kill " << kill;
        submitted = 0;
        for (const CAttempt& attempt : attempts)
        {
            ASSERT_EQ(kQuestions, attempt.m_questions.size()) << attempt.m_id;
            // Stored, maybe not yet confirmed (killed between the commit and
            // the line), but never less than confirmed.
            EXPECT_GE(attempt.m_revision, confirmed.count(attempt.m_id) ? confirmed[attempt.m_id] : 0u)
                << "after kill " << kill;
            // Each revision r of an attempt in progress answered the first r
            // questions; a submission answered all twenty.
            CAttempt expected = CAttempt::begin(*assessment, attempt.m_assessmentFile, attempt.m_taker);
            const unsigned answered =
                attempt.m_status == CAttempt::eSubmitted ? kQuestions : attempt.m_revision;
            const unsigned writerTaker = unsigned(std::stoul(attempt.m_taker));
            for (unsigned position = 0; position < answered && position < kQuestions; ++position)
                expected.setAnswers(position, restest::answersOf(writerTaker, position));
            ASSERT_EQ(expected.m_questions, attempt.m_questions)
                << "attempt " << attempt.m_id << " at revision " << attempt.m_revision;
            EXPECT_EQ(expected.m_score, attempt.m_score);
            EXPECT_EQ(expected.m_numToReview, attempt.m_numToReview);
            if (attempt.m_status == CAttempt::eSubmitted)
                ++submitted;
        }
        for (const auto& entry : confirmed)
            EXPECT_TRUE(std::any_of(attempts.begin(), attempts.end(),
                                    [&](const CAttempt& a) { return a.m_id == entry.first; }))
                << "confirmed attempt " << entry.first << " is missing after kill " << kill;
    }
    // The kills fell both while answering and after submits.
    EXPECT_GT(submitted, 0u);
    EXPECT_GT(confirmed.size(), submitted);
}
