#pragma once

#include "app/AssessmentState.h"

#include <wx/cmdproc.h>

#include <functional>

class CAssessmentMgr;

// One change to an assessment, already made, for wxCommandProcessor: undoing
// restores the state before it, redoing the state after it; `shown` is called
// after either, so that the window shows the assessment again.
class CAssessmentChange : public wxCommand
{
public:
    CAssessmentChange(const wxString& name, CAssessmentMgr* assessment, CAssessmentState before,
                      CAssessmentState after, std::function<void()> shown);

    // The first Do is the change itself, made before the command existed.
    bool Do() override;
    bool Undo() override;

private:
    CAssessmentMgr* m_assessment;
    CAssessmentState m_before;
    CAssessmentState m_after;
    std::function<void()> m_shown;
    bool m_done;
};
