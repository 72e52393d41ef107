#pragma once

#include <wx/string.h>

// The two versions of one assessment that the save loop writes in turn, so
// that after an interruption every file must hold one of them exactly.
namespace savevariants
{
const int kNumQuestions = 4;

inline wxString assessmentFile(const wxString& folder) { return folder + "/saved.eva"; }
// Saves version `variant` (0 or 1) into `folder`: the assessment file, its
// question files in questions/, then its questions exported as bank.gift and
// as a folder qti/ of QTI items. False, with the reason, when a write fails.
bool save(int variant, const wxString& folder, wxString* error);
} // namespace savevariants
