#pragma once

#include "external/widgets/EvalonWidgetsExport.h"

#include <wx/image.h>

class wxWindow;

// What `window`'s client area shows on the screen now, children included, as
// a 24-bit picture. The client DC reads the screen, so the caller lets
// pending paints finish first (Refresh, Update and a pump of its events).
// wxScreenDC is not used: under Xvfb it returns its first capture again.
EVALON_WIDGETS_EXPORT wxImage grabClientArea(wxWindow* window);
