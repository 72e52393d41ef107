#pragma once

// Answers for the toolkit's font and colour dialogs, for use in wxTEST_DIALOG
// next to expectFileDialog and expectMessage.

#include "tests/support/WxTest.h"

#include <wx/colordlg.h>
#include <wx/fontdlg.h>

#include <functional>

// A font dialog answered with OK and `chosen` as the chosen font, or with
// Cancel when `chosen` is not valid (wxNullFont). `check` may look at the
// dialog first (its font data holds what the caller preset).
CExpectDialog<wxFontDialog> expectFontDialog(const wxFont& chosen,
                                             std::function<void(wxFontDialog*)> check = nullptr);

// A colour dialog answered with OK and `chosen`, or with Cancel when `chosen`
// is not valid (wxNullColour). `check` may look at the dialog first.
CExpectDialog<wxColourDialog> expectColourDialog(const wxColour& chosen,
                                                 std::function<void(wxColourDialog*)> check = nullptr);

namespace evtest
{

// Makes `colour` the colour a colour dialog reports after OK. On GTK the
// dialog reads its colour back from the native colour selection when
// ShowModal ends, so setting GetColourData() alone is overwritten: this sets
// the native widget too. False when the native widget cannot be reached.
bool setColourDialogChoice(wxColourDialog* dialog, const wxColour& colour);

} // namespace evtest
