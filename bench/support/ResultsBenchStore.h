#pragma once

#include <string>

namespace resbench
{

// Fills the SQLite store `path` with `count` (a multiple of 20) submitted
// attempts of a generated assessment of `numQuestions` questions
// (restest::makeAssessment) named `assessmentFile`: twenty takers answering
// differently stored through the library, then copied in one SQL
// transaction under new ids.
void fillStore(const std::string& path, unsigned count, unsigned numQuestions, const std::string& assessmentFile);

} // namespace resbench
