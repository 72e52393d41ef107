// A taker's program killed at random moments while answering and submitting:
// the store opens afterwards and every attempt in it is whole, as of its last
// stored answer or its submission, and nothing the store confirmed is lost.

#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
const unsigned kKills = 200;

// Starts the writer; returns its process and the read end of its output.
pid_t startWriter(const std::string& url, unsigned taker, int* output)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0)
    {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        const std::string takerText = std::to_string(taker);
        execl(EVALON_RESULTS_WRITER, EVALON_RESULTS_WRITER, url.c_str(), takerText.c_str(), nullptr);
        _exit(127);
    }
    close(pipeEnds[1]);
    *output = pipeEnds[0];
    return pid;
}

// Reads what the writer prints until it printed `lines` whole lines, ended,
// or `milliseconds` passed.
std::string readLines(int fd, unsigned lines, int milliseconds)
{
    std::string text;
    char buffer[4096];
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (unsigned(std::count(text.begin(), text.end(), '\n')) < lines)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd poller{fd, POLLIN, 0};
        const ssize_t n = poll(&poller, 1, std::max<int>(0, int(left.count()))) > 0 ? read(fd, buffer, sizeof buffer) : 0;
        if (n <= 0)
            break;
        text.append(buffer, size_t(n));
    }
    return text;
}
} // namespace

TEST(Killed, TakersLeaveEveryAttemptWholeAndNothingConfirmedIsLost)
{
    restest::CTempFolder folder;
    const std::string url = "sqlite:" + folder.file("results.sqlite");
    auto assessment = restest::makeAssessment(20);
    std::mt19937 random(20261207);
    // The highest revision the store confirmed, per attempt.
    std::map<std::string, unsigned> confirmed;
    unsigned submitted = 0;
    for (unsigned kill = 0; kill < kKills; ++kill)
    {
        const unsigned taker = kill % 7;
        int output = -1;
        const pid_t writer = startWriter(url, taker, &output);
        ASSERT_GT(writer, 0);
        // Killed after a random number of confirmed saves (an attempt is 20
        // answers and a submit, so past 21 the kill falls after a submit) and
        // a random few milliseconds more, into the save that follows: the
        // same spread of moments however fast the machine is.
        const unsigned saves = std::uniform_int_distribution<unsigned>(1, 30)(random);
        std::string printed = readLines(output, saves, 60000);
        printed += readLines(output, ~0u, std::uniform_int_distribution<int>(0, 4)(random));
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself: " << status;
        printed += readLines(output, ~0u, 0);
        close(output);

        std::istringstream lines(printed);
        std::string id;
        unsigned revision = 0;
        while (lines >> id >> revision)
            confirmed[id] = std::max(confirmed[id], revision);

        const std::vector<CAttempt> attempts = restest::storedAttempts(url);
        ASSERT_FALSE(HasFailure()) << "after kill " << kill;
        submitted = 0;
        for (const CAttempt& attempt : attempts)
        {
            ASSERT_EQ(20u, attempt.m_questions.size()) << attempt.m_id;
            // Stored, maybe not yet confirmed (killed between the commit and
            // the line), but never less than confirmed.
            EXPECT_GE(attempt.m_revision, confirmed.count(attempt.m_id) ? confirmed[attempt.m_id] : 0u)
                << "after kill " << kill;
            // Each revision r of an attempt in progress answered the first r
            // questions; a submission answered all twenty.
            CAttempt expected = CAttempt::begin(*assessment, attempt.m_assessmentFile, attempt.m_taker);
            const unsigned answered = attempt.m_status == CAttempt::eSubmitted ? 20u : attempt.m_revision;
            const unsigned writerTaker = unsigned(std::stoul(attempt.m_taker));
            for (unsigned position = 0; position < answered && position < 20; ++position)
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
