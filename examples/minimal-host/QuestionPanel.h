#pragma once

#include "views/AssessmentViewPanelBase.h"

class CAssessmentMgr;
class CQuestionData;

// The test taker's window content. evalon-ui's presentation panel draws every
// page; a host decides which page comes next and supplies the pictures, by
// implementing the four operations below.
//
// This host shows the questions in order with a Next button, counts the
// questions answered wrongly, and ends on the review page with the score.
class CQuestionPanel : public CAssessmentViewPanelBase
{
public:
    explicit CQuestionPanel(wxWindow* parent);

    // The assessment belongs to the host and outlives the panel.
    void initialize(CAssessmentMgr* assessment);
    // Question `index` (from 0); past the last question, the review page.
    bool showPage(unsigned index);

protected:
    void handlePreviousButtonClicked() override;
    void handleNextButtonClicked() override;
    void handleSubmitButtonClicked() override;
    bool getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image) override;

private:
    CQuestionData* question(unsigned index);

    CAssessmentMgr* m_assessment = nullptr;
    unsigned m_index = 0;
    unsigned m_numMissed = 0;
};
