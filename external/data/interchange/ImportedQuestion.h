#pragma once

#include "external/data/QuestionData.h"
#include "external/data/interchange/ItemSource.h"

// A question read from a bank, ready to be added to an assessment: where it
// came from and the report entry that tells of it.
class CImportedQuestion
{
public:
    CQuestionData m_question;
    CItemSource m_source;
    size_t m_reportEntry = 0;
};
