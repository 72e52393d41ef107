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

const CQuestionData* questionTitled(const SImport& import, const wxString& title)
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

std::vector<wxString> answersOf(const CQuestionData& question)
{
    std::vector<wxString> answers;
    for (unsigned index = 0; index < question.getNumAnswers(); ++index)
        answers.push_back(question.getAnswer(index));
    return answers;
}

std::vector<int> correctOf(const CQuestionData& question)
{
    wxArrayInt correct;
    question.getCorrectAnswerIndexes(&correct);
    return std::vector<int>(correct.begin(), correct.end());
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
    EXPECT_EQ(question->getCategoryType(), category);
    EXPECT_EQ(question->getQuestion(), text);
    EXPECT_EQ(answersOf(*question), answers);
    EXPECT_EQ(correctOf(*question), correct);
    EXPECT_EQ(question->getReferenceText(), reference);
}

} // namespace banktest
