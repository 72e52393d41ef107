#include "results/ResultsCsv.h"

#include "external/data/FileBytes.h"

#include <wx/intl.h>

const char CResultsCsv::kHeader[] =
    "attempt_id,taker,submitted_at,score,position,question,answers_chosen,correct_answers,right,passed";

namespace
{
std::string indexList(const std::vector<unsigned>& indexes)
{
    std::string text;
    for (unsigned index : indexes)
        text += (text.empty() ? "" : " ") + std::to_string(index);
    return text;
}
} // namespace

std::string CResultsCsv::field(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
    {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CResultsCsv::format(const std::vector<CAttempt>& attempts,
                                const std::optional<unsigned>& passMark)
{
    std::string text = std::string(kHeader) + "\r\n";
    for (const CAttempt& attempt : attempts)
    {
        const bool submitted = attempt.m_status == CAttempt::eSubmitted;
        const std::string passed = passMark && submitted ? (attempt.passed(*passMark) ? ",yes" : ",no") : ",";
        const std::string start = field(attempt.m_id) + "," + field(attempt.m_taker) + "," +
                                  field(attempt.m_submittedAt) + "," + std::to_string(attempt.m_score) + ",";
        for (const SQuestionResult& question : attempt.m_questions)
            text += start + std::to_string(question.m_position + 1) + "," + field(question.m_questionText) +
                    "," + indexList(question.m_chosen) + "," + indexList(question.m_correct) + "," +
                    (question.m_right ? "yes" : "no") + passed + "\r\n";
    }
    return text;
}

bool CResultsCsv::write(const std::vector<CAttempt>& attempts, const std::string& path, std::string* error,
                        const std::optional<unsigned>& passMark)
{
    wxString reason;
    if (!CFileBytes::replace(wxString::FromUTF8(path.c_str()), format(attempts, passMark), &reason))
    {
        // TRANSLATORS: %s are the file and the reason it cannot be written.
        *error = wxString::Format(_("The results cannot be written to %s: %s."),
                                  wxString::FromUTF8(path.c_str()), reason)
                     .utf8_string();
        return false;
    }
    return true;
}
