// The program the interrupted-save test kills. Starting a program linked
// with the toolkit takes tens of milliseconds, too slow for a thousand kills,
// so this one starts once and forks a saver on each request:
//   "save N\n" -> forks a child that saves versions N, N+1, ... in turn
//                 (each an assessment and its question files, then its
//                 questions exported as GIFT and as QTI) until it is
//                 killed; answers the child's pid once the first save is
//                 done, so that a kill timed from the answer falls among
//                 saves that replace files, whatever the machine's load
//   "reap\n"   -> waits for that child to end; answers the signal that ended it
// End of input ends the program.
#include "tests/reliability/helpers/SaveVariants.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "interchange/QuestionExporter.h"

#include <wx/init.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace
{
[[noreturn]] void fail(const wxString& why)
{
    std::fprintf(stderr, "save loop: %s\n", static_cast<const char*>(why.utf8_str()));
    _exit(1);
}

void save(const wxString& folder, int generation)
{
    CAssessmentMgr assessment;
    savevariants::build(generation % 2, folder, &assessment);
    CAssessmentSerializer writer(&assessment, savevariants::assessmentFile(folder));
    if (!writer.storeWithQuestions())
        fail(writer.getLastError());
    CImportReport report(CImportReport::eExport);
    CQuestionExporter exporter(&report);
    if (!exporter.write(&assessment, CQuestionExporter::eGift, savevariants::giftExport(folder)) ||
        !exporter.write(&assessment, CQuestionExporter::eQti21, savevariants::qtiExport(folder)))
        fail(report.toText());
}

// Saves version `generation`, says so through `savedFd`, then saves the
// following versions until killed.
[[noreturn]] void saveForever(const wxString& folder, int generation, int savedFd)
{
    save(folder, generation);
    const char saved = 1;
    (void)!write(savedFd, &saved, 1);
    close(savedFd);
    for (;;)
        save(folder, ++generation);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    wxInitializer wx;
    const wxString folder = wxString::FromUTF8(argv[1]);
    char line[64];
    pid_t child = -1;
    while (std::fgets(line, sizeof line, stdin) != nullptr)
    {
        int generation = 0;
        if (std::sscanf(line, "save %d", &generation) == 1)
        {
            int saved[2];
            if (pipe(saved) != 0)
                return 1;
            if ((child = fork()) == 0)
                saveForever(folder, generation, saved[1]);
            close(saved[1]);
            char done = 0;
            (void)!read(saved[0], &done, 1);
            close(saved[0]);
            std::printf("%d\n", static_cast<int>(child));
        }
        else if (std::strcmp(line, "reap\n") == 0)
        {
            int status = 0;
            waitpid(child, &status, 0);
            std::printf("%d\n", WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status));
        }
        std::fflush(stdout);
    }
    return 0;
}
