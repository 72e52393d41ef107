#pragma once

#include "external/data/EVImageSelections.h"

#include <wx/string.h>

#include <vector>

class CAssessmentMgr;

// Measures the contrast of an assessment's texts against its backgrounds: the
// question and review pages are laid out by the presentation panel itself,
// off the screen, at the size of their backgrounds, and every text shown is
// measured over the pixels of the background it stands on. Needs the toolkit
// (a display).
class CContrastProbe
{
public:
    // The lowest ratio found on one background and the page it was found on.
    struct SMeasurement
    {
        CEVImageSelections::imageID background;
        // The question's position from 1, or 0 for the review page.
        unsigned questionPosition;
        double ratio;
    };

    // One measurement per background whose pages could be laid out (a
    // missing picture leaves its pages out: the check names the picture).
    static std::vector<SMeasurement> measure(CAssessmentMgr* assessment);
};
