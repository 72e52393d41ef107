#include "QuestionPanel.h"

#include "external/data/AssessmentMgr.h"

#include <vector>

CQuestionPanel::CQuestionPanel(wxWindow* parent) : CAssessmentViewPanelBase(parent)
{
}

void CQuestionPanel::initialize(CAssessmentMgr* assessment)
{
    m_assessment = assessment;
}

CQuestionData* CQuestionPanel::question(unsigned index)
{
    CAssessmentMgrData* entry = m_assessment->getDataAtIndex(index);
    return entry ? m_assessment->getQuestionDataMgr()->getQuestionDataForID(entry->m_questionID) : nullptr;
}

bool CQuestionPanel::showPage(unsigned index)
{
    m_index = index;
    CEVAttributes* attributes = m_assessment->getAttributes();
    if (index >= m_assessment->getCount())
    {
        setLayoutMode(eReviewLayout);
        return initializeForReview(attributes, m_numMissed, m_assessment->getCount());
    }
    setLayoutMode(eQuestionLayout);
    if (!initializeForQuestion(attributes, question(index)))
        return false;
    // Every page operation hides the navigation buttons: the host shows the
    // ones it offers.
    FindWindow(kNextButtonID)->Show();
    return true;
}

void CQuestionPanel::handleNextButtonClicked()
{
    // Read the checked answers now: the next question page clears them.
    wxArrayInt checked, correct;
    getSelectedAnswerIndexes(&checked);
    question(m_index)->getCorrectAnswerIndexes(&correct);
    // Both come in ascending order.
    if (std::vector<int>(checked.begin(), checked.end()) != std::vector<int>(correct.begin(), correct.end()))
        ++m_numMissed;
    showPage(m_index + 1);
}

// This host never shows Previous or Submit.
void CQuestionPanel::handlePreviousButtonClicked()
{
}

void CQuestionPanel::handleSubmitButtonClicked()
{
}

bool CQuestionPanel::getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image)
{
    if (id == CEVImageSelections::eNoImage)
    {
        *image = wxImage();
        return true;
    }
    // The absolute paths were resolved when the assessment was opened.
    const wxString path = attributes->getImageSelections()->getImageSelectionsInfoFor(id)->getAbsolutePath();
    return image->LoadFile(path);
}
