// Question, assessment and list files: read back exactly, malformed ones
// refused with the file and the reason, failed writes leaving the old file.

#include "tests/support/WxTest.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "external/data/AssessmentsMgr.h"
#include "external/data/QuestionDataSerializer.h"

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace
{
CQuestionData sampleQuestion(int category, const wxString& file)
{
    CQuestionData question;
    question.setCategoryType(category);
    question.setQuestion(
        wxString::FromUTF8("Welche Zahl? – 日本語 😀\nSecond line\r\nThird <b> & \"quoted\""));
    question.setReferenceText(category == 0 ? wxString() : wxString("  padded reference  "));
    question.setFileNameReference(file);
    question.setNumAnswers(category == 0 ? 2 : 10);
    for (unsigned i = 0; i < CQuestionData::kMaxAnswers; ++i)
        question.setAnswer(i, wxString::Format("Answer %u\n\tindented", i));
    question.setAnswer(3, " "); // whitespace only
    question.setAnswer(4, "");  // none
    question.setAnswer(9, "ß"); // beyond nothing
    wxArrayInt correct;
    correct.Add(category == 2 ? 9 : 1);
    if (category == 2)
        correct.Add(0);
    question.setCorrectAnswerIndexes(&correct);
    if (category == 2)
        question.setAnswerPinned(9, true); // "None of these" stays last
    return question;
}
} // namespace

class FileTest : public evtest::CTempDirTest
{
protected:
    // An assessment of three entries in "a/", two question files below it and
    // one elsewhere, with every attribute changed from its default.
    void fillAssessment(CAssessmentMgr* assessment)
    {
        CQuestionDataMgr* questions = assessment->getQuestionDataMgr();
        ASSERT_TRUE(questions->insertQuestion(7, sampleQuestion(0, path("a/q/seven.itm"))));
        CQuestionData other = sampleQuestion(2, path("elsewhere/two.itm"));
        ASSERT_TRUE(questions->insertQuestion(2, other));
        for (int id : {7, 2, 7})
        {
            CAssessmentMgrData entry(id);
            ASSERT_TRUE(assessment->addData(entry));
        }
        CEVFontInfo* font = assessment->getAttributes()->getFontInfo();
        font->setFontFaceName(wxString::FromUTF8("DejaVu Serif Ä"));
        font->setFontSize(33);
        font->setStyle(true, false, true);
        font->setFontColour(wxColour(0x12, 0x34, 0x56));
        CEVImageSelections* images = assessment->getAttributes()->getImageSelections();
        images->getImageSelectionsInfoFor(CEVImageSelections::eQuestionBackground)
            ->setRelativePath("img/back.jpg");
        images->getImageSelectionsInfoFor(CEVImageSelections::eSubmitHot)
            ->setRelativePath("/abs/submit hot.png");
        wxFileName::Mkdir(path("a/q"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
        wxFileName::Mkdir(path("elsewhere"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    }
};

TEST_F(FileTest, QuestionFilesReadBackExactlyInEveryCategory)
{
    for (int category = 0; category < static_cast<int>(CQuestionData::kNumCategoryTypes); ++category)
    {
        SCOPED_TRACE(category);
        const wxString file = path(wxString::Format("q%d.itm", category));
        CQuestionData written = sampleQuestion(category, file);
        CQuestionDataSerializer writer(&written, file);
        ASSERT_TRUE(writer.store()) << writer.getLastError();

        CQuestionData read;
        CQuestionDataSerializer reader(&read, file);
        ASSERT_TRUE(reader.load()) << reader.getLastError();
        EXPECT_TRUE(read == written) << evtest::readFile(file);
    }
    // An empty question survives too.
    CQuestionData empty;
    empty.setFileNameReference(path("empty.itm"));
    ASSERT_TRUE(CQuestionDataSerializer(&empty, path("empty.itm")).store());
    CQuestionData read = sampleQuestion(1, "x");
    ASSERT_TRUE(CQuestionDataSerializer(&read, path("empty.itm")).load());
    EXPECT_TRUE(read == empty);
}

TEST_F(FileTest, AssessmentReadsBackWithItsQuestionsAndRelativeQuestionPaths)
{
    CAssessmentMgr written;
    fillAssessment(&written);
    CAssessmentSerializer writer(&written, path("a/test.eva"));
    ASSERT_TRUE(writer.storeWithQuestions()) << writer.getLastError();

    const std::string text = evtest::readFile(path("a/test.eva"));
    EXPECT_EQ(wxString::FromUTF8(text), CAssessmentSerializer::toText(written, path("a/test.eva")));
    EXPECT_NE(text.find("encoding=\"UTF-8\""), std::string::npos) << text;
    EXPECT_NE(text.find("file=\"q/seven.itm\""), std::string::npos) << text;
    EXPECT_NE(text.find("file=\"" + path("elsewhere/two.itm").utf8_string() + "\""), std::string::npos)
        << text;

    // Loaded from another working directory, into an assessment that had content.
    wxSetWorkingDirectory(path("elsewhere"));
    CAssessmentMgr read;
    fillAssessment(&read);
    read.getAttributes()->getFontInfo()->setFontSize(5);
    CAssessmentSerializer reader(&read, path("a/test.eva"));
    ASSERT_TRUE(reader.load()) << reader.getLastError();

    EXPECT_EQ(read.getQuestionDataMgr()->getIDs(), (std::vector<int>{2, 7}));
    for (int id : {2, 7})
        EXPECT_TRUE(*read.getQuestionDataMgr()->getQuestionDataForID(id) ==
                    *written.getQuestionDataMgr()->getQuestionDataForID(id));
    // The same attributes and entries, in the same order.
    EXPECT_EQ(CAssessmentSerializer::toText(read, path("a/test.eva")), wxString::FromUTF8(text));
    // Image paths resolve against the working directory at load time.
    EXPECT_EQ(read.getAttributes()
                  ->getImageSelections()
                  ->getImageSelectionsInfoFor(CEVImageSelections::eQuestionBackground)
                  ->getAbsolutePath(),
              path("elsewhere/img/back.jpg"));
}

TEST_F(FileTest, AMissingQuestionFileStopsLoadButNotLoadPartially)
{
    CAssessmentMgr written;
    fillAssessment(&written);
    ASSERT_TRUE(CAssessmentSerializer(&written, path("a/test.eva")).storeWithQuestions());
    ASSERT_TRUE(wxRemoveFile(path("a/q/seven.itm")));

    CAssessmentMgr read;
    CAssessmentSerializer reader(&read, path("a/test.eva"));
    EXPECT_FALSE(reader.load());
    EXPECT_EQ(read.getCount(), 0u);

    std::vector<CAssessmentSerializer::SUnreadable> unreadable;
    ASSERT_TRUE(reader.loadPartially(&unreadable)) << reader.getLastError();
    EXPECT_EQ(reader.getLastError(), "");
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_EQ(wxString::Format("%d %s", unreadable[0].questionID, unreadable[0].file), "7 q/seven.itm");
    EXPECT_TRUE(unreadable[0].reason.StartsWith(path("a/q/seven.itm") + ": ")) << unreadable[0].reason;
    ASSERT_EQ(read.getCount(), 3u);
    EXPECT_TRUE(*read.getQuestionDataMgr()->getQuestionDataForID(7) ==
                CAssessmentSerializer::placeholderFor("q/seven.itm", path("a/q/seven.itm")));

    // The placeholder is not written over the author's file; the entries stay.
    reader.setQuestionsNotWritten({7});
    ASSERT_TRUE(reader.storeWithQuestions()) << reader.getLastError();
    EXPECT_FALSE(wxFileExists(path("a/q/seven.itm")));
    EXPECT_EQ(CAssessmentSerializer::toText(read, path("a/test.eva")),
              CAssessmentSerializer::toText(written, path("a/test.eva")));
}

// A file without delivery options stays a version 1 file, as older programs
// read it; one with them is version 2 and reads them back, a pass mark of 0
// apart from none.
TEST_F(FileTest, DeliveryOptionsReadBackAndAFileWithoutThemStaysVersionOne)
{
    CDeliveryOptions everything;
    everything.setShuffleQuestions(true);
    everything.setShuffleAnswers(true);
    everything.setTimeLimitMinutes(1440);
    everything.setAttemptsAllowed(3);
    everything.setPassMark(60);
    CDeliveryOptions zeroPassMark;
    zeroPassMark.setPassMark(0);
    CDeliveryOptions answersOnly;
    answersOnly.setShuffleAnswers(true);
    const std::pair<CDeliveryOptions, const char*> cases[] = {
        {CDeliveryOptions(), "<assessment version=\"1\">"},
        {everything, "<delivery shuffleQuestions=\"true\" shuffleAnswers=\"true\" timeLimitMinutes=\"1440\" "
                     "attemptsAllowed=\"3\" passMark=\"60\"/>"},
        {zeroPassMark, "passMark=\"0\""},
        {answersOnly, "<assessment version=\"2\">"},
    };
    for (const auto& [options, written] : cases)
    {
        SCOPED_TRACE(written);
        CAssessmentMgr assessment;
        fillAssessment(&assessment);
        *assessment.getDeliveryOptions() = options;
        CAssessmentSerializer writer(&assessment, path("a/test.eva"));
        ASSERT_TRUE(writer.storeWithQuestions()) << writer.getLastError();
        const std::string text = evtest::readFile(path("a/test.eva"));
        EXPECT_NE(text.find(written), std::string::npos) << text;
        EXPECT_EQ(text.find("<delivery") == std::string::npos, options.isDefault()) << text;

        CAssessmentMgr read;
        read.getDeliveryOptions()->setTimeLimitMinutes(5); // replaced, also by "none"
        CAssessmentSerializer reader(&read, path("a/test.eva"));
        ASSERT_TRUE(reader.load()) << reader.getLastError();
        EXPECT_TRUE(*read.getDeliveryOptions() == options);
    }
}

TEST_F(FileTest, MalformedFilesAreRefusedWithTheFileAndTheReason)
{
    const std::string question = "<question version=\"1\" category=\"singleAnswer\" numAnswers=\"2\">"
                                 "<text>Q</text><answer index=\"0\">A</answer><correctAnswer index=\"0\"/>"
                                 "</question>";
    auto fontWith = [](const std::string& size, const std::string& bold, const std::string& colour)
    {
        return "<font face=\"F\" size=\"" + size + "\" bold=\"" + bold +
               "\" italic=\"false\" underlined=\"false\" colour=\"" + colour + "\"/>";
    };
    const std::string font = fontWith("20", "false", "#FFFFFF");
    auto assessmentFile = [](const std::string& attributes, const std::string& entries)
    {
        return "<assessment version=\"1\"><attributes>" + attributes + "</attributes><entries>" + entries +
               "</entries></assessment>";
    };
    auto delivery = [&](const std::string& options)
    {
        return "<assessment version=\"2\"><delivery " + options +
               "/><entries><entry questionID=\"1\" file=\"good.itm\"/></entries></assessment>";
    };
    writeFile("good.itm", question);

    const std::string truncated = question.substr(0, question.size() / 2);
    const std::string goodEntry = "<entry questionID=\"1\" file=\"good.itm\"/>";
    const std::string cases[][3] = {
        {"q", "", "the file is empty"},
        {"q", truncated,
         "not a well-formed XML file (truncated or damaged): XML parsing error: 'unclosed token' at line 1"},
        {"q", "<assessment version=\"1\"/>", "the root element is <assessment>, expected <question>"},
        {"q", "<question category=\"trueFalse\" numAnswers=\"2\"/>", "<question> has no version attribute"},
        {"q", "<question version=\"2\" category=\"trueFalse\" numAnswers=\"2\"/>",
         "version \"2\" is not supported (version 1 expected)"},
        {"q", "<question version=\"1\" category=\"essay\" numAnswers=\"2\"/>", "unknown category \"essay\""},
        {"q", "<question version=\"1\" category=\"trueFalse\"/>", "<question> has no numAnswers attribute"},
        {"q", "<question version=\"1\" category=\"trueFalse\" numAnswers=\"11\"/>",
         "<question> numAnswers 11 is outside 0 to 10"},
        {"q", "<question version=\"1\" category=\"trueFalse\" numAnswers=\"x\"/>",
         "<question> numAnswers \"x\" is not a number"},
        {"q",
         "<question version=\"1\" category=\"trueFalse\" numAnswers=\"2\"><answer "
         "index=\"10\">A</answer></question>",
         "<answer> index 10 is outside 0 to 9"},
        {"a", assessmentFile(font, "<entry questionID=\"1\" file=\"missing.itm\"/>"),
         "the file of question 1 cannot be loaded: " + path("missing.itm").utf8_string() +
             ": file not found"},
        {"a", assessmentFile(font, "<entry questionID=\"0\" file=\"good.itm\"/>"),
         "<entry> questionID 0 is outside 1 to 2147483647"},
        {"a", assessmentFile(font, goodEntry + "<entry questionID=\"1\" file=\"other.itm\"/>"),
         "question 1 is given two files: " + path("good.itm").utf8_string() + " and " +
             path("other.itm").utf8_string()},
        {"a", assessmentFile("<image name=\"sky\" path=\"\"/>", goodEntry), "unknown image \"sky\""},
        {"a", assessmentFile(fontWith("20", "yes", "#FFFFFF"), goodEntry),
         "<font> bold \"yes\" is neither true nor false"},
        {"a", assessmentFile(fontWith("20", "false", "nocolour"), goodEntry),
         "<font> colour \"nocolour\" is not a colour"},
        {"l",
         "<assessments version=\"1\"><assessment file=\"x.eva\"/><assessment "
         "file=\"./x.eva\"/></assessments>",
         "lists " + path("x.eva").utf8_string() + " twice"},
        {"l", "<assessments version=\"0\"/>", "version \"0\" is not supported (version 1 expected)"},
        {"a", "<assessment version=\"3\"/>", "version \"3\" is not supported (version 1 to 2 expected)"},
        {"a", delivery("timeLimitMinutes=\"1441\""), "<delivery> timeLimitMinutes 1441 is outside 1 to 1440"},
    };

    for (const auto& row : cases)
    {
        const std::string& kind = row[0];
        SCOPED_TRACE(kind + ": " + row[1]);
        const wxString file = writeFile(kind == "q"   ? "case.itm"
                                        : kind == "a" ? "case.eva"
                                                      : "case.list",
                                        row[1]);
        wxString error;
        if (kind == "q")
        {
            CQuestionData target = sampleQuestion(2, "kept");
            CQuestionDataSerializer reader(&target, file);
            EXPECT_FALSE(reader.load());
            error = reader.getLastError();
            EXPECT_TRUE(target == sampleQuestion(2, "kept"));
        }
        else if (kind == "a")
        {
            CAssessmentMgr target;
            fillAssessment(&target);
            const wxString before = CAssessmentSerializer::toText(target, file);
            CAssessmentSerializer reader(&target, file);
            EXPECT_FALSE(reader.load());
            error = reader.getLastError();
            EXPECT_EQ(CAssessmentSerializer::toText(target, file), before);
        }
        else
        {
            CAssessmentsMgr target;
            target.addExisting("kept.eva");
            EXPECT_FALSE(target.load(file, &error));
            EXPECT_EQ(target.getCount(), 1);
            EXPECT_EQ(target.getListFileName(), "");
        }
        EXPECT_EQ(error, file + ": " + wxString::FromUTF8(row[2]));
        wxRemoveFile(file);
    }

    // No file at all, and a folder where the file should be.
    CQuestionData target;
    CQuestionDataSerializer missing(&target, path("nowhere.itm"));
    CAssessmentMgr unread;
    CAssessmentSerializer isFolder(&unread, dir());
    EXPECT_FALSE(missing.load() || isFolder.load());
    EXPECT_EQ(missing.getLastError() + "|" + isFolder.getLastError(),
              path("nowhere.itm") + ": file not found|" + dir() + ": is a folder, not a file");
}

TEST_F(FileTest, AFailedWriteReturnsFalseAndLeavesTheOldFileIntact)
{
    CQuestionData question = sampleQuestion(1, "q.itm");

    // The longest name a folder takes: the temporary file beside it cannot be made.
    const wxString longName(wxUniChar('n'), 255);
    writeFile(longName, "old content");
    CAssessmentMgr assessment;
    EXPECT_FALSE(CQuestionDataSerializer(&question, path(longName)).store() ||
                 CAssessmentSerializer(&assessment, path(longName)).store());
    EXPECT_EQ(evtest::readFile(path(longName)), "old content");

    // An assessment whose question has no file is not written at all.
    CQuestionData noFileQuestion;
    CAssessmentMgrData entry(assessment.getQuestionDataMgr()->addQuestion(noFileQuestion));
    ASSERT_TRUE(assessment.addData(entry));
    CAssessmentSerializer noFile(&assessment, path("a.eva"));
    EXPECT_FALSE(noFile.store());
    EXPECT_EQ(noFile.getLastError(), path("a.eva") + ": question 1 has no question file");

    // Nothing but the old file is left behind.
    wxArrayString files;
    wxDir::GetAllFiles(dir(), &files, "", wxDIR_FILES);
    EXPECT_EQ(files.size(), 1u);
}

TEST_F(FileTest, NewAssessmentsGetDistinctFilesAndTheListSurvivesAReload)
{
    CAssessmentsMgr list;
    ASSERT_TRUE(list.load(path("lists/list.xml"))); // missing: an empty list
    EXPECT_EQ(list.getCount(), 0);
    EXPECT_EQ(list.getFolder(), path("lists"));
    wxFileName::Mkdir(path("lists"));

    EXPECT_EQ(list.createNewAssessment(static_cast<const char*>(nullptr)), 0);
    EXPECT_EQ(list.createNewAssessment(""), 1);
    EXPECT_EQ(list.createNewAssessment("Named"), 2);
    EXPECT_EQ(list.createNewAssessment("Named"), -1) << "an existing file is never overwritten";
    EXPECT_EQ(list.getLastError(), path("lists/Named.eva") + ": already exists");
    const wxString expected[] = {path("lists/Assessment 1.eva"), path("lists/Assessment 2.eva"),
                                 path("lists/Named.eva")};
    for (int i = 0; i < 3; ++i)
    {
        const wxString file = list.getDataAtIndex(i)->getAssessmentFileName();
        EXPECT_EQ(file, expected[i]);
        CAssessmentMgr created;
        CAssessmentSerializer reader(&created, file);
        EXPECT_TRUE(reader.load()) << reader.getLastError();
        EXPECT_EQ(created.getCount(), 0u);
        EXPECT_TRUE(*created.getAttributes() == CEVAttributes()) << i;
    }

    EXPECT_FALSE(list.removeAtIndex(3) || list.removeAtIndex(-1));
    EXPECT_TRUE(list.removeAtIndex(0));
    EXPECT_TRUE(wxFileExists(expected[0])) << "removing an entry never deletes its file";
    EXPECT_EQ(list.getDataAtIndex(2), nullptr);
    EXPECT_EQ(list.addExisting(expected[1]), -1);

    CAssessmentsMgr reloaded;
    ASSERT_TRUE(reloaded.load(path("lists/list.xml")));
    ASSERT_EQ(reloaded.getCount(), 2);
    EXPECT_EQ(reloaded.getDataAtIndex(0)->getAssessmentFileName() + "|" +
                  reloaded.getDataAtIndex(1)->getAssessmentFileName(),
              expected[1] + "|" + expected[2]);
    EXPECT_NE(evtest::readFile(path("lists/list.xml")).find("file=\"Named.eva\""), std::string::npos);
}
