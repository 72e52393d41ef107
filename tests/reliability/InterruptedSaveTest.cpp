// A save killed at any moment leaves every file whole: each question file
// and the assessment file hold the version before the save or the one it
// wrote, and load; so do the question banks exported after each save.
#include "tests/reliability/helpers/SaveVariants.h"
#include "tests/support/WxTest.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/dir.h>
#include <wx/filename.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace
{
const int kKills = 1000;

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
    // The save loop takes its commands on its standard input and answers on
    // the pipe it is given; the end of its input ends it.
    int answerPipe[2];
    ASSERT_EQ(pipe(answerPipe), 0);
    const wxString command = wxString::Format("'%s' '%s' %d", EVALON_SAVE_LOOP, dir(), answerPipe[1]);
    const std::unique_ptr<FILE, int (*)(FILE*)> commands(popen(command.utf8_str(), "w"), pclose);
    close(answerPipe[1]);
    const std::unique_ptr<FILE, int (*)(FILE*)> answers(fdopen(answerPipe[0], "r"), std::fclose);
    ASSERT_TRUE(commands && answers);

    // After the saver's first save, a kill falls anywhere in the next few.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int seen[2] = {};
    for (int kill = 0; kill < kKills; ++kill)
    {
        std::fprintf(commands.get(), "kill %d %d\n", kill, delayMicroseconds(random));
        std::fflush(commands.get());
        int signal = -1;
        ASSERT_EQ(std::fscanf(answers.get(), "%d", &signal), 1) << "the save loop ended at kill " << kill;
        ASSERT_EQ(SIGKILL, signal) << "the saver ended by itself at kill " << kill;
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
