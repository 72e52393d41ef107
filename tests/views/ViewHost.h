#pragma once

#include "views/AssessmentViewPanelBase.h"

#include <wx/image.h>

#include <map>
#include <vector>

class CVeltoStaticCtrl;

// The texts of a page, in creation order.
std::vector<CVeltoStaticCtrl*> textsOf(wxWindow* panel);

// A host of the presentation panel as an application would write it, for the
// tests: it serves pictures from memory (one identifier may be refused),
// records what the panel asks of it, and counts the panel's paints.
class CViewHost : public CAssessmentViewPanelBase
{
public:
    static const int kRefuseNothing = -1;

    explicit CViewHost(wxWindow* parent);

    // Answer buttons are 40 x 40 yellow (checked: green); previous, next and
    // submit are 100 x 40, 120 x 50 and 80 x 30; the backgrounds 200 x 100,
    // red on the left half and blue on the right; eNoImage is empty.
    std::map<int, wxImage> images;
    int refusedImage = kRefuseNothing;
    bool nextEnabled = true;

    std::vector<int> requestedImages;
    int paints = 0;
    // The most paints any one control of the panel had since the last reset.
    int mostControlPaints() const;
    void resetPaints();

    // Red on the left half, blue on the right.
    static wxImage twoHalves(int width, int height);

    using CAssessmentViewPanelBase::answersWereSelected;
    using CAssessmentViewPanelBase::getSelectedAnswerIndexes;
    using CAssessmentViewPanelBase::setButtonSelection;
    using CAssessmentViewPanelBase::setLayoutMode;

    std::vector<int> selectedAnswers();

protected:
    void handlePreviousButtonClicked() override {}
    void handleNextButtonClicked() override {}
    void handleSubmitButtonClicked() override {}
    void handleNextButtonUpdateUI(wxUpdateUIEvent& event) override { event.Enable(nextEnabled); }
    bool getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image) override;

private:
    std::map<wxWindow*, int> m_controlPaints;
};
