#pragma once

#include "external/data/AssessmentMgrData.h"
#include "external/data/EVAttributes.h"
#include "external/data/EvalonDataExport.h"
#include "external/data/QuestionDataMgr.h"

// One assessment: its ordered entries, the questions they name and the
// appearance attributes. Owns all three.
class EVALON_DATA_EXPORT CAssessmentMgr
{
public:
    CAssessmentMgr() = default;
    ~CAssessmentMgr();
    CAssessmentMgr(const CAssessmentMgr&) = delete;
    CAssessmentMgr& operator=(const CAssessmentMgr&) = delete;

    CQuestionDataMgr* getQuestionDataMgr() { return &m_questions; }
    CEVAttributes* getAttributes() { return &m_attributes; }
    CAssessmentMgrDataArray* getDataCollection() { return &m_entries; }
    unsigned getCount() const { return static_cast<unsigned>(m_entries.GetCount()); }
    // Null outside the collection.
    CAssessmentMgrData* getDataAtIndex(unsigned index);

    // Appends a copy of `data`; false (nothing added) when its identifier names
    // no question of this assessment.
    bool addData(CAssessmentMgrData& data);
    // Each returns false and changes nothing when the index is out of range or
    // the move impossible (first row up, last row down).
    bool removeAtIndex(unsigned index);
    bool moveUp(unsigned index);
    bool moveDown(unsigned index);

    // Removes every entry and question and resets the attributes.
    void clear();

private:
    CAssessmentMgrDataArray m_entries;
    CQuestionDataMgr m_questions;
    CEVAttributes m_attributes;
};
