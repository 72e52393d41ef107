#pragma once

#include "external/data/AssessmentMgr.h"

#include <initializer_list>
#include <vector>

// Assessments built in memory for the tests of the host application.
namespace apptest
{

// Adds a question with `numAnswers` answers ("Answer 1" ...) whose correct
// answers are `correct`, and an entry for it.
void addQuestion(CAssessmentMgr& assessment, CQuestionData::eCategoryType category, unsigned numAnswers,
                 std::initializer_list<int> correct);

wxArrayInt indexes(std::initializer_list<int> values);
// For comparing in expectations (wxArrayInt has no ==).
std::vector<int> toVector(const wxArrayInt& values);

// The bundled sample's assessment file (in the source tree).
wxString sampleFile();

} // namespace apptest
