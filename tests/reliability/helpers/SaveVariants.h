#pragma once

#include <wx/string.h>

class CAssessmentMgr;

// The two versions of one assessment that the save loop writes in turn, so
// that after an interruption every file must hold one of them exactly.
namespace savevariants
{
const int kNumQuestions = 4;

inline wxString assessmentFile(const wxString& folder) { return folder + "/saved.eva"; }
// Where each save also exports the assessment's questions: a GIFT file and a
// folder of QTI items, written by the question-bank exporter.
inline wxString giftExport(const wxString& folder) { return folder + "/bank.gift"; }
inline wxString qtiExport(const wxString& folder) { return folder + "/qti"; }
// Fills an empty `assessment` with version `variant` (0 or 1), its question
// files named inside `folder`.
void build(int variant, const wxString& folder, CAssessmentMgr* assessment);
} // namespace savevariants
