#pragma once

#include "external/data/interchange/EvalonInterchangeExport.h"

#include "external/data/QuestionData.h"
#include "external/data/interchange/ItemSource.h"

// A question read from a bank, ready to be added to an assessment: where it
// came from and the report entry that tells of it.
class EVALON_INTERCHANGE_EXPORT CImportedQuestion
{
public:
    CQuestionData m_question;
    CItemSource m_source;
    size_t m_reportEntry = 0;
};
