// Banks as other systems and people write them (tests/interchange/banks/foreign/):
// each comes in with its exact texts, answers and keys, or is refused with
// its reason; hostile packages are refused before anything is unpacked.

#include "tests/interchange/BankTestSupport.h"

#include "interchange/BankPackage.h"

#include <gmock/gmock.h>

using namespace banktest;

namespace
{

wxString foreign(const wxString& name)
{
    return bankPath("foreign/" + name);
}

// The report's lines after its summary.
std::vector<wxString> reportLines(const CImportReport& report)
{
    std::vector<wxString> lines;
    for (const CImportReport::SEntry& entry : report.entries())
        lines.push_back(report.entryText(entry));
    return lines;
}

} // namespace

// Pasted together: no blank lines, CRLF and LF mixed, tabs and no-break
// spaces after the letters, "Answer:" in mixed case, no final newline; named
// .txt and told by its content.
TEST(ForeignBanks, AikenAsPasted)
{
    const SImport bank = importPath(foreign("aiken-pasted.txt"));
    ASSERT_EQ(bank.questions.size(), 3u) << bank.report.toText().utf8_string();
    expectQuestion(&bank.questions[0].m_question, kSingle, "Which planet is closest to the Sun?",
                   {"Venus", "Mercury", "Mars"}, {1});
    expectQuestion(&bank.questions[1].m_question, kSingle, "What is the largest moon of Saturn?",
                   {"Titan", "Rhea"}, {0});
    expectQuestion(&bank.questions[2].m_question, kSingle, "Which gas makes up most of the Sun?",
                   {"Hydrogen", "Helium"}, {0});
    EXPECT_EQ(reportLines(bank.report).back(),
              "aiken-pasted.txt, line 14, \"How many planets have rings?\": refused: ANSWER: B, D names "
              "several answers; Aiken questions have one");
}

// Format markers on the question, the answers and the feedback decide how
// each text is read and never reach the taker; several "=" answers make a
// one-answer question with more than one right answer, which is refused.
TEST(ForeignBanks, GiftWithFormatMarkers)
{
    for (const wxString name : {"gift-markers.gift", "gift-named-txt.txt"})
    {
        SCOPED_TRACE(name.utf8_string());
        const SImport bank = importPath(foreign(name));
        ASSERT_EQ(bank.questions.size(), 3u) << bank.report.toText().utf8_string();
        expectQuestion(bank, "Marked answers", kSingle, "Which colour is the Sun?",
                       {"white", "green", "*blue*"}, {0}, "Seen from space it is white.");
        expectQuestion(bank, "Marked plain question", kSingle, "Is <b> a tag?", {"Yes", "No"}, {0});
        EXPECT_EQ(
            reportLines(bank.report),
            (std::vector<wxString>{
                name + ", line 2: note: bank category not kept: $course$/top/Astronomy",
                name + ", line 4, \"Marked answers\": changed: HTML reduced to text (b, i dropped)",
                name + ", line 11, \"Marked plain question\": changed: answer feedback dropped",
                name + ", line 16, \"Several right\": refused: answers A and B are each fully right, but "
                       "only one answer may be chosen: a one-answer question cannot hold that key",
                name + ", line 22, \"Picture question\": changed: pictures and media dropped: "
                       "@@PLUGINFILE@@/moon.png"}));
    }
}

// Without <single> a multiple-choice question is a one-answer question, so
// two answers at 100% cannot be held; pictures embedded in the file are named.
TEST(ForeignBanks, MoodleXmlDefaults)
{
    const SImport bank = importPath(foreign("moodle-defaults.xml"));
    ASSERT_EQ(bank.questions.size(), 1u) << bank.report.toText().utf8_string();
    expectQuestion(bank, "Default single", kSingle, "Which planet is red?", {"Mars", "Venus"}, {0},
                   "Iron oxide.");
    EXPECT_THAT(
        reportLines(bank.report),
        testing::IsSupersetOf(std::vector<wxString>{
            "moodle-defaults.xml, line 8, \"Two full marks\": refused: answers A and C are each fully "
            "right, but only one answer may be chosen: a one-answer question cannot hold that key",
            "moodle-defaults.xml, line 22, \"Default single\": changed: pictures and media dropped: "
            "@@PLUGINFILE@@/mars.jpg"}));
}

TEST(ForeignBanks, CsvOfTheOtherLayout)
{
    const SImport bank = importPath(foreign("other-layout.csv"));
    EXPECT_EQ(titles(bank), (std::vector<wxString>{"Closest planet", "Gas giants", "Comma, quoted"}));
    expectQuestion(bank, "Closest planet", kSingle, "Which planet is closest to the Sun?",
                   {"Venus", "Mercury", "Mars", "Earth"}, {1});
    expectQuestion(bank, "Gas giants", kMultiple, "Which are gas giants?",
                   {"Jupiter", "Mars", "Saturn", "Venus"}, {0, 2});
    EXPECT_EQ(reportLines(bank.report).back(),
              "other-layout.csv, line 5, \"No key\": refused: it has no correct answer");

    // Saved as .txt by a spreadsheet, with a byte order mark: told by its header.
    const SImport asText = importBytes("\xEF\xBB\xBF" + evtest::readFile(foreign("other-layout.csv")),
                                       CQuestionImporter::eDetect, "export.txt");
    EXPECT_EQ(titles(asText), titles(bank));
}

// A content package as downloaded: items in the manifest's order, keys from
// the correct response, the score mapping or the response processing; the
// picture beside an item stays packed and is reported for its question; the
// archive inside the package is not opened.
TEST(ForeignBanks, QtiContentPackages)
{
    const SImport bank = importPath(foreign("qti21-package.zip"));
    EXPECT_EQ(titles(bank),
              (std::vector<wxString>{"Blue marble", "Mapped score", "Custom match", "Custom multiple"}));
    expectQuestion(bank, "Custom match", kSingle, "Which planet is the hottest?",
                   {"Mercury", "Venus", "Mars"}, {1});
    expectQuestion(bank, "Custom multiple", kMultiple, "Which planets have moons?",
                   {"Mercury", "Earth", "Mars", "Venus"}, {1, 2});
    const wxString package = "qti21-package.zip/";
    EXPECT_EQ(
        reportLines(bank.report),
        (std::vector<wxString>{
            package + "extra/old-items.zip: note: not read: archives inside a package are not opened",
            package + "items/picture.xml, item \"picture\", \"Blue marble\": changed: pictures and media "
                      "dropped: ../images/earth.png",
            package + "items/match-correct.xml, item \"match-correct\", \"Lost key\": refused: it has no "
                      "correct answer: its response processing (match_correct) compares the response "
                      "with a correct response the item does not give",
            package + "items/map-response.xml, item \"map-response\", \"Mapped score\": imported",
            package + "items/custom-match.xml, item \"custom-match\", \"Custom match\": imported",
            package + "items/custom-multiple.xml, item \"custom-multiple\", \"Custom multiple\": imported"}));

    const SImport version3 = importPath(foreign("qti30-package.zip"));
    ASSERT_EQ(version3.questions.size(), 1u) << version3.report.toText().utf8_string();
    expectQuestion(&version3.questions[0].m_question, kSingle, "Which planet is the coldest?",
                   {"Uranus", "Mercury"}, {0});
}

TEST(ForeignBanks, GiftZippedWithItsMedia)
{
    const SImport bank = importPath(foreign("gift-with-media.zip"));
    EXPECT_EQ(titles(bank), (std::vector<wxString>{"Moon picture", "Plain one"}));
    EXPECT_EQ(reportLines(bank.report).front(),
              "gift-with-media.zip/astronomy/questions.gift, line 1, \"Moon picture\": changed: pictures and "
              "media dropped: @@PLUGINFILE@@/media/moon.png");
}

// Each hostile package is refused whole, by its central directory, with
// nothing of it unpacked or read.
TEST(ForeignBanks, HostilePackagesAreRefusedBeforeUnpacking)
{
    // The end record of a package's directory that counts one file too many.
    std::string many("PK\x05\x06\0\0\0\0", 8);
    const unsigned count = CBankPackage::kMaxFiles + 1;
    for (int twice = 0; twice < 2; ++twice)
        many += {static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)};
    many += std::string(10, '\0');
    const struct
    {
        const char* m_name;
        std::string m_bytes;
        const char* m_reason;
    } hostile[] = {
        {"hostile-dotdot.zip", "", "the package names a file outside itself (../../outside.gift)"},
        {"hostile-absolute.zip", "", "the package names a file by an absolute path (/etc/evalon.gift)"},
        {"hostile-bomb.zip", "", "the package unpacks to 2147483647 bytes, more than the 256 MiB allowed"},
        {"many.zip", many, "the package holds 20001 files, more than the 20000 allowed"},
        {"cut.zip", evtest::readFile(foreign("gift-with-media.zip")).substr(0, 60),
         "the package is damaged: it has no central directory"},
    };
    for (const auto& package : hostile)
    {
        SCOPED_TRACE(package.m_name);
        const SImport bank = package.m_bytes.empty()
                                 ? importPath(foreign(package.m_name))
                                 : importBytes(package.m_bytes, CQuestionImporter::eDetect, package.m_name);
        EXPECT_EQ(reportLines(bank.report),
                  std::vector<wxString>{wxString(package.m_name) + ": refused: " + package.m_reason});
    }
}
