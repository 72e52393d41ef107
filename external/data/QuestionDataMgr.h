#pragma once

#include "external/data/EvalonDataExport.h"
#include "external/data/QuestionData.h"

#include <map>
#include <vector>

// The questions of one assessment, each under an identifier handed out from 1
// upward and never reused, even after a question is removed.
class EVALON_DATA_EXPORT CQuestionDataMgr
{
public:
    CQuestionDataMgr() = default;

    // Stores a copy of `question` and returns its new identifier.
    int addQuestion(CQuestionData& question);
    // Stores a copy under a given identifier (used when loading an assessment).
    // False when the identifier is below 1 or already taken.
    bool insertQuestion(int id, const CQuestionData& question);
    bool removeQuestion(int id);
    // Null for an identifier that names no question.
    CQuestionData* getQuestionDataForID(int id);
    const CQuestionData* getQuestionDataForID(int id) const;

    unsigned getCount() const { return static_cast<unsigned>(m_questions.size()); }
    // All identifiers, ascending.
    std::vector<int> getIDs() const;
    void clear();

private:
    std::map<int, CQuestionData> m_questions;
    int m_nextID = 1;
};
