// Stores that cannot be used, and the outbox that keeps the taker's attempt
// meanwhile.

#include "results/ResultsRecorder.h"
#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace fs = std::filesystem;
using restest::makeAssessment;

namespace
{
std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A store holding `count` submitted attempts, closed (checkpointed) again.
void makeStore(const std::string& path, unsigned count)
{
    std::string error;
    auto store = CResultsStore::open("sqlite:" + path, &error);
    ASSERT_TRUE(store) << error;
    auto assessment = makeAssessment(50);
    for (unsigned i = 0; i < count; ++i)
    {
        CAttempt attempt = CAttempt::begin(*assessment, "/a.eva", "Taker " + std::to_string(i));
        attempt.submit();
        ASSERT_TRUE(store->saveAttempt(attempt, &error)) << error;
    }
}

CAttempt anAttempt(const std::string& taker)
{
    auto assessment = makeAssessment(3);
    CAttempt attempt = CAttempt::begin(*assessment, "/a.eva", taker);
    attempt.setAnswers(0, {0});
    return attempt;
}

} // namespace

TEST(BadStore, IsRefusedWithItsNameAndTheReasonAndLeftAsItWas)
{
    restest::CTempFolder folder;
    struct SCase
    {
        const char* name;
        std::function<void(const std::string& path)> make;
        const char* reason;
    };
    const SCase cases[] = {
        {"text.sqlite",
         [](const std::string& p) { std::ofstream(p) << (std::string(2000, 'x') + "not a database"); },
         "file is not a database"},
        {"truncated.sqlite",
         [](const std::string& p) { makeStore(p, 40), fs::resize_file(p, fs::file_size(p) / 2); },
         "malformed"},
        {"newer.sqlite",
         [](const std::string& p)
         { makeStore(p, 1), restest::runSql(p, "UPDATE evalon_schema SET version = 99"); },
         "written by a newer version of evalon (schema version 99"},
        {"other.sqlite",
         [](const std::string& p) { EXPECT_EQ("", restest::runSql(p, "CREATE TABLE notes (text TEXT)")); },
         "a database of another program"},
        {"file/inside.sqlite", [&](const std::string&) { std::ofstream(folder.file("file")) << "a file"; },
         "unable to open database file"},
    };
    for (const SCase& c : cases)
    {
        const std::string path = folder.file(c.name);
        c.make(path);
        const std::string before = fs::is_regular_file(path) ? readFile(path) : std::string();
        std::string error;
        EXPECT_FALSE(CResultsStore::open("sqlite:" + path, &error)) << c.name;
        EXPECT_EQ(0u, error.find("The results store " + path + " cannot ")) << error;
        EXPECT_NE(std::string::npos, error.find(c.reason)) << error;
        EXPECT_TRUE(before.empty() || before == readFile(path)) << c.name << " was changed";
    }
}

TEST(BadStore, AFullDiskFailsTheWriteAndKeepsWhatWasStored)
{
    restest::CTempFolder folder;
    const std::string path = folder.file("full.sqlite");
    std::string error;
    auto store = CResultsStore::open("sqlite:" + path, &error);
    ASSERT_TRUE(store) << error;
    const CAttempt kept = anAttempt("Ann");
    ASSERT_TRUE(store->saveAttempt(kept, &error)) << error;

    // No file of this process may grow past its size now: the next write
    // meets what a full disk gives.
    CAttempt big = anAttempt("Bob");
    big.m_questions[0].m_questionText.assign(1 << 20, 'x');
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved, limit;
    getrlimit(RLIMIT_FSIZE, &saved);
    limit = saved;
    limit.rlim_cur = std::max(fs::file_size(path), fs::file_size(path + "-wal")) + 4096;
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = store->saveAttempt(big, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(0u, error.find("The results store " + path + " cannot store the attempt of Bob: ")) << error;
    store.reset();
    EXPECT_EQ(restest::storedAttempts("sqlite:" + path), std::vector<CAttempt>{kept});
}

TEST(Outbox, KeepsTheAttemptWhileTheStoreIsBrokenAndSendsItOnceOrSaysItIsLost)
{
    restest::CTempFolder folder;
    const std::string path = folder.file("results.sqlite");
    const std::string url = "sqlite:" + path;
    std::ofstream(path) << std::string(4096, 'x');
    const std::string outbox = CResultsRecorder::outboxPathIn(folder.path());

    CAttempt answering = anAttempt("Ann");
    {
        CResultsRecorder recorder(url, outbox);
        EXPECT_EQ(CResultsRecorder::eKeptInOutbox, recorder.save(answering));
        EXPECT_EQ(0u, recorder.getLastError().find("The results store " + path + " cannot be opened"))
            << recorder.getLastError();
        answering.setAnswers(1, {1});
        EXPECT_EQ(CResultsRecorder::eKeptInOutbox, recorder.save(answering));
        EXPECT_EQ(1u, recorder.countOutbox());
        EXPECT_FALSE(recorder.sendOutbox());
    }

    // The next start: the store works again (a new file), the outbox is sent.
    fs::remove(path);
    CResultsRecorder recorder(url, outbox);
    ASSERT_TRUE(recorder.sendOutbox()) << recorder.getLastError();
    EXPECT_EQ(0u, recorder.countOutbox());

    // The answers so far reached the store whole, and a submit follows them.
    CAttempt stored;
    std::string error;
    ASSERT_TRUE(recorder.store()->loadAttempt(answering.m_id, &stored, &error)) << error;
    EXPECT_EQ(answering, stored);
    answering.submit();
    EXPECT_EQ(CResultsRecorder::eStored, recorder.save(answering));
    EXPECT_EQ(1u, restest::storedAttempts(url).size());

    // With neither the store nor the outbox usable, the attempt is lost, and both are named.
    std::ofstream(folder.file("file")) << "a file";
    CResultsRecorder nowhere("sqlite:" + folder.file("file/results.sqlite"),
                             folder.file("file/outbox.sqlite"));
    EXPECT_EQ(CResultsRecorder::eLost, nowhere.save(answering));
    EXPECT_NE(std::string::npos, nowhere.getLastError().find(folder.file("file/results.sqlite")));
    EXPECT_NE(std::string::npos, nowhere.getLastError().find(folder.file("file/outbox.sqlite")));
}
