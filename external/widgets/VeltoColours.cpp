#include "external/widgets/VeltoColours.h"

// A warm yellow that stays readable over dark and photographic backgrounds.
const wxColour CVeltoColours::kPellantTextColorYellow(255, 204, 0);
