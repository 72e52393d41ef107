#pragma once

#include <string>

namespace resbench
{

// Fills the SQLite store `path` with `count` submitted attempts of a
// generated assessment of `numQuestions` questions (restest::makeAssessment)
// named `assessmentFile`: one stored through the library, the rest copied
// from it in one SQL transaction under new ids, each question right or wrong
// at random so that the statistics have something to compute.
void fillStore(const std::string& path, unsigned count, unsigned numQuestions, const std::string& assessmentFile);

} // namespace resbench
