// The sample banks of every format: what is imported and how it maps, what
// changes on the way and is reported, and every refusal with its place and
// reason.

#include "tests/interchange/BankTestSupport.h"

using namespace banktest;

namespace
{

void expectEntry(const CImportReport& report, const wxString& title, CImportReport::eKind kind,
                 const wxString& messagePart = wxString(), unsigned line = 0)
{
    const CImportReport::SEntry* entry = entryTitled(report, title);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->m_kind, kind) << title.utf8_string() << ": " << entry->m_message.utf8_string();
    EXPECT_TRUE(entry->m_message.Contains(messagePart))
        << title.utf8_string() << ": \"" << entry->m_message.utf8_string() << "\" lacks \""
        << messagePart.utf8_string() << "\"";
    if (line > 0)
    {
        EXPECT_EQ(entry->m_source.m_line, line) << title.utf8_string();
    }
}

void expectRefused(const CImportReport& report, const wxString& title, const wxString& why, unsigned line = 0)
{
    expectEntry(report, title, CImportReport::eRefused, why, line);
}

} // namespace

TEST(SampleBanks, Gift)
{
    const SImport bank = importPath(bankPath("astronomy.gift"));
    const CImportReport& report = bank.report;
    EXPECT_EQ(titles(bank),
              (std::vector<wxString>{"Closest planet", "Gas giants", "Sun is a star", "Red planet",
                                     wxString::FromUTF8("Größter Mond"), "Escapes", "Partial credit"}));

    expectQuestion(bank, "Closest planet", kSingle, "Which planet is closest to the Sun?",
                   {"Venus", "Mercury", "Mars"}, {1}, "Mercury orbits at about 0.39 AU.");
    expectQuestion(bank, "Sun is a star", kTrueFalse, "The Sun is a star.", {"True", "False"}, {0},
                   "A yellow dwarf.");
    expectQuestion(bank, "Red planet", kSingle, "Which planet is called the red planet?",
                   {"Mars", wxString::FromUTF8("Jupiter\u00A0& Io")}, {0});
    expectQuestion(bank, "Partial credit", kSingle, "Which is the best telescope site?",
                   {"Mauna Kea", "A hill", "A city centre"}, {0});
    expectEntry(report, "Partial credit", CImportReport::eChanged, "answer A is kept as right, B not");

    expectRefused(report, "Moon essay", "it has no answers (an essay question)", 45);
    expectRefused(report, "Largest planet", "a short-answer question", 47);
    expectRefused(report, "Planet count", "a numerical question", 49);
    expectRefused(report, "Moons and planets", "a matching question", 51);
    expectRefused(report, "No right answer", "it has no correct answer", 56);
    expectRefused(report, "Too many answers", "it has 11 answers; a question holds at most 10", 61);
    expectRefused(report, "The solar system has eight planets.", "a description", 66);
    expectRefused(report, "Unclosed", "not closed with }", 68);
    EXPECT_EQ(report.entries().front().m_message, "bank category not kept: $course$/Astronomy");
    EXPECT_TRUE(report.toText().StartsWith("7 questions imported (3 of them changed), 8 refused.\n"))
        << report.toText().utf8_string();
}

TEST(SampleBanks, MoodleXml)
{
    const SImport bank = importPath(bankPath("astronomy-moodle.xml"));
    const CImportReport& report = bank.report;
    EXPECT_EQ(titles(bank), (std::vector<wxString>{"Closest planet", "Gas giants", "Sun is a star",
                                                   "Red planet", wxString::FromUTF8("Größter Mond")}));
    expectEntry(report, "Gas giants", CImportReport::eChanged, "weights mapped");
    expectEntry(report, "Gas giants", CImportReport::eChanged, "feedback for right, partly right and wrong");
    // Moodle lists false first: the mapping puts our order back.
    expectQuestion(bank, "Sun is a star", kTrueFalse, "The Sun is a star.", {"True", "False"}, {0},
                   "A yellow dwarf.");
    expectQuestion(bank, "Red planet", kSingle, "Which planet is called the red planet?",
                   {"Mars", "Jupiter & Io"}, {0});
    expectEntry(report, "Red planet", CImportReport::eChanged, "HTML reduced to text (em, strong dropped)");
    expectEntry(report, "Red planet", CImportReport::eChanged, "hints dropped");
    expectQuestion(
        bank, wxString::FromUTF8("Größter Mond"), kSingle,
        wxString::FromUTF8("Wie heißt der größte Mond des Saturn? 土星 🪐\nZweite Zeile <kein HTML>"),
        {"Titan", "Europa"}, {0}, wxString::FromUTF8("Τιτάν"));

    expectRefused(report, "Largest planet", "a question of type \"shortanswer\", not multiple choice", 71);
    EXPECT_EQ(report.count(CImportReport::eRefused), 5u);
}

TEST(SampleBanks, Qti21FolderInManifestOrder)
{
    const SImport bank = importPath(bankPath("qti21"));
    const CImportReport& report = bank.report;
    EXPECT_EQ(titles(bank), (std::vector<wxString>{"Closest planet", "Gas giants", "Sun is a star",
                                                   "Red planet", wxString::FromUTF8("Größter Mond")}));
    // No correct response: the score mapping names the right choice.
    expectQuestion(bank, "Red planet", kSingle, "Which planet is called the red planet?", {"Mars", "Jupiter"},
                   {0});
    expectEntry(report, "Red planet", CImportReport::eChanged, "feedback for particular responses dropped");
    expectQuestion(bank, wxString::FromUTF8("Größter Mond"), kSingle,
                   wxString::FromUTF8(
                       "Wie heißt der größte Mond des Saturn? 土星 🪐\nZweite Zeile & <kein HTML>"),
                   {"Titan", "Europa"}, {0}, wxString::FromUTF8("Τιτάν\nEuropa orbits Jupiter."));
    expectEntry(report, wxString::FromUTF8("Größter Mond"), CImportReport::eChanged,
                "2 feedbacks joined into the reference text");

    expectRefused(report, "Largest planet", "a textEntryInteraction item, not multiple choice");
    EXPECT_EQ(entryTitled(report, "Too many answers")->m_source.m_file, "qti21/items/too-many.xml");
    EXPECT_EQ(report.count(CImportReport::eRefused), 3u) << report.toText().utf8_string();
}

TEST(SampleBanks, Qti30FolderInNaturalOrder)
{
    const SImport bank = importPath(bankPath("qti30"));
    EXPECT_EQ(titles(bank), (std::vector<wxString>{"Closest planet", "Gas giants"}));
    expectEntry(bank.report, "Closest planet", CImportReport::eChanged, "HTML reduced to text (em dropped)");
    expectRefused(bank.report, "No choices", "it has no answers");
}

TEST(SampleBanks, Aiken)
{
    const SImport bank = importPath(bankPath("astronomy.txt"));
    const CImportReport& report = bank.report;
    EXPECT_EQ(bank.questions.size(), 3u);
    EXPECT_EQ(report.count(CImportReport::eRefused), 4u);
    expectRefused(report, "Which planet has the most moons?", "ANSWER: D names no answer", 12);
    expectRefused(report, "Is there an answer line?", "it has no ANSWER: line", 37);
}

TEST(SampleBanks, Csv)
{
    const SImport bank = importPath(bankPath("astronomy.csv"));
    const CImportReport& report = bank.report;
    // Several correct letters and no category: a several-answer question.
    expectQuestion(bank, "Which moons are Galilean?", kMultiple, "Which moons are Galilean?",
                   {"Io", "Europa", "Titan"}, {0, 2});

    expectRefused(report, "Describe the Moon.", "unknown category \"Essay\"", 10);
    EXPECT_EQ(report.count(CImportReport::eRefused), 4u);
    expectRefused(report, "Name the largest planet.", "it has no answers", 12);
    expectRefused(report, "Which planet is red?", "the correct letters \"1\" are not letters", 13);
    EXPECT_EQ(report.entries().front().m_message,
              "column \"Points\" is not one of ours: its values are not kept");
}
