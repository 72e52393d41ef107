#include "external/data/QuestionDataMgr.h"

int CQuestionDataMgr::addQuestion(CQuestionData& question)
{
    const int id = m_nextID++;
    m_questions.emplace(id, question);
    return id;
}

bool CQuestionDataMgr::insertQuestion(int id, const CQuestionData& question)
{
    if (id < 1 || m_questions.count(id) != 0)
    {
        return false;
    }
    m_questions.emplace(id, question);
    // Later additions must not collide with an identifier that came from a file.
    if (id >= m_nextID)
    {
        m_nextID = id + 1;
    }
    return true;
}

bool CQuestionDataMgr::removeQuestion(int id)
{
    return m_questions.erase(id) != 0;
}

CQuestionData* CQuestionDataMgr::getQuestionDataForID(int id)
{
    auto found = m_questions.find(id);
    return found == m_questions.end() ? nullptr : &found->second;
}

const CQuestionData* CQuestionDataMgr::getQuestionDataForID(int id) const
{
    auto found = m_questions.find(id);
    return found == m_questions.end() ? nullptr : &found->second;
}

std::vector<int> CQuestionDataMgr::getIDs() const
{
    std::vector<int> ids;
    ids.reserve(m_questions.size());
    for (const auto& entry : m_questions)
    {
        ids.push_back(entry.first);
    }
    return ids;
}

// The identifier counter is kept: an identifier handed out once is never
// handed out again by this manager.
void CQuestionDataMgr::clear()
{
    m_questions.clear();
}
