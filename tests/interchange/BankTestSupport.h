#pragma once

// Helpers of the interchange tests: the sample banks beside this file,
// importing one, and finding a question or report entry by its title.

#include "tests/support/WxTest.h"

#include "interchange/QuestionImporter.h"

#include <string>
#include <vector>

namespace banktest
{

const int kTrueFalse = CQuestionData::eTrueFalse;
const int kSingle = CQuestionData::eSingleAnswer;
const int kMultiple = CQuestionData::eMultipleAnswers;

// A sample bank of tests/interchange/banks/.
wxString bankPath(const wxString& name);

// A bank read into questions, with its report.
struct SImport
{
    CImportReport report;
    std::vector<CImportedQuestion> questions;
};
SImport importPath(const wxString& path);
SImport importBytes(const std::string& bytes, CQuestionImporter::eFormat format,
                    const wxString& name = "bank");

// The entry of the given title; a test failure and null when none.
const CImportReport::SEntry* entryTitled(const CImportReport& report, const wxString& title);
// The titles of the questions imported, in order.
std::vector<wxString> titles(const SImport& import);

// A question from its parts; answers as given, `correct` by index.
CQuestionData makeQuestion(int category, const wxString& text, const std::vector<wxString>& answers,
                           const std::vector<int>& correct, const wxString& reference = wxString());

// Expects a question to hold exactly these parts.
void expectQuestion(const CQuestionData* question, int category, const wxString& text,
                    const std::vector<wxString>& answers, const std::vector<int>& correct,
                    const wxString& reference = wxString());
// Expects the question of that title to hold exactly these parts (a test
// failure when there is none).
void expectQuestion(const SImport& import, const wxString& title, int category, const wxString& text,
                    const std::vector<wxString>& answers, const std::vector<int>& correct,
                    const wxString& reference = wxString());

} // namespace banktest
