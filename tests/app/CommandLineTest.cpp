#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace
{

CCommandLine parse(const std::vector<const char*>& arguments)
{
    wxArrayString list;
    for (const char* argument : arguments)
        list.Add(argument);
    return CCommandLine::parse(list);
}

struct SReading
{
    std::vector<const char*> arguments;
    CCommandLine::eMode mode;
    const char* file;
    const char* folder;
    const char* bank;
    const char* format;
    const char* target;
};

TEST(CommandLineTest, ReadsEveryModeAndItsValues)
{
    const SReading readings[] = {
        {{}, CCommandLine::eManage, "", "", "", "", ""},
        {{"-h"}, CCommandLine::eHelp, "", "", "", "", ""},
        {{"--help"}, CCommandLine::eHelp, "", "", "", "", ""},
        {{"--version"}, CCommandLine::eVersion, "", "", "", "", ""},
        {{"my quiz.eva"}, CCommandLine::eAuthor, "my quiz.eva", "", "", "", ""},
        {{"--", "-odd.eva"}, CCommandLine::eAuthor, "-odd.eva", "", "", "", ""},
        {{"--take", "quiz.eva"}, CCommandLine::eTake, "quiz.eva", "", "", "", ""},
        {{"--take=quiz.eva"}, CCommandLine::eTake, "quiz.eva", "", "", "", ""},
        {{"--check", "quiz.eva"}, CCommandLine::eCheck, "quiz.eva", "", "", "", ""},
        {{"--snapshot", "out"}, CCommandLine::eSnapshot, "", "out", "", "", ""},
        {{"--snapshot", "out", "quiz.eva"}, CCommandLine::eSnapshot, "quiz.eva", "out", "", "", ""},
        {{"--import", "b.gift", "--into", "a.eva"}, CCommandLine::eImport, "a.eva", "", "b.gift", "", ""},
        {{"--into", "a.eva", "--questions-dir", "q", "--import", "b.gift"},
         CCommandLine::eImport,
         "a.eva",
         "q",
         "b.gift",
         "",
         ""},
        {{"--export", "a.eva", "--format", "QTI30", "--to", "pkg"},
         CCommandLine::eExport,
         "a.eva",
         "",
         "",
         "QTI30",
         "pkg"},
        {{"--results", "q.eva", "--to", "r.CSV"}, CCommandLine::eResults, "q.eva", "", "", "", "r.CSV"},
        {{"--record", "q.eva", "--taker", "Bo", "--answers", "0;1,2;;3"}, CCommandLine::eRecord, "q.eva", "", "",
         "", ""},
    };
    for (const SReading& reading : readings)
    {
        SCOPED_TRACE(testing::PrintToString(reading.arguments));
        const CCommandLine line = parse(reading.arguments);
        EXPECT_EQ(line.getError(), "");
        EXPECT_EQ(line.getMode(), reading.mode);
        EXPECT_EQ(line.getFile(), reading.file);
        EXPECT_EQ(line.getFolder(), reading.folder);
        EXPECT_EQ(line.getBank(), reading.bank);
        EXPECT_EQ(line.getFormat(), reading.format);
        EXPECT_EQ(line.getTarget(), reading.target);
    }
}

TEST(CommandLineTest, SnapshotsTakeAPageSize)
{
    EXPECT_EQ(parse({"--snapshot", "out"}).getPageSize(), wxDefaultSize);
    const CCommandLine line = parse({"--snapshot", "out", "quiz.eva", "--size", "1920x1080"});
    EXPECT_EQ(line.getError(), "");
    EXPECT_EQ(line.getFile(), "quiz.eva");
    EXPECT_EQ(line.getPageSize(), wxSize(1920, 1080));
    EXPECT_EQ(parse({"--snapshot", "out", "--size", "320x240"}).getPageSize(), wxSize(320, 240));
}

TEST(CommandLineTest, TakingMayFillTheScreenAndTakersAndStoresAreNamed)
{
    const CCommandLine named = parse({"--take", "q.eva", "--taker", "Ann", "--store", "sqlite:/r.sqlite"});
    EXPECT_EQ(named.getTaker(), "Ann");
    EXPECT_EQ(named.getStore(), "sqlite:/r.sqlite");
    EXPECT_EQ(parse({"--record", "q.eva", "--taker", "Bo", "--answers", "0;1,2;;3"}).getAnswers(), "0;1,2;;3");
    EXPECT_FALSE(parse({"--take", "quiz.eva"}).getFullScreen());
    const CCommandLine line = parse({"--take", "quiz.eva", "--full-screen"});
    EXPECT_EQ(line.getError(), "");
    EXPECT_EQ(line.getMode(), CCommandLine::eTake);
    EXPECT_TRUE(line.getFullScreen());
    EXPECT_EQ(parse({"--snapshot", "out", "--full-screen"}).getError(),
              "--full-screen does not go with --snapshot");
}

TEST(CommandLineTest, LanguageGoesWithEveryMode)
{
    const std::pair<std::vector<const char*>, CCommandLine::eMode> lines[] = {
        {{"--lang", "de"}, CCommandLine::eManage},
        {{"--lang=de", "quiz.eva"}, CCommandLine::eAuthor},
        {{"--help", "--lang", "de"}, CCommandLine::eHelp},
        {{"--import", "b.gift", "--lang", "de", "--into", "a.eva"}, CCommandLine::eImport},
    };
    for (const auto& [arguments, mode] : lines)
    {
        const CCommandLine line = parse(arguments);
        EXPECT_EQ(line.getError(), "") << testing::PrintToString(arguments);
        EXPECT_EQ(line.getMode(), mode);
        EXPECT_EQ(line.language, "de");
    }
    EXPECT_EQ(parse({"--take", "quiz.eva"}).language, "");
}

TEST(CommandLineTest, RefusesMisuseWithItsReason)
{
    const std::pair<std::vector<const char*>, const char*> misuses[] = {
        {{"--bogus"}, "Unknown long option 'bogus'"},
        {{"--take"}, "Option 'take' requires a value."},
        {{"--take", "a.eva", "b.eva"}, "--take needs exactly one assessment file"},
        {{"a.eva", "b.eva"}, "Unexpected parameter 'b.eva'"},
        {{"--help", "x"}, "--help takes no argument"},
        {{"x", "-h"}, "--help takes no argument"},
        {{"--version", "x"}, "--version takes no argument"},
        {{"--snapshot", "out", "a.eva", "b.eva"}, "Unexpected parameter 'b.eva'"},
        {{"--take", "a.eva", "--snapshot", "out"}, "--snapshot does not go with --take"},
        {{"--take", "a.eva", "--take", "b.eva"}, "--take is given twice"},
        {{"--snapshot", "out", "--size", "1920"},
         "--size needs WIDTHxHEIGHT from 320x240 to 7680x4320, not '1920'"},
        {{"--snapshot", "out", "--size", "100x100"},
         "--size needs WIDTHxHEIGHT from 320x240 to 7680x4320, not '100x100'"},
        {{"--snapshot", "out", "--size", "+640x480"},
         "--size needs WIDTHxHEIGHT from 320x240 to 7680x4320, not '+640x480'"},
        {{"--take", "a.eva", "--size", "640x480"}, "--size does not go with --take"},
        {{"--import", "--into", "a.eva"}, "--import needs a value"},
        {{"--import", "b.gift"}, "--import needs --into ASSESSMENT"},
        {{"--import", "b.gift", "--into", "a.eva", "--to", "x"}, "--to does not go with --import"},
        {{"--into", "a.eva"}, "--into goes with --import only"},
        {{"--import", "b.gift", "--into", "a.eva", "--duplicates", "keep"},
         "--duplicates takes only 'add', not 'keep'"},
        {{"--check", "a.eva", "--take", "b.eva"}, "--take does not go with --check"},
        {{"--export", "a.eva", "--to", "a.gift"}, "--export needs --format FORMAT and --to PATH"},
        {{"--export", "a.eva", "--format", "pdf", "--to", "a.pdf"},
         "unknown format 'pdf' (gift, moodle, qti21, qti30 or csv)"},
        {{"--record", "q.eva", "--taker", "Bo"}, "--record needs --taker NAME and --answers ANSWERS"},
        {{"--results", "q.eva", "--to", "r.txt"}, "--results writes CSV: --to needs a .csv file, not 'r.txt'"},
        {{"--results", "q.eva"}, "--results needs --to PATH.csv"},
        {{"--export", "q.eva", "--format", "gift", "--to", "x", "--taker", "A"}, "--taker does not go with --export"},
    };
    for (const auto& [arguments, reason] : misuses)
    {
        const CCommandLine line = parse(arguments);
        EXPECT_EQ(line.getMode(), CCommandLine::eMisused) << reason;
        EXPECT_EQ(line.getError(), reason);
    }
}

// The usage is generated: each mode's synopsis comes from the same tables
// the parser reads.
TEST(CommandLineTest, UsageListsEveryModeAndOption)
{
    const wxString usage = CCommandLine::usage();
    EXPECT_TRUE(usage.StartsWith("Usage: evalon [-h] [--version] [--lang <str>] [--take <str>]")) << usage;
    for (const char* synopsis :
         {"  evalon\n      manage your list of assessment files", "  evalon FILE\n",
          "  evalon --take FILE [--taker NAME] [--store URL] [--full-screen]\n",
          "  evalon --snapshot DIR [--size WxH] [FILE]\n",
          "  evalon --import BANK --into FILE [--questions-dir DIR] [--duplicates add]\n",
          "  evalon --check FILE\n", "  evalon --export FILE --format FORMAT --to PATH\n",
          "  evalon --record FILE --taker NAME --answers ANSWERS [--store URL]\n",
          "  evalon --results FILE --to PATH [--store URL]\n", "--questions-dir=<str>", "--format=<str>"})
        EXPECT_TRUE(usage.Contains(synopsis)) << synopsis;
}

} // namespace

TEST(CommandLineTest, EveryModeTakesALanguage)
{
    const std::vector<const char*> lines[] = {{"--lang", "de"},
                                              {"--lang=de", "quiz.eva"},
                                              {"--take", "quiz.eva", "--lang", "de"},
                                              {"--import", "b.gift", "--into", "a.eva", "--lang", "de"}};
    for (const std::vector<const char*>& arguments : lines)
    {
        const CCommandLine line = parse(arguments);
        EXPECT_EQ(line.getError(), "") << testing::PrintToString(arguments);
        EXPECT_EQ(line.language, "de") << testing::PrintToString(arguments);
    }
}
