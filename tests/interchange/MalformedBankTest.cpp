// Damaged banks of every format: each gives a report that says what is wrong
// and where, never a crash.

#include "tests/interchange/BankTestSupport.h"

using namespace banktest;

namespace
{

struct SDamaged
{
    const char* m_name;
    CQuestionImporter::eFormat m_format;
    std::string m_bytes;
    const char* m_reason; // part of the refusal
};

const SDamaged kDamaged[] = {
    {"gift-title", CQuestionImporter::eGift, "::A Which?{=a ~b}", "the title is not closed with ::"},
    {"gift-weight", CQuestionImporter::eGift, "Which?{~%abc%a ~b}", "weight of answer A is not a number"},
    {"gift-junk", CQuestionImporter::eGift, "Which?{ junk =a ~b}", "does not start with = or ~"},
    {"gift-not-utf8", CQuestionImporter::eGift, "Which?{=caf\xe9 ~b}", "not UTF-8 text"},
    {"moodle-root", CQuestionImporter::eMoodleXml, "<html><body/></html>", "the root element is <html>"},
    {"moodle-fraction", CQuestionImporter::eMoodleXml,
     "<quiz><question type=\"multichoice\"><answer "
     "fraction=\"lots\"><text>a</text></answer></question></quiz>",
     "fraction \"lots\" is not a number"},
    {"moodle-type", CQuestionImporter::eMoodleXml,
     "<quiz><question><name><text>x</text></name></question></quiz>", "the question has no type"},
    {"qti-root", CQuestionImporter::eQti, "<assessmentTest identifier=\"t\"/>", "not a QTI item"},
    {"qti-deep", CQuestionImporter::eQti,
     []
     {
         std::string item = "<assessmentItem><itemBody>";
         for (int depth = 0; depth < 200; ++depth)
             item += "<div>";
         return item;
     }(),
     "elements nested more than 100 deep"},
    {"qti-no-body", CQuestionImporter::eQti, "<qti-assessment-item identifier=\"x\"/>",
     "it has no item body"},
    {"qti-no-declaration", CQuestionImporter::eQti,
     "<assessmentItem><itemBody><choiceInteraction responseIdentifier=\"R\"><simpleChoice identifier=\"A\">a"
     "</simpleChoice></choiceInteraction></itemBody></assessmentItem>",
     "no response declaration"},
    {"qti-two-interactions", CQuestionImporter::eQti,
     "<assessmentItem><itemBody><choiceInteraction/><choiceInteraction/></itemBody></assessmentItem>",
     "it has 2 interactions"},
    {"aiken-answer-only", CQuestionImporter::eAiken, "Which?\nANSWER:\n", "ANSWER: names no letter"},
    {"csv-unclosed-quote", CQuestionImporter::eCsv, "Question,A,B,Correct\r\n\"Which?,a,b,A\r\n",
     "a quoted field is not closed"},
    {"csv-after-quote", CQuestionImporter::eCsv, "Question,A,B,Correct\n\"Which\"?,a,b,A\n",
     "text follows the closing quote"},
    {"csv-no-header", CQuestionImporter::eCsv, "Which?,a,b,A\n", "not the header of our columns"},
    {"csv-letter", CQuestionImporter::eCsv, "Question,A,B,Correct\nWhich?,a,b,C\n",
     "the correct letter C names no answer"},
    {"moodle-line", CQuestionImporter::eMoodleXml, "<quiz>\n<question type=\"multichoice\">\n</quiz>\n",
     "not well-formed XML: 'mismatched tag' at line 3"},
    {"notes.txt", CQuestionImporter::eDetect, "just some words\n",
     "notes.txt: refused: the format cannot be told: the banks read are GIFT (*.gift;*.txt), Moodle XML "
     "(*.xml), QTI item or package (*.xml;*.zip), Aiken (*.txt), CSV (*.csv), or a zip of them"},
};

} // namespace

TEST(MalformedBank, GivesAReportNotACrash)
{
    for (const SDamaged& damaged : kDamaged)
    {
        SCOPED_TRACE(damaged.m_name);
        const SImport bank = importBytes(damaged.m_bytes, damaged.m_format, damaged.m_name);
        EXPECT_TRUE(bank.questions.empty());
        EXPECT_EQ(bank.report.count(CImportReport::eRefused), 1u) << bank.report.toText().utf8_string();
        const wxString text = bank.report.toText();
        EXPECT_TRUE(text.Contains("\n" + wxString(damaged.m_name))) << text.utf8_string();
        EXPECT_TRUE(text.Contains(damaged.m_reason)) << text.utf8_string();
    }
}

// A bank may hold characters a question file cannot (NUL, other controls):
// the question comes in without them, as it would be saved, and says so.
TEST(ControlCharacters, AreLeftOutOnImportAndReported)
{
    const std::string aiken("Which\x01 planet?\nA. Ve\0nus\nB. Mars\x1f\nANSWER: B\n", 44);
    const SImport bank = importBytes(aiken, CQuestionImporter::eAiken, "controls.txt");
    ASSERT_EQ(bank.questions.size(), 1u) << bank.report.toText().utf8_string();
    expectQuestion(&bank.questions[0].m_question, kSingle, "Which planet?", {"Venus", "Mars"}, {1});
    EXPECT_TRUE(bank.report.toText().Contains("control characters left out"))
        << bank.report.toText().utf8_string();
}
