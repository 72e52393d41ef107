#include "tests/results/ResultsTestSupport.h"

#include "results/ResultsStore.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>

namespace restest
{

std::unique_ptr<CAssessmentMgr> makeAssessment(unsigned numQuestions, const wxString& textPrefix)
{
    auto assessment = std::make_unique<CAssessmentMgr>();
    for (unsigned i = 0; i < numQuestions; ++i)
    {
        CQuestionData question;
        question.setQuestion(wxString::Format("%s %u", textPrefix, i + 1));
        question.setNumAnswers(4);
        for (unsigned a = 0; a < 4; ++a)
            question.setAnswer(a, wxString::Format("Answer %u", a));
        wxArrayInt correct;
        correct.push_back(int(i % 4));
        if (i % 3 == 2)
            correct.push_back(int((i + 1) % 4));
        question.setCategoryType(correct.size() > 1 ? CQuestionData::eMultipleAnswers : CQuestionData::eSingleAnswer);
        question.setCorrectAnswerIndexes(&correct);
        question.setFileNameReference(wxString::Format("q%03u.itm", i + 1));
        CAssessmentMgrData entry(assessment->getQuestionDataMgr()->addQuestion(question));
        assessment->addData(entry);
    }
    return assessment;
}

std::vector<unsigned> answersOf(unsigned taker, unsigned position)
{
    if ((position + taker) % 3 == 0)
        return {(position + 1) % 4};
    std::vector<unsigned> answers{position % 4};
    if (position % 3 == 2)
        answers.push_back((position + 1) % 4);
    return answers;
}

CTempFolder::CTempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "evalon-results-XXXXXX").string();
    m_path = mkdtemp(pattern.data()) ? pattern : std::string();
}

CTempFolder::~CTempFolder()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

std::vector<CAttempt> storedAttempts(const std::string& url)
{
    std::string error;
    std::vector<CAttempt> attempts;
    const auto store = CResultsStore::open(url, &error);
    if (!store || !store->listAttempts(CResultsStore::SFilter(), &attempts, &error))
        ADD_FAILURE() << error;
    return attempts;
}

std::string runSql(const std::string& path, const char* statement)
{
    sqlite3* db = nullptr;
    std::string error;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK ||
        sqlite3_exec(db, statement, nullptr, nullptr, nullptr) != SQLITE_OK)
        error = std::string(path) + ": " + sqlite3_errmsg(db);
    sqlite3_close(db);
    return error;
}

std::string postgreSqlUrl()
{
    const char* host = std::getenv("PGHOST");
    const char* port = std::getenv("PGPORT");
    const char* user = std::getenv("PGUSER");
    const char* database = std::getenv("PGDATABASE");
    if (!host || !port || !user || !database)
        return std::string();
    return std::string("postgresql://") + user + "@" + host + ":" + port + "/" + database;
}

bool controlPostgreSql(const char* action)
{
    const char* version = std::getenv("PGVERSION");
    const std::string command =
        std::string("pg_ctlcluster ") + (version ? version : "15") + " regress " + action + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

} // namespace restest
