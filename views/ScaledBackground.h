#pragma once

#include <wx/dc.h>
#include <wx/image.h>

// Draws `background` stretched to `clientSize` (the aspect ratio is not kept;
// bilinear, scaled by pixman) at the top left corner of `dc`. An invalid
// image draws nothing. Returns whether something was drawn.
bool paintScaledBackground(wxDC& dc, const wxImage& background, const wxSize& clientSize);
