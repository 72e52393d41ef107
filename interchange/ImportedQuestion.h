#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "external/data/QuestionData.h"
#include "interchange/ItemSource.h"

/// A question read from a bank, ready to be added to an assessment: where it
/// came from and the report entry that tells of it.
class EVALON_INTERCHANGE_EXPORT CImportedQuestion
{
public:
    CQuestionData m_question; ///< mapped to our model, no file name yet
    CItemSource m_source;     ///< where it stood in the bank
    size_t m_reportEntry = 0; ///< its entry in the import's report
};
