#include "views/ScaledBackground.h"

#include <wx/bitmap.h>

bool paintScaledBackground(wxDC& dc, const wxImage& background, const wxSize& clientSize)
{
    // A window not laid out yet has no area to scale to.
    if (!background.IsOk() || clientSize.x <= 0 || clientSize.y <= 0)
        return false;
    // Scaled anew on every paint: the client size may have changed since.
    const wxImage scaled = background.Scale(clientSize.x, clientSize.y);
    const wxBitmap bitmap(scaled, wxBITMAP_SCREEN_DEPTH);
    dc.DrawBitmap(bitmap, 0, 0, false);
    return true;
}
