#include "tests/views/ViewHost.h"

#include "external/widgets/VeltoStaticCtrl.h"
#include "tests/support/WxTest.h"

#include <algorithm>
#include <tuple>

CViewHost::CViewHost(wxWindow* parent) : CAssessmentViewPanelBase(parent)
{
    const wxImage background = twoHalves(200, 100);
    for (int id : {CEVImageSelections::eQuestionBackground, CEVImageSelections::eAnswersSubmittalBackground,
                   CEVImageSelections::eReviewBackground, CEVImageSelections::eCongratulationsBackground})
        images[id] = background;
    using evtest::solidImage;
    images[CEVImageSelections::eAnswerButtonCold] = images[CEVImageSelections::eAnswerButtonHot] =
        solidImage(40, 40, *wxYELLOW);
    images[CEVImageSelections::eAnswerButtonChecked] = solidImage(40, 40, *wxGREEN);
    const std::tuple<int, int, wxSize> buttonPictures[] = {
        {CEVImageSelections::ePreviousCold, CEVImageSelections::ePreviousHot, wxSize(100, 40)},
        {CEVImageSelections::eNextCold, CEVImageSelections::eNextHot, wxSize(120, 50)},
        {CEVImageSelections::eSubmitCold, CEVImageSelections::eSubmitHot, wxSize(80, 30)}};
    for (const auto& [cold, hot, size] : buttonPictures)
        images[cold] = images[hot] = solidImage(size.x, size.y, *wxCYAN);
    images[CEVImageSelections::eNoImage] = wxImage();

    // Counted before the windows' own handlers, which still run.
    Bind(wxEVT_PAINT,
         [this](wxPaintEvent& event)
         {
             ++paints;
             event.Skip();
         });
    for (wxWindow* control : GetChildren())
        control->Bind(wxEVT_PAINT,
                      [this, control](wxPaintEvent& event)
                      {
                          ++m_controlPaints[control];
                          event.Skip();
                      });
}

int CViewHost::mostControlPaints() const
{
    int most = 0;
    for (const auto& entry : m_controlPaints)
        most = std::max(most, entry.second);
    return most;
}

void CViewHost::resetPaints()
{
    paints = 0;
    m_controlPaints.clear();
}

wxImage CViewHost::twoHalves(int width, int height)
{
    wxImage image = evtest::solidImage(width, height, *wxRED);
    image.SetRGB(wxRect(width / 2, 0, width - width / 2, height), 0, 0, 255);
    return image;
}

std::vector<CVeltoStaticCtrl*> textsOf(wxWindow* panel)
{
    return evtest::childrenOf<CVeltoStaticCtrl>(panel);
}

std::vector<int> CViewHost::selectedAnswers()
{
    wxArrayInt indexes;
    EXPECT_TRUE(getSelectedAnswerIndexes(&indexes));
    return std::vector<int>(indexes.begin(), indexes.end());
}

bool CViewHost::getImageForID(CEVAttributes*, CEVImageSelections::imageID id, wxImage* image)
{
    requestedImages.push_back(id);
    if (id == refusedImage)
        return false;
    *image = images[id];
    return true;
}
