// Our questions written to each format and read back: exact for every field
// the format carries, and what it cannot carry named in the export report.

#include "tests/interchange/BankTestSupport.h"

#include "external/data/AssessmentMgr.h"
#include "interchange/QuestionExporter.h"

#include <wx/dir.h>
#include <wx/xml/xml.h>

using namespace banktest;

namespace
{

// Questions that use every field, every category and every character the
// formats treat specially.
std::vector<CQuestionData> richQuestions()
{
    return {
        makeQuestion(kSingle, "Which planet is closest to the Sun?", {"Venus", "Mercury", "Mars", "Earth"},
                     {1}, "Mercury orbits at 0.39 AU."),
        makeQuestion(kMultiple,
                     wxString::FromUTF8("Welche Zeichen? {}~=#:\\ <b>bold</b> & \"quoted\", 50% – 日本語 😀\n"
                                        "Zweite Zeile"),
                     {"a, b; c", "#hash", "~tilde", "=equals", "::colons::", "<i>", "&amp;",
                      wxString::FromUTF8("Ünïcödé"), "line\nbreak", "last"},
                     {0, 3, 9}, "Seite 12\nKapitel 3 [html]"),
        makeQuestion(kTrueFalse, "The Sun is a star.", {"True", "False"}, {1}),
        makeQuestion(kMultiple, "Which one is a dwarf planet?", {"Mars", "Venus", "Pluto"}, {2}),
        makeQuestion(kSingle, "[plain] Bracketed start", {"Yes", "No"}, {0}),
    };
}

void fillAssessment(CAssessmentMgr* assessment, const std::vector<CQuestionData>& questions)
{
    for (size_t index = 0; index < questions.size(); ++index)
    {
        CQuestionData question = questions[index];
        question.setFileNameReference(wxString::Format("/bank/q%u.itm", static_cast<unsigned>(index + 1)));
        CAssessmentMgrData entry(assessment->getQuestionDataMgr()->addQuestion(question));
        assessment->addData(entry);
    }
}

class RoundTripTest : public evtest::CTempDirTest,
                      public ::testing::WithParamInterface<CQuestionExporter::eFormat>
{
protected:
    wxString outputPath() const
    {
        const wxString extension = CQuestionExporter::extension(GetParam());
        return path(extension.empty() ? wxString("out") : "out." + extension);
    }

    // Exports the questions and reads the result back.
    SImport roundTrip(const std::vector<CQuestionData>& questions)
    {
        CAssessmentMgr assessment;
        fillAssessment(&assessment, questions);
        CQuestionExporter exporter(&m_exportReport);
        EXPECT_TRUE(exporter.write(&assessment, GetParam(), outputPath()));
        return importPath(outputPath());
    }

    CImportReport m_exportReport{CImportReport::eExport};
};

} // namespace

TEST_P(RoundTripTest, EveryFieldComesBackExactly)
{
    const std::vector<CQuestionData> questions = richQuestions();
    const SImport back = roundTrip(questions);
    EXPECT_EQ(m_exportReport.count(CImportReport::eChanged), 0u) << m_exportReport.toText().utf8_string();
    EXPECT_EQ(back.report.count(CImportReport::eChanged), 0u) << back.report.toText().utf8_string();
    ASSERT_EQ(back.questions.size(), questions.size()) << back.report.toText().utf8_string();
    for (size_t index = 0; index < questions.size(); ++index)
    {
        const CQuestionData& read = back.questions[index].m_question;
        EXPECT_EQ(read, questions[index])
            << "question " << index + 1 << ": " << read.getQuestion().utf8_string();
        if (GetParam() != CQuestionExporter::eCsv) // formats with titles carry the question file's name
        {
            EXPECT_EQ(back.questions[index].m_source.m_title, wxString::Format("q%u", unsigned(index + 1)));
        }
    }
}

TEST_P(RoundTripTest, WhatTheFormatCannotKeepIsReported)
{
    // Blanks: GIFT trims its texts, QTI's HTML collapses runs of them and
    // takes a carriage return for one. A single-answer question answered True
    // or False reads back as true/false, except where the category is written
    // down. No question file (nor XML) holds a bell: it is left out on reading
    // back from every format.
    const SImport back = roundTrip({makeQuestion(kSingle, "  Padded  text  ", {"Yes", "No"}, {0}),
                                    makeQuestion(kSingle, "Is it?", {"True", "False"}, {1}),
                                    makeQuestion(kSingle, "Line\r\nbreak", {"bell\a", "b"}, {0})});
    const bool qti = GetParam() == CQuestionExporter::eQti21 || GetParam() == CQuestionExporter::eQti30;
    const bool keepsBlanks =
        GetParam() == CQuestionExporter::eMoodleXml || GetParam() == CQuestionExporter::eCsv;
    const bool keepsCategory = GetParam() == CQuestionExporter::eCsv;
    const wxString notKept = CQuestionExporter::formatLabel(GetParam()) + " does not keep exactly: ";
    const std::vector<CImportReport::SEntry>& entries = m_exportReport.entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].m_kind, keepsBlanks ? CImportReport::eImported : CImportReport::eChanged);
    EXPECT_EQ(entries[0].m_message, keepsBlanks ? wxString() : notKept + "question text");
    EXPECT_EQ(entries[1].m_message, keepsCategory ? wxString() : notKept + "category");
    EXPECT_EQ(entries[2].m_message, notKept + (qti ? "question text, answer A" : "answer A"));
    ASSERT_EQ(back.questions.size(), 3u);
    EXPECT_EQ(back.questions[1].m_question.getCategoryType(), keepsCategory ? kSingle : kTrueFalse);
    EXPECT_EQ(back.questions[2].m_question.getQuestion() == "Line\r\nbreak", !qti);
}

TEST_P(RoundTripTest, QuestionsNoBankCanHoldAndPlacesNotWritableAreRefused)
{
    const SImport back = roundTrip({makeQuestion(kSingle, "No answers", {}, {}),
                                    makeQuestion(kSingle, "None right", {"a", "b"}, {}),
                                    makeQuestion(kSingle, "Fine", {"a", "b"}, {1})});
    EXPECT_TRUE(m_exportReport.toText().StartsWith(
        "1 question exported, 2 refused.\nitem \"entry 1\", \"q1\": refused: it has no answers\n"
        "item \"entry 2\", \"q2\": refused: it has no correct answer\n"))
        << m_exportReport.toText().utf8_string();
    ASSERT_EQ(back.questions.size(), 1u);
    EXPECT_EQ(back.questions[0].m_question.getQuestion(), "Fine");

    writeFile("file", "a file, not a folder");
    CAssessmentMgr assessment;
    fillAssessment(&assessment, {makeQuestion(kSingle, "Fine", {"a", "b"}, {1})});
    CImportReport unwritten(CImportReport::eExport);
    EXPECT_FALSE(CQuestionExporter(&unwritten).write(&assessment, GetParam(), path("file/out")));
    EXPECT_EQ(unwritten.count(CImportReport::eRefused), 1u);
    EXPECT_TRUE(unwritten.entries()[0].m_message.StartsWith("not written: " + path("file/out")));
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTripTest,
                         ::testing::Values(CQuestionExporter::eGift, CQuestionExporter::eMoodleXml,
                                           CQuestionExporter::eQti21, CQuestionExporter::eQti30,
                                           CQuestionExporter::eCsv),
                         [](const ::testing::TestParamInfo<CQuestionExporter::eFormat>& info)
                         { return CQuestionExporter::formatKey(info.param).utf8_string(); });

using QtiPackageTest = evtest::CTempDirTest;

// A QTI export is a folder of items in the version's own names and
// namespace, listed in order by a content package manifest.
TEST_F(QtiPackageTest, ItemsAndManifestOfEachVersion)
{
    CAssessmentMgr assessment;
    fillAssessment(&assessment, richQuestions());
    const struct
    {
        CQuestionExporter::eFormat m_format;
        const char* m_root;
        const char* m_namespace;
        const char* m_type;
    } versions[] = {{CQuestionExporter::eQti21, "assessmentItem", "http://www.imsglobal.org/xsd/imsqti_v2p1",
                     "imsqti_item_xmlv2p1"},
                    {CQuestionExporter::eQti30, "qti-assessment-item",
                     "http://www.imsglobal.org/xsd/imsqtiasi_v3p0", "imsqti_item_xmlv3p0"}};
    for (const auto& version : versions)
    {
        const wxString folder = path(CQuestionExporter::formatKey(version.m_format));
        CImportReport report(CImportReport::eExport);
        ASSERT_TRUE(CQuestionExporter(&report).write(&assessment, version.m_format, folder));
        wxArrayString files;
        wxDir::GetAllFiles(folder, &files);
        EXPECT_EQ(files.size(), 6u);
        wxXmlDocument item(folder + "/item-002.xml");
        ASSERT_TRUE(item.IsOk());
        EXPECT_EQ(item.GetRoot()->GetName(), version.m_root);
        EXPECT_EQ(item.GetRoot()->GetAttribute("xmlns"), version.m_namespace);
        // The order of the manifest is checked by the round trip.
        const std::string manifest = evtest::readFile(folder + "/imsmanifest.xml");
        EXPECT_NE(manifest.find(std::string("type=\"") + version.m_type + "\""), std::string::npos)
            << manifest;
    }
}
