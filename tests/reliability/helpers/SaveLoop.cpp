// The program the interrupted-save test kills. Starting a program linked
// with the toolkit takes tens of milliseconds, too slow for a thousand kills,
// so this one starts once and forks a saver on each request:
//   "kill N D\n" -> forks a child that saves versions N, N+1, ... in turn
//                   (see savevariants::save) until it is killed; once the
//                   first save is done, so that the kill falls among saves
//                   that replace files whatever the machine's load, waits D
//                   microseconds, kills the child and answers the signal
//                   that ended it
// The answers go to the file descriptor given; end of input ends the program.
#include "tests/reliability/helpers/SaveVariants.h"

#include <wx/init.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace
{
// Saves version `generation`, says so through `savedFd`, then saves the
// following versions until killed.
[[noreturn]] void saveForever(const wxString& folder, int generation, int savedFd)
{
    for (wxString error;; ++generation)
    {
        if (!savevariants::save(generation % 2, folder, &error))
        {
            std::fprintf(stderr, "save loop: %s\n", static_cast<const char*>(error.utf8_str()));
            _exit(1);
        }
        // Once: the first save is done.
        if (savedFd >= 0 && write(savedFd, "", 1) == 1 && close(savedFd) == 0)
            savedFd = -1;
    }
}
} // namespace

int main(int argc, char** argv)
{
    FILE* answers = argc == 3 ? fdopen(std::atoi(argv[2]), "w") : nullptr;
    if (answers == nullptr)
    {
        std::fprintf(stderr, "usage: %s FOLDER ANSWER_FD\n", argv[0]);
        return 2;
    }
    wxInitializer wx;
    const wxString folder = wxString::FromUTF8(argv[1]);
    char line[64];
    int generation = 0;
    int delay = 0;
    while (std::fgets(line, sizeof line, stdin) && std::sscanf(line, "kill %d %d", &generation, &delay) == 2)
    {
        int saved[2];
        if (pipe(saved) != 0)
            return 1;
        const pid_t child = fork();
        if (child == 0)
            saveForever(folder, generation, saved[1]);
        close(saved[1]);
        char done = 0;
        (void)!read(saved[0], &done, 1);
        close(saved[0]);
        // The moment of the kill is the point of the test, so it is timed.
        usleep(useconds_t(delay));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        std::fprintf(answers, "%d\n", WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status));
        std::fflush(answers);
    }
    return 0;
}
