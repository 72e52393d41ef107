// A save killed at any moment leaves every file whole: each question file
// and the assessment file hold the version before the save or the one it
// wrote, and load; so do the question banks exported after each save.
#include "tests/reliability/helpers/SaveVariants.h"
#include "tests/support/WxTest.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "external/data/FileBytes.h"
#include "interchange/QuestionExporter.h"

#include <wx/dir.h>
#include <wx/filename.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <thread>
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

    // Starts a saver beginning with version `generation`; its pid once that
    // version is saved, or -1.
    pid_t startSaving(int generation) { return ask(wxString::Format("save %d", generation)); }
    // Waits for the saver to end; the signal that ended it.
    int reap() { return ask("reap"); }

private:
    int ask(const wxString& command)
    {
        std::fprintf(m_commands, "%s\n", static_cast<const char*>(command.utf8_str()));
        std::fflush(m_commands);
        char line[64] = {};
        int answer = -1;
        return std::fgets(line, sizeof line, m_answers) && std::sscanf(line, "%d", &answer) == 1 ? answer : -1;
    }

    pid_t m_pid = -1;
    FILE* m_commands = nullptr;
    FILE* m_answers = nullptr;
};

class InterruptedSaveTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override
    {
        CTempDirTest::SetUp();
        ASSERT_TRUE(wxMkdir(path("questions")));
        for (int variant = 0; variant < 2; ++variant)
        {
            savevariants::build(variant, dir(), &m_versions[variant]);
            m_texts[variant] =
                CAssessmentSerializer::toText(m_versions[variant], savevariants::assessmentFile(dir()));
            exportVersion(variant);
        }
    }

    // What the exports of version `variant` hold, file by file, written
    // aside in the same way the save loop writes them.
    void exportVersion(int variant)
    {
        const wxString aside = path(wxString::Format("exported-%d", variant));
        CImportReport report(CImportReport::eExport);
        CQuestionExporter exporter(&report);
        ASSERT_TRUE(exporter.write(&m_versions[variant], CQuestionExporter::eGift, aside + ".gift") &&
                    exporter.write(&m_versions[variant], CQuestionExporter::eQti21, aside))
            << report.toText();
        m_exports[variant]["bank.gift"] = bytesOf(aside + ".gift");
        wxArrayString files;
        wxDir::GetAllFiles(aside, &files);
        for (const wxString& file : files)
            m_exports[variant]["qti/" + wxFileName(file).GetFullName()] = bytesOf(file);
        // The GIFT file, then the QTI manifest and one file per question.
        ASSERT_EQ(m_exports[variant].size(), 2u + savevariants::kNumQuestions);
        wxRemoveFile(aside + ".gift");
        wxFileName::Rmdir(aside, wxPATH_RMDIR_RECURSIVE);
    }

    static std::string bytesOf(const wxString& file)
    {
        std::string bytes;
        wxString error;
        return CFileBytes::read(file, &bytes, &error) ? bytes : "unreadable: " + error.utf8_string();
    }

    // The exported files that hold neither version's content; empty when
    // every one holds one of them (or is not written yet).
    std::vector<wxString> damagedExports()
    {
        std::vector<wxString> damaged;
        for (const auto& [name, version0] : m_exports[0])
        {
            const wxString file = dir() + "/" + name;
            if (!wxFileExists(file))
                continue;
            const std::string bytes = bytesOf(file);
            if (bytes != version0 && bytes != m_exports[1][name])
                damaged.push_back(name);
        }
        return damaged;
    }

    // Which version each file holds: the assessment file's first, then each
    // question file's; 0 or 1, or -1 for a file holding neither. Empty when
    // the assessment (which reads every question file) does not load.
    std::vector<int> fileVersions()
    {
        const wxString file = savevariants::assessmentFile(dir());
        CAssessmentMgr assessment;
        CAssessmentSerializer reader(&assessment, file);
        if (!reader.load())
        {
            ADD_FAILURE() << reader.getLastError();
            return {};
        }
        const wxString text = CAssessmentSerializer::toText(assessment, file);
        std::vector<int> versions = {text == m_texts[0] ? 0 : text == m_texts[1] ? 1 : -1};
        for (int id = 1; id <= savevariants::kNumQuestions; ++id)
        {
            const CQuestionData* question = assessment.getQuestionDataMgr()->getQuestionDataForID(id);
            int version = -1;
            for (int variant = 0; variant < 2 && question; ++variant)
                if (*question == *m_versions[variant].getQuestionDataMgr()->getQuestionDataForID(id))
                    version = variant;
            versions.push_back(version);
        }
        return versions;
    }

    // Temporary files a killed save left beside its targets; removed so the
    // folder stays small. Their number says how often a kill hit a write.
    int removeLeftovers()
    {
        int leftovers = 0;
        for (const wxString& folder : {dir(), dir() + "/questions", savevariants::qtiExport(dir())})
        {
            wxArrayString files;
            wxDir::GetAllFiles(folder, &files, wxEmptyString, wxDIR_FILES);
            for (const wxString& file : files)
                if (!wxString(" eva itm gift xml ").Contains(" " + wxFileName(file).GetExt() + " ") && wxRemoveFile(file))
                    ++leftovers;
        }
        return leftovers;
    }

    CAssessmentMgr m_versions[2];
    wxString m_texts[2];
    std::map<wxString, std::string> m_exports[2]; // by name relative to dir()
};
} // namespace

TEST_F(InterruptedSaveTest, EveryFileHoldsTheOldOrTheNewVersionAfterAKill)
{
    CAssessmentSerializer first(&m_versions[0], savevariants::assessmentFile(dir()));
    ASSERT_TRUE(first.storeWithQuestions()) << first.getLastError();
    CSaveLoop saveLoop(dir());
    ASSERT_TRUE(saveLoop.isRunning());

    // After the saver's first save, a kill falls anywhere in the next few.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int seen[2] = {};
    int interruptedWrites = 0;
    for (int kill = 0; kill < kKills; ++kill)
    {
        const pid_t saver = saveLoop.startSaving(kill);
        ASSERT_GT(saver, 0);
        // The moment of the kill is the point of the test, so it is timed.
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(saver, SIGKILL);
        ASSERT_EQ(SIGKILL, saveLoop.reap()) << "the saver ended by itself at kill " << kill;

        // The assessment file's version, then each question file's (-1: neither).
        const std::vector<int> versions = fileVersions();
        ASSERT_EQ(versions.size(), 1u + savevariants::kNumQuestions) << "after kill " << kill;
        ASSERT_EQ(std::count(versions.begin(), versions.end(), -1), 0) << "a file holds neither version after kill " << kill;
        ASSERT_EQ(damagedExports(), std::vector<wxString>()) << "after kill " << kill;
        ++seen[versions[0]];
        interruptedWrites += removeLeftovers();
    }
    // Both versions reached the disk, so the kills fell across many saves.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    std::printf("%d kills: assessment file held version 0 %d times, version 1 %d times; "
                "%d writes interrupted midway\n",
                kKills, seen[0], seen[1], interruptedWrites);
}
