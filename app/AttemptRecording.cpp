#include "app/AttemptRecording.h"

#include "app/AssessmentTaking.h"
#include "results/ResultsStore.h"

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

bool CAttemptRecording::findEarlierAttempts(unsigned* count, CAttempt* inProgress, bool* hasInProgress)
{
    *count = 0;
    *hasInProgress = false;
    CResultsStore* store = m_recorder.store();
    if (!store)
        return false;
    CResultsStore::SFilter filter;
    filter.m_assessmentFile = m_attempt.m_assessmentFile;
    filter.m_taker = m_attempt.m_taker;
    std::vector<CAttempt> attempts;
    std::string error;
    if (!store->listAttempts(filter, &attempts, &error))
    {
        m_lastError = error;
        return false;
    }
    *count = unsigned(attempts.size());
    for (const CAttempt& attempt : attempts)
    {
        // Answers of another version of the assessment do not fit this one.
        if (attempt.m_status != CAttempt::eInProgress ||
            attempt.m_assessmentFingerprint != m_attempt.m_assessmentFingerprint)
            continue;
        if (!*hasInProgress || attempt.m_startedAt > inProgress->m_startedAt)
            *inProgress = attempt;
        *hasInProgress = true;
    }
    return true;
}

void CAttemptRecording::resume(const CAttempt& attempt)
{
    m_attempt = attempt;
}

bool CAttemptRecording::sendOutbox()
{
    return m_recorder.sendOutbox();
}

wxString CAttemptRecording::getLastError() const
{
    return wxString::FromUTF8(m_lastError.empty() ? m_recorder.getLastError() : m_lastError);
}
