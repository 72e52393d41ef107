#include "results/Fingerprint.h"

#include "external/data/AssessmentMgr.h"

#include <openssl/evp.h>

namespace
{
// Length, then bytes: "ab"+"c" and "a"+"bc" differ.
void appendField(std::string* input, const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    *input += std::to_string(utf8.length());
    *input += ':';
    input->append(utf8.data(), utf8.length());
}
} // namespace

std::string CFingerprint::sha256(const std::string& bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr);
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (unsigned i = 0; i < length; ++i)
    {
        text += hex[digest[i] >> 4];
        text += hex[digest[i] & 0xf];
    }
    return text;
}

std::string CFingerprint::ofQuestion(const CQuestionData& question)
{
    std::string input = "question/1;";
    appendField(&input, question.getQuestion());
    input += std::to_string(question.getNumAnswers()) + ';';
    for (unsigned i = 0; i < question.getNumAnswers(); ++i)
        appendField(&input, question.getAnswer(i));
    wxArrayInt correct;
    question.getCorrectAnswerIndexes(&correct);
    for (int index : correct)
        input += std::to_string(index) + ',';
    return sha256(input);
}

std::string CFingerprint::ofAssessment(CAssessmentMgr& assessment)
{
    std::string input = "assessment/1;";
    for (unsigned position = 0; position < assessment.getCount(); ++position)
    {
        const CQuestionData* question =
            assessment.getQuestionDataMgr()->getQuestionDataForID(assessment.getDataAtIndex(position)->m_questionID);
        input += question ? ofQuestion(*question) : std::string("-");
        input += ';';
    }
    return sha256(input);
}
