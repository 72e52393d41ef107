#pragma once

#include <wx/colour.h>

// Colours shared by the presentation.
class CVeltoColours
{
public:
    static const wxColour kPellantTextColorYellow;
};
