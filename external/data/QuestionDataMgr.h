#pragma once

#include "external/data/EvalonDataExport.h"
#include "external/data/QuestionData.h"

#include <map>
#include <vector>

/// The questions of one assessment, each under an identifier handed out from 1
/// upward and never reused, even after a question is removed.
class EVALON_DATA_EXPORT CQuestionDataMgr
{
public:
    CQuestionDataMgr() = default;

    /// Stores a copy of `question` and returns its new identifier.
    int addQuestion(CQuestionData& question);
    /// Stores a copy under a given identifier (used when loading an assessment).
    /// False when the identifier is below 1 or already taken.
    bool insertQuestion(int id, const CQuestionData& question);
    /// False when no question has the identifier. Entries of the assessment
    /// that name it are not removed.
    bool removeQuestion(int id);
    /// The question stored under `id`, null for an identifier that names no
    /// question. Changes to it change the stored question.
    ///@{
    CQuestionData* getQuestionDataForID(int id);
    const CQuestionData* getQuestionDataForID(int id) const;
    ///@}

    /// The number of questions.
    unsigned getCount() const { return static_cast<unsigned>(m_questions.size()); }
    /// All identifiers, ascending.
    std::vector<int> getIDs() const;
    /// Removes every question; identifiers handed out are still not reused.
    void clear();

private:
    std::map<int, CQuestionData> m_questions;
    int m_nextID = 1;
};
