#include "tests/interchange/BankTestSupport.h"

#include <wx/filename.h>

namespace banktest
{

wxString bankPath(const wxString& name)
{
    // From the build, not __FILE__: a compiler cache may hand the compiler a
    // relative path, which the tests' own working folders would not resolve.
    return wxString::FromUTF8(EVALON_TEST_BANKS_DIR "/") + name;
}

SImport importPath(const wxString& path)
{
    SImport import;
    CQuestionImporter importer(&import.report);
    importer.read(path);
    import.questions = importer.questions();
    return import;
}

SImport importBytes(const std::string& bytes, CQuestionImporter::eFormat format, const wxString& name)
{
    SImport import;
    CQuestionImporter importer(&import.report);
    importer.readBytes(bytes, format, name);
    import.questions = importer.questions();
    return import;
}

const CImportReport::SEntry* entryTitled(const CImportReport& report, const wxString& title)
{
    for (const CImportReport::SEntry& entry : report.entries())
        if (entry.m_source.m_title == title)
            return &entry;
    ADD_FAILURE() << "no report entry titled " << title.utf8_string() << "\n"
                  << report.toText().utf8_string();
    return nullptr;
}

static const CQuestionData* questionTitled(const SImport& import, const wxString& title)
{
    for (const CImportedQuestion& question : import.questions)
        if (question.m_source.m_title == title)
            return &question.m_question;
    ADD_FAILURE() << "no question titled " << title.utf8_string() << "\n"
                  << import.report.toText().utf8_string();
    return nullptr;
}

std::vector<wxString> titles(const SImport& import)
{
    std::vector<wxString> all;
    for (const CImportedQuestion& question : import.questions)
        all.push_back(question.m_source.m_title);
    return all;
}

CQuestionData makeQuestion(int category, const wxString& text, const std::vector<wxString>& answers,
                           const std::vector<int>& correct, const wxString& reference)
{
    CQuestionData question;
    question.setCategoryType(category);
    question.setQuestion(text);
    question.setNumAnswers(static_cast<int>(answers.size()));
    for (unsigned index = 0; index < answers.size(); ++index)
        question.setAnswer(index, answers[index]);
    wxArrayInt indexes;
    indexes.assign(correct.begin(), correct.end());
    question.setCorrectAnswerIndexes(&indexes);
    question.setReferenceText(reference);
    return question;
}

void expectQuestion(const CQuestionData* question, int category, const wxString& text,
                    const std::vector<wxString>& answers, const std::vector<int>& correct,
                    const wxString& reference)
{
    ASSERT_NE(question, nullptr);
    std::vector<wxString> answersRead;
    for (unsigned index = 0; index < question->getNumAnswers(); ++index)
        answersRead.push_back(question->getAnswer(index));
    wxArrayInt correctRead;
    question->getCorrectAnswerIndexes(&correctRead);
    EXPECT_EQ(question->getCategoryType(), category);
    EXPECT_EQ(question->getQuestion(), text);
    EXPECT_EQ(answersRead, answers);
    EXPECT_EQ(std::vector<int>(correctRead.begin(), correctRead.end()), correct);
    EXPECT_EQ(question->getReferenceText(), reference);
}

void expectQuestion(const SImport& import, const wxString& title, int category, const wxString& text,
                    const std::vector<wxString>& answers, const std::vector<int>& correct,
                    const wxString& reference)
{
    SCOPED_TRACE(title.utf8_string());
    expectQuestion(questionTitled(import, title), category, text, answers, correct, reference);
}

} // namespace banktest
