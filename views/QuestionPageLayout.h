#pragma once

#include "views/QuestionPageControls.h"

#include <wx/gdicmn.h>

// Places the controls of a question page by hand, in pixels from two margins:
// the question text across the top, the answers below it (button, then text),
// and the previous, next and submit buttons stacked in the bottom right corner.
// Every control is only moved; the texts get their widths first, so their
// heights are final when the rows are stacked.
class CQuestionPageLayout
{
public:
    CQuestionPageLayout(const CQuestionPageControls& controls, unsigned outsideMargin,
                        unsigned interControlMargin);

    unsigned questionWidth(const wxSize& clientSize) const;
    unsigned answerWidth(const wxSize& clientSize) const;
    wxPoint topLeftNavigationButtons(const wxSize& clientSize) const;
    // Hidden answers are placed too, below the shown ones. Returns true.
    bool layout(const wxSize& clientSize) const;

private:
    CQuestionPageControls m_controls;
    unsigned m_outside;
    unsigned m_inter;
};
