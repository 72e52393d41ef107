#include "app/ContrastProbe.h"

#include "app/Contrast.h"
#include "app/ImageCache.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionData.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "views/AssessmentViewPanelBase.h"

#include <wx/frame.h>

#include <algorithm>

namespace
{

// The presentation panel with nothing to answer: it only lays pages out.
class CLayoutPanel : public CAssessmentViewPanelBase
{
public:
    CLayoutPanel(wxWindow* parent, CImageCache* images) : CAssessmentViewPanelBase(parent), m_images(images)
    {
    }

    bool layOutQuestion(CEVAttributes* attributes, CQuestionData* question)
    {
        setLayoutMode(eQuestionLayout);
        return initializeForQuestion(attributes, question);
    }
    bool layOutReview(CEVAttributes* attributes, unsigned numQuestions)
    {
        setLayoutMode(eReviewLayout);
        return initializeForReview(attributes, numQuestions, numQuestions);
    }

protected:
    void handlePreviousButtonClicked() override {}
    void handleNextButtonClicked() override {}
    void handleSubmitButtonClicked() override {}
    bool getImageForID(CEVAttributes* attributes, CEVImageSelections::imageID id, wxImage* image) override
    {
        return m_images->getImage(attributes, id, image);
    }

private:
    CImageCache* m_images;
};

// The lowest ratio of the texts the panel shows, over `background` as the
// panel paints it (stretched to the panel); 0 when no text is shown.
double lowestRatio(wxWindow* panel, const wxImage& background, const wxColour& text)
{
    const wxSize size = panel->GetClientSize();
    const wxImage painted = background.GetSize() == size ? background : background.Scale(size.x, size.y);
    double lowest = 0;
    for (wxWindow* child : panel->GetChildren())
    {
        if (!child->IsShown() || !dynamic_cast<CVeltoStaticCtrl*>(child))
            continue;
        const double ratio = CContrast::ratioOver(painted, child->GetRect(), text);
        if (ratio > 0 && (lowest == 0 || ratio < lowest))
            lowest = ratio;
    }
    return lowest;
}

void keepLowest(std::vector<CContrastProbe::SMeasurement>* found,
                const CContrastProbe::SMeasurement& measured)
{
    if (measured.ratio <= 0)
        return;
    for (CContrastProbe::SMeasurement& known : *found)
    {
        if (known.background != measured.background)
            continue;
        if (measured.ratio < known.ratio)
            known = measured;
        return;
    }
    found->push_back(measured);
}

} // namespace

std::vector<CContrastProbe::SMeasurement> CContrastProbe::measure(CAssessmentMgr* assessment)
{
    std::vector<SMeasurement> found;
    CEVAttributes* attributes = assessment->getAttributes();
    const wxColour text = attributes->getFontInfo()->getFontColour();
    CImageCache images;
    // Never shown: the layout needs sizes and fonts, not the screen.
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Evalon");
    auto* panel = new CLayoutPanel(frame, &images);

    wxImage background;
    if (images.getImage(attributes, CEVImageSelections::eQuestionBackground, &background))
    {
        panel->SetSize(background.GetSize());
        for (unsigned position = 1; position <= assessment->getCount(); ++position)
        {
            const int id = assessment->getDataAtIndex(position - 1)->m_questionID;
            CQuestionData* question = assessment->getQuestionDataMgr()->getQuestionDataForID(id);
            if (question && panel->layOutQuestion(attributes, question))
                keepLowest(&found, {CEVImageSelections::eQuestionBackground, position,
                                    lowestRatio(panel, background, text)});
        }
    }
    if (images.getImage(attributes, CEVImageSelections::eReviewBackground, &background))
    {
        panel->SetSize(background.GetSize());
        if (panel->layOutReview(attributes, std::max(1u, assessment->getCount())))
            keepLowest(&found,
                       {CEVImageSelections::eReviewBackground, 0, lowestRatio(panel, background, text)});
    }
    // Never shown, so gone at once rather than at the next idle time.
    delete frame;
    return found;
}
