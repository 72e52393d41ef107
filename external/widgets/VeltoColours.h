#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/colour.h>

/// Colours shared by the presentation.
class EVALON_WIDGETS_EXPORT CVeltoColours
{
public:
    /// The yellow of the review page's score text.
    static const wxColour kPellantTextColorYellow;
};
