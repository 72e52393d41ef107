#pragma once

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

// Contrast between a text colour and what it is drawn on, as the Web Content
// Accessibility Guidelines measure it: relative luminance of sRGB colours and
// the ratio (L1 + 0.05) / (L2 + 0.05), from 1:1 to 21:1. Readable body text
// needs 4.5:1; below 3:1 even large text is hard to read.
class CContrast
{
public:
    static constexpr double kReadableRatio = 4.5;
    static constexpr double kLargeTextRatio = 3.0;
    // The share of a text's pixels whose worst contrast is ignored, so that a
    // speck of noise in a photograph does not decide the ratio of a whole text.
    static constexpr double kIgnoredShare = 0.05;

    static double relativeLuminance(const wxColour& colour);
    static double ratio(const wxColour& first, const wxColour& second);
    // The ratio that all but kIgnoredShare of the pixels of `area` in `picture`
    // reach against `text`; 0 when the area holds no pixel of the picture.
    static double ratioOver(const wxImage& picture, const wxRect& area, const wxColour& text);
};
