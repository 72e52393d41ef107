#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/dynarray.h>

/// One entry of an assessment's ordered question list.
class EVALON_DATA_EXPORT CAssessmentMgrData
{
public:
    int m_questionID = 0; ///< identifier in the assessment's CQuestionDataMgr

    CAssessmentMgrData() = default;
    /// An entry naming the question `questionID`.
    explicit CAssessmentMgrData(int questionID) : m_questionID(questionID) {}
};

/// The entries of an assessment, owned by its CAssessmentMgr.
WX_DEFINE_ARRAY_PTR(CAssessmentMgrData*, CAssessmentMgrDataArray);
