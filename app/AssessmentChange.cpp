#include "app/AssessmentChange.h"

#include <utility>

CAssessmentChange::CAssessmentChange(const wxString& name, CAssessmentMgr* assessment,
                                     CAssessmentState before, CAssessmentState after,
                                     std::function<void()> shown)
    : wxCommand(true, name), m_assessment(assessment), m_before(std::move(before)), m_after(std::move(after)),
      m_shown(std::move(shown)), m_done(false)
{
}

bool CAssessmentChange::Do()
{
    if (m_done)
        m_after.restoreInto(m_assessment);
    m_done = true;
    m_shown();
    return true;
}

bool CAssessmentChange::Undo()
{
    m_before.restoreInto(m_assessment);
    m_shown();
    return true;
}
