#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <tuple>

namespace
{

CCommandLine parse(const std::vector<const char*>& arguments)
{
    wxArrayString list;
    for (const char* argument : arguments)
        list.Add(argument);
    return CCommandLine::parse(list);
}

// File, folder, bank, format, target, error, page size, taker, store, answers,
// full screen ("F") and language, as one text.
std::string values(const CCommandLine& line)
{
    const wxSize size = line.getPageSize();
    return wxString::Format("%s|%s|%s|%s|%s|%s|%s|%s|%s|%s|%s|%s", line.getFile(), line.getFolder(),
                            line.getBank(), line.getFormat(), line.getTarget(), line.getError(),
                            size == wxDefaultSize ? wxString() : wxString::Format("%dx%d", size.x, size.y),
                            line.getTaker(), line.getStore(), line.getAnswers(),
                            line.getFullScreen() ? "F" : "", line.language)
        .utf8_string();
}

TEST(CommandLineTest, ReadsEveryModeAndItsValues)
{
    using L = CCommandLine;
    const std::tuple<std::vector<const char*>, CCommandLine::eMode, const char*> readings[] = {
        {{}, L::eManage, "|||||||||||"},
        {{"-h"}, L::eHelp, "|||||||||||"},
        {{"my quiz.eva"}, L::eAuthor, "my quiz.eva|||||||||||"},
        {{"--", "-odd.eva"}, L::eAuthor, "-odd.eva|||||||||||"},
        {{"--snapshot", "out", "quiz.eva"}, L::eSnapshot, "quiz.eva|out||||||||||"},
        {{"--export", "a.eva", "--format", "QTI30", "--to", "pkg"}, L::eExport, "a.eva|||QTI30|pkg|||||||"},
        {{"--results", "q.eva", "--to", "r.CSV"}, L::eResults, "q.eva||||r.CSV|||||||"},
        {{"--snapshot", "out", "--size", "320x240"}, L::eSnapshot, "|out|||||320x240|||||"},
        {{"--take", "q.eva", "--taker", "Ann", "--store", "sqlite:/r.sqlite", "--full-screen"},
         L::eTake,
         "q.eva|||||||Ann|sqlite:/r.sqlite||F|"},
        {{"--import", "b.gift", "--lang", "de", "--into", "a.eva"}, L::eImport, "a.eva||b.gift|||||||||de"},
    };
    for (const auto& [arguments, mode, read] : readings)
    {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CCommandLine line = parse(arguments);
        EXPECT_EQ(line.getMode(), mode);
        EXPECT_EQ(values(line), read);
    }
}

TEST(CommandLineTest, RefusesMisuseWithItsReason)
{
    const std::pair<std::vector<const char*>, const char*> misuses[] = {
        {{"--take"}, "Option 'take' requires a value."},
        {{"--take", "a.eva", "b.eva"}, "--take needs exactly one assessment file"},
        {{"a.eva", "b.eva"}, "Unexpected parameter 'b.eva'"},
        {{"--help", "x"}, "--help takes no argument"},
        {{"--take", "a.eva", "--take", "b.eva"}, "--take is given twice"},
        {{"--snapshot", "out", "--size", "1920"},
         "--size needs WIDTHxHEIGHT from 320x240 to 7680x4320, not '1920'"},
        {{"--snapshot", "out", "--size", "100x100"},
         "--size needs WIDTHxHEIGHT from 320x240 to 7680x4320, not '100x100'"},
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
        {{"--results", "q.eva", "--to", "r.txt"},
         "--results writes CSV: --to needs a .csv file, not 'r.txt'"},
        {{"--results", "q.eva"}, "--results needs --to PATH.csv"},
    };
    for (const auto& [arguments, reason] : misuses)
    {
        const CCommandLine line = parse(arguments);
        EXPECT_EQ(line.getMode(), CCommandLine::eMisused) << reason;
        EXPECT_EQ(line.getError(), reason);
    }
}

} // namespace
