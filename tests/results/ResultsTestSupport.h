#pragma once

#include "external/data/AssessmentMgr.h"
#include "results/Attempt.h"

#include <memory>
#include <string>
#include <vector>

namespace restest
{

// An assessment of `numQuestions` questions of four answers each; question
// i's correct answer is i % 4, and every third one has two correct answers
// (i % 4 and (i + 1) % 4) as a several-answer question.
std::unique_ptr<CAssessmentMgr> makeAssessment(unsigned numQuestions, const wxString& textPrefix = "Question");

// The answers a generated taker gives to question `position`: the correct
// one for every position where (position + taker) % 3 != 0.
std::vector<unsigned> answersOf(unsigned taker, unsigned position);

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class CTempFolder
{
public:
    CTempFolder();
    ~CTempFolder();
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Every attempt the store at `url` holds, opening it afresh (a failure to
// open or list fails the test).
std::vector<CAttempt> storedAttempts(const std::string& url);

// Runs `statement` on the SQLite file `path` directly, as another program
// would; the reason it failed, or empty.
std::string runSql(const std::string& path, const char* statement);

// The URL of the server pg_virtualenv started (from PGHOST, PGPORT, PGUSER,
// PGDATABASE; libpq takes the password from PGPASSWORD). Empty outside it.
std::string postgreSqlUrl();
// Stops or starts that server; false when the command fails.
bool controlPostgreSql(const char* action);

} // namespace restest
