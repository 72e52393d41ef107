#include "app/AttemptRecording.h"

#include "app/AssessmentTaking.h"

CAttemptRecording::CAttemptRecording(CAssessmentMgr* assessment, const wxString& assessmentFile,
                                     const wxString& taker, const wxString& storeUrl, const wxString& outboxPath)
    : m_attempt(CAttempt::begin(*assessment, assessmentFile.utf8_string(), taker.utf8_string())),
      m_recorder(storeUrl.utf8_string(), outboxPath.utf8_string())
{
}

CResultsRecorder::eOutcome CAttemptRecording::record(const CAssessmentTaking& taking)
{
    for (unsigned position = 0; position < taking.getNumQuestions(); ++position)
    {
        const wxArrayInt& answers = taking.getAnswers(position);
        const std::vector<unsigned> chosen(answers.begin(), answers.end());
        if (chosen != m_attempt.m_questions[position].m_chosen)
            m_attempt.setAnswers(position, chosen);
    }
    const bool submitted = taking.getPage() == CAssessmentTaking::eReviewPage ||
                           taking.getPage() == CAssessmentTaking::eCongratulationsPage;
    if (submitted)
    {
        // Stored once; the pages after the review change nothing.
        if (!m_attempt.submit())
            return CResultsRecorder::eStored;
    }
    else
    {
        m_attempt.setCurrentPage(taking.getPage() == CAssessmentTaking::eSubmitPage ? taking.getNumQuestions()
                                                                                   : taking.getQuestionIndex());
    }
    return m_recorder.save(m_attempt);
}

bool CAttemptRecording::sendOutbox()
{
    return m_recorder.sendOutbox();
}

wxString CAttemptRecording::getLastError() const
{
    return wxString::FromUTF8(m_recorder.getLastError());
}
