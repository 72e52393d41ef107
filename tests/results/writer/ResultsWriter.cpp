// results_writer STORE_URL TAKER: takes attempts at a 20-question assessment
// one after the other, storing after every answer and at the submit, until
// it is killed. After each save the store confirmed it prints
// "ID REVISION" on a line of its own, so that the killer knows what the
// store must hold.

#include "results/ResultsStore.h"
#include "tests/results/ResultsTestSupport.h"

#include <wx/init.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{
void confirm(const CAttempt& attempt)
{
    const std::string line = attempt.m_id + " " + std::to_string(attempt.m_revision) + "\n";
    if (write(STDOUT_FILENO, line.data(), line.size()) != ssize_t(line.size()))
        _exit(3);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: results_writer STORE_URL TAKER\n");
        return 2;
    }
    wxInitializer wx;
    std::string error;
    auto store = CResultsStore::open(argv[1], &error);
    if (!store)
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const unsigned taker = unsigned(std::stoul(argv[2]));
    auto assessment = restest::makeAssessment(20);
    for (;;)
    {
        CAttempt attempt = CAttempt::begin(*assessment, "/class/kill.eva", argv[2]);
        for (unsigned position = 0; position < attempt.m_questions.size(); ++position)
        {
            attempt.setAnswers(position, restest::answersOf(taker, position));
            if (!store->saveAttempt(attempt, &error))
                break;
            confirm(attempt);
        }
        attempt.submit();
        if (!store->saveAttempt(attempt, &error))
        {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        confirm(attempt);
    }
}
