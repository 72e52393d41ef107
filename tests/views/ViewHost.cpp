#include "tests/views/ViewHost.h"

#include "tests/support/WxTest.h"

#include <algorithm>

CViewHost::CViewHost(wxWindow* parent) : CAssessmentViewPanelBase(parent)
{
    const wxImage background = twoHalves(200, 100, *wxRED, *wxBLUE);
    for (int id : {CEVImageSelections::eQuestionBackground, CEVImageSelections::eAnswersSubmittalBackground,
                   CEVImageSelections::eReviewBackground, CEVImageSelections::eCongratulationsBackground})
        images[id] = background;
    images[CEVImageSelections::eAnswerButtonCold] = solid(40, 40, *wxYELLOW);
    images[CEVImageSelections::eAnswerButtonHot] = solid(40, 40, *wxYELLOW);
    images[CEVImageSelections::eAnswerButtonChecked] = solid(40, 40, *wxGREEN);
    images[CEVImageSelections::ePreviousCold] = images[CEVImageSelections::ePreviousHot] =
        solid(100, 40, *wxCYAN);
    images[CEVImageSelections::eNextCold] = images[CEVImageSelections::eNextHot] = solid(120, 50, *wxCYAN);
    images[CEVImageSelections::eSubmitCold] = images[CEVImageSelections::eSubmitHot] = solid(80, 30, *wxCYAN);
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

wxImage CViewHost::solid(int width, int height, const wxColour& colour)
{
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
    return image;
}

wxImage CViewHost::twoHalves(int width, int height, const wxColour& left, const wxColour& right)
{
    wxImage image = solid(width, height, left);
    image.SetRGB(wxRect(width / 2, 0, width - width / 2, height), right.Red(), right.Green(), right.Blue());
    return image;
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
