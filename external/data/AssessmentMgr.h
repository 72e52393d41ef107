#pragma once

#include "external/data/AssessmentMgrData.h"
#include "external/data/DeliveryOptions.h"
#include "external/data/EVAttributes.h"
#include "external/data/EvalonDataExport.h"
#include "external/data/QuestionDataMgr.h"

/// One assessment: its ordered entries, the questions they name, the
/// appearance attributes and the delivery options. Owns all four.
class EVALON_DATA_EXPORT CAssessmentMgr
{
public:
    CAssessmentMgr() = default;
    ~CAssessmentMgr();
    CAssessmentMgr(const CAssessmentMgr&) = delete;
    CAssessmentMgr& operator=(const CAssessmentMgr&) = delete;

    /// The questions the entries name, by identifier.
    CQuestionDataMgr* getQuestionDataMgr() { return &m_questions; }
    /// The font, colour and pictures the assessment is presented with.
    CEVAttributes* getAttributes() { return &m_attributes; }
    /// Shuffling, time limit, attempts and pass mark.
    CDeliveryOptions* getDeliveryOptions() { return &m_delivery; }
    /// The entries in the order a test taker meets them. Change them through
    /// addData(), removeAtIndex(), moveUp() and moveDown().
    CAssessmentMgrDataArray* getDataCollection() { return &m_entries; }
    /// The number of entries.
    unsigned getCount() const { return static_cast<unsigned>(m_entries.GetCount()); }
    /// The entry at `index`, or null outside the collection.
    CAssessmentMgrData* getDataAtIndex(unsigned index);

    /// Appends a copy of `data`; false (nothing added) when its identifier names
    /// no question of this assessment.
    bool addData(CAssessmentMgrData& data);
    /// Removes the entry at `index`, or moves it one place up or down. Each
    /// returns false and changes nothing when the index is out of range or
    /// the move impossible (first row up, last row down). The question an
    /// entry names stays in getQuestionDataMgr().
    ///@{
    bool removeAtIndex(unsigned index);
    bool moveUp(unsigned index);
    bool moveDown(unsigned index);
    ///@}

    /// Removes every entry and question and resets the attributes and the
    /// delivery options.
    void clear();

private:
    CAssessmentMgrDataArray m_entries;
    CQuestionDataMgr m_questions;
    CEVAttributes m_attributes;
    CDeliveryOptions m_delivery;
};
