// A save killed at any moment leaves every file whole: each question file
// and the assessment file hold the version before the save or the one it
// wrote, and load; so do the question banks exported after each save.
#include "tests/reliability/helpers/SaveVariants.h"
#include "tests/support/WxTest.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/dir.h>
#include <wx/filename.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

extern char** environ;

namespace
{
const int kKills = 1000;

// The save-loop program, talked to through its standard input and output.
class CSaveLoop
{
public:
    explicit CSaveLoop(const wxString& folder)
    {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, toChild[1]);
        posix_spawn_file_actions_addclose(&actions, fromChild[0]);
        const wxScopedCharBuffer folderArg = folder.utf8_str();
        char* argv[] = {const_cast<char*>(EVALON_SAVE_LOOP), const_cast<char*>(folderArg.data()), nullptr};
        if (posix_spawn(&m_pid, EVALON_SAVE_LOOP, &actions, nullptr, argv, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(toChild[0]);
        close(fromChild[1]);
        m_commands = fdopen(toChild[1], "w");
        m_answers = fdopen(fromChild[0], "r");
    }
    ~CSaveLoop()
    {
        for (FILE* stream : {m_commands, m_answers}) // end of input ends the program
            if (stream)
                std::fclose(stream);
        if (m_pid > 0)
            waitpid(m_pid, nullptr, 0);
    }
    CSaveLoop(const CSaveLoop&) = delete;
    CSaveLoop& operator=(const CSaveLoop&) = delete;

    bool isRunning() const { return m_pid > 0 && m_commands && m_answers; }

    // Has a saver save versions `generation`, `generation` + 1, ... and kill
    // it `delay` microseconds after its first save; the signal that ended it.
    int kill(int generation, int delay)
    {
        std::fprintf(m_commands, "kill %d %d\n", generation, delay);
        std::fflush(m_commands);
        int signal = -1;
        return std::fscanf(m_answers, "%d", &signal) == 1 ? signal : -1;
    }

private:
    pid_t m_pid = -1;
    FILE* m_commands = nullptr;
    FILE* m_answers = nullptr;
};

class InterruptedSaveTest : public evtest::CTempDirTest
{
protected:
    // Each version saved as the save loop saves it, and the bytes of each of
    // its files kept; version 0 stays on disk.
    void SetUp() override
    {
        CTempDirTest::SetUp();
        ASSERT_TRUE(wxMkdir(path("questions")));
        for (int variant : {1, 0})
        {
            wxString error;
            ASSERT_TRUE(savevariants::save(variant, dir(), &error)) << error;
            for (const wxString& file : savedFiles())
                m_bytes[variant][file] = evtest::readFile(file);
            // The assessment file and its question files, the GIFT file, the
            // QTI manifest and one QTI file per question.
            ASSERT_EQ(m_bytes[variant].size(), 3u + 2 * savevariants::kNumQuestions);
        }
    }

    // The files of the save, by full path. Temporary files a killed save
    // left beside them are removed, so that the folder stays small.
    std::vector<wxString> savedFiles()
    {
        wxArrayString files;
        wxDir::GetAllFiles(dir(), &files);
        std::vector<wxString> saved;
        for (const wxString& file : files)
            if (wxString(" eva itm gift xml ").Contains(" " + wxFileName(file).GetExt() + " "))
                saved.push_back(file);
            else
                wxRemoveFile(file);
        return saved;
    }

    // The version each file of the save holds: 0 or 1, or -1 for neither.
    std::map<wxString, int> fileVersions()
    {
        std::map<wxString, int> versions;
        for (const wxString& file : savedFiles())
        {
            const std::string bytes = evtest::readFile(file);
            versions[file] = bytes == m_bytes[0][file] ? 0 : bytes == m_bytes[1][file] ? 1 : -1;
        }
        return versions;
    }

    std::map<wxString, std::string> m_bytes[2];
};
} // namespace

TEST_F(InterruptedSaveTest, EveryFileHoldsTheOldOrTheNewVersionAfterAKill)
{
    CSaveLoop saveLoop(dir());
    ASSERT_TRUE(saveLoop.isRunning());

    // After the saver's first save, a kill falls anywhere in the next few.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int seen[2] = {};
    for (int kill = 0; kill < kKills; ++kill)
    {
        ASSERT_EQ(SIGKILL, saveLoop.kill(kill, delayMicroseconds(random)))
            << "the saver ended by itself at kill " << kill;
        const std::map<wxString, int> versions = fileVersions();
        ASSERT_EQ(versions.size(), m_bytes[0].size()) << "after kill " << kill;
        for (const auto& [file, version] : versions)
            ASSERT_NE(version, -1) << file << " holds neither version after kill " << kill;
        CAssessmentMgr assessment;
        CAssessmentSerializer reader(&assessment, savevariants::assessmentFile(dir()));
        ASSERT_TRUE(reader.load()) << reader.getLastError() << " after kill " << kill;
        ++seen[versions.at(savevariants::assessmentFile(dir()))];
    }
    // Both versions reached the disk, so the kills fell across many saves.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}
