#pragma once

#include "external/data/DeliveryOptions.h"
#include "external/data/EVAttributes.h"
#include "external/data/QuestionData.h"

#include <map>
#include <vector>

class CAssessmentMgr;

// Everything of an assessment in memory that a change in the authoring window
// may touch: its entries in order, its questions by identifier, its
// attributes and its delivery options. Question files on disk are not part of it: a file written by a
// change is the author's and stays.
class CAssessmentState
{
public:
    static CAssessmentState of(CAssessmentMgr& assessment);
    // Makes the assessment hold exactly this state (the identifiers kept).
    void restoreInto(CAssessmentMgr* assessment) const;

    bool operator==(const CAssessmentState& other) const;
    bool operator!=(const CAssessmentState& other) const { return !(*this == other); }

private:
    std::vector<int> m_entries;
    std::map<int, CQuestionData> m_questions;
    CEVAttributes m_attributes;
    CDeliveryOptions m_delivery;
};
