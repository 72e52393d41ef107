#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include "external/data/QuestionData.h"

/// One question on its way out to a bank file: the question of an assessment
/// entry, a title for formats that name questions (taken from the question
/// file's name) and an identifier unique within the export.
class EVALON_INTERCHANGE_EXPORT CExportItem
{
public:
    const CQuestionData* m_question = nullptr; ///< the assessment's, not owned
    wxString m_title;                          ///< the name formats give the question
    wxString m_identifier;                     ///< unique in the export, a valid XML name
};
