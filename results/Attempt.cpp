#include "results/Attempt.h"

#include "external/data/AssessmentMgr.h"
#include "results/Fingerprint.h"

#include <uuid/uuid.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace
{
std::string utf8(const wxString& text)
{
    const wxScopedCharBuffer buffer = text.utf8_str();
    return std::string(buffer.data(), buffer.length());
}

std::vector<unsigned> correctAnswersOf(const CQuestionData& question)
{
    wxArrayInt indexes;
    question.getCorrectAnswerIndexes(&indexes);
    return std::vector<unsigned>(indexes.begin(), indexes.end());
}
} // namespace

bool SQuestionResult::operator==(const SQuestionResult& other) const
{
    return m_position == other.m_position && m_questionFile == other.m_questionFile &&
           m_fingerprint == other.m_fingerprint && m_questionText == other.m_questionText &&
           m_numAnswers == other.m_numAnswers && m_chosen == other.m_chosen && m_correct == other.m_correct &&
           m_right == other.m_right;
}

CAttempt CAttempt::begin(CAssessmentMgr& assessment, const std::string& assessmentFile, const std::string& taker)
{
    CAttempt attempt;
    attempt.m_id = newId();
    attempt.m_assessmentFile = assessmentFile;
    attempt.m_assessmentFingerprint = CFingerprint::ofAssessment(assessment);
    attempt.m_taker = taker;
    attempt.m_machine = machineName();
    attempt.m_startedAt = utcNow();
    attempt.m_savedAt = attempt.m_startedAt;
    for (unsigned position = 0; position < assessment.getCount(); ++position)
    {
        SQuestionResult result;
        result.m_position = position;
        const CQuestionData* question =
            assessment.getQuestionDataMgr()->getQuestionDataForID(assessment.getDataAtIndex(position)->m_questionID);
        if (question != nullptr)
        {
            result.m_questionFile = utf8(question->getFileNameReference());
            result.m_fingerprint = CFingerprint::ofQuestion(*question);
            result.m_questionText = utf8(question->getQuestion());
            result.m_numAnswers = question->getNumAnswers();
            result.m_correct = correctAnswersOf(*question);
        }
        attempt.m_questions.push_back(result);
    }
    attempt.rescore();
    return attempt;
}

bool CAttempt::setAnswers(unsigned position, std::vector<unsigned> chosen)
{
    if (position >= m_questions.size())
        return false;
    chosen.erase(std::remove_if(chosen.begin(), chosen.end(),
                                [](unsigned index) { return index >= CQuestionData::kMaxAnswers; }),
                 chosen.end());
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    m_questions[position].m_chosen = std::move(chosen);
    rescore();
    touch();
    return true;
}

void CAttempt::setCurrentPage(unsigned page)
{
    if (m_currentPage != page)
    {
        m_currentPage = page;
        touch();
    }
}

bool CAttempt::submit()
{
    if (m_status == eSubmitted)
        return false;
    m_status = eSubmitted;
    touch();
    m_submittedAt = m_savedAt;
    return true;
}

unsigned CAttempt::scorePercent(unsigned numMissed, unsigned numQuestions)
{
    // Truncated, as the review page shows it: 2 of 3 right is 66%.
    if (numQuestions == 0 || numMissed > numQuestions)
        return 0;
    return unsigned((std::uint64_t(numQuestions - numMissed) * 100u) / numQuestions);
}

void CAttempt::rescore()
{
    unsigned missed = 0;
    for (SQuestionResult& question : m_questions)
    {
        // An entry naming no question (no fingerprint) is never right.
        question.m_right = !question.m_fingerprint.empty() && question.m_chosen == question.m_correct;
        if (!question.m_right)
            ++missed;
    }
    m_numToReview = missed;
    m_score = scorePercent(missed, unsigned(m_questions.size()));
}

void CAttempt::touch()
{
    ++m_revision;
    m_savedAt = utcNow();
}

bool CAttempt::parseUtc(const std::string& text, long long* seconds)
{
    // Only the form utcNow() writes: 2026-12-07T02:03:04Z.
    struct tm parts = {};
    char zone = 0;
    int length = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%n", &parts.tm_year, &parts.tm_mon, &parts.tm_mday,
                    &parts.tm_hour, &parts.tm_min, &parts.tm_sec, &zone, &length) != 7 ||
        zone != 'Z' || size_t(length) != text.size() || parts.tm_mon < 1 || parts.tm_mon > 12 ||
        parts.tm_mday < 1 || parts.tm_mday > 31 || parts.tm_hour > 23 || parts.tm_min > 59 || parts.tm_sec > 60)
        return false;
    parts.tm_year -= 1900;
    parts.tm_mon -= 1;
    *seconds = static_cast<long long>(timegm(&parts));
    return true;
}

bool CAttempt::operator==(const CAttempt& other) const
{
    return m_id == other.m_id && m_assessmentFile == other.m_assessmentFile &&
           m_assessmentFingerprint == other.m_assessmentFingerprint && m_taker == other.m_taker &&
           m_machine == other.m_machine && m_startedAt == other.m_startedAt && m_savedAt == other.m_savedAt &&
           m_submittedAt == other.m_submittedAt && m_status == other.m_status &&
           m_currentPage == other.m_currentPage && m_revision == other.m_revision && m_score == other.m_score &&
           m_numToReview == other.m_numToReview && m_questions == other.m_questions;
}

std::string CAttempt::newId()
{
    uuid_t uuid;
    uuid_generate_random(uuid);
    char text[37];
    uuid_unparse_lower(uuid, text);
    return text;
}

std::string CAttempt::utcNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string CAttempt::machineName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return std::string();
    return name;
}
