#pragma once

// Answers for the toolkit's font and colour dialogs in wxTEST_DIALOG.

#include "tests/support/WxTest.h"

#include <wx/colordlg.h>
#include <wx/fontdlg.h>

#include <functional>

// Answered with OK and `chosen`, or Cancel when `chosen` is not valid
// (wxNullFont, wxNullColour); `check` sees the dialog first.
CExpectDialog<wxFontDialog> expectFontDialog(const wxFont& chosen,
                                             std::function<void(wxFontDialog*)> check = nullptr);

CExpectDialog<wxColourDialog> expectColourDialog(const wxColour& chosen,
                                                 std::function<void(wxColourDialog*)> check = nullptr);
