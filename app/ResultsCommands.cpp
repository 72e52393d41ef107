#include "app/ResultsCommands.h"

#include "app/AssessmentResults.h"
#include "app/CommandLine.h"
#include "app/ConsoleMode.h"
#include "app/ResultsSettings.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"
#include "results/ResultsCsv.h"
#include "results/ResultsRecorder.h"
#include "results/StatisticsReport.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/tokenzr.h>

#include <cstdio>

namespace
{
int fail(const wxString& message)
{
    std::fprintf(stderr, "evalon: %s\n", message.utf8_string().c_str());
    return 1;
}

bool loadAssessment(const wxString& file, CAssessmentMgr* assessment, wxString* error)
{
    CAssessmentSerializer serializer(assessment, CResultsCommands::assessmentKey(file));
    if (serializer.load())
        return true;
    *error = serializer.getLastError();
    return false;
}

bool takesOneAnswer(const CQuestionData& question)
{
    return question.getCategoryType() != CQuestionData::eMultipleAnswers;
}
} // namespace

int CResultsCommands::run(const CCommandLine& commandLine)
{
    const CConsoleMode console(commandLine.language);
    if (!console.isOk())
        return fail(_("wxWidgets could not be started"));
    if (commandLine.getMode() == CCommandLine::eRecord)
        return record(commandLine.getFile(), commandLine.getTaker(), commandLine.getAnswers(),
                      commandLine.getStore());
    if (commandLine.getMode() == CCommandLine::eReport)
        return writeReport(commandLine.getFile(), commandLine.getStore(), commandLine.getTarget());
    return writeResults(commandLine.getFile(), commandLine.getStore(), commandLine.getTarget());
}

wxString CResultsCommands::assessmentKey(const wxString& assessmentFile)
{
    wxFileName name(assessmentFile);
    name.MakeAbsolute();
    name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_TILDE | wxPATH_NORM_ABSOLUTE);
    return name.GetFullPath();
}

bool CResultsCommands::parseAnswers(const wxString& text, CAssessmentMgr& assessment,
                                    std::vector<std::vector<unsigned>>* answers, wxString* error)
{
    answers->clear();
    const wxArrayString groups = wxStringTokenize(text, ";", wxTOKEN_RET_EMPTY_ALL);
    if (groups.size() != assessment.getCount())
    {
        *error = wxString::Format(_("--answers has %zu groups, but the assessment has %u questions"),
                                  groups.size(), assessment.getCount());
        return false;
    }
    for (unsigned position = 0; position < groups.size(); ++position)
    {
        const wxString group = groups[position].Strip(wxString::both);
        // TRANSLATORS: where in the --answers option a mistake is: the group's number and its text.
        const wxString where = wxString::Format(_("group %u (\"%s\") of --answers"), position + 1, group);
        const CQuestionData* question =
            assessment.getQuestionDataMgr()->getQuestionDataForID(assessment.getDataAtIndex(position)->m_questionID);
        std::vector<unsigned> chosen;
        for (const wxString& item : wxStringTokenize(group, ",", wxTOKEN_RET_EMPTY_ALL))
        {
            if (group.empty())
                break;
            unsigned long index = 0;
            const wxString trimmed = wxString(item).Strip(wxString::both);
            const unsigned numAnswers = question ? question->getNumAnswers() : 0;
            if (!trimmed.ToULong(&index) || trimmed.empty() || !wxIsdigit(trimmed[0]) || index >= numAnswers)
            {
                *error = wxString::Format(
                    // TRANSLATORS: the first %s is where in --answers, as "group 2 ("1,7") of --answers".
                    _("%s: \"%s\" is not an answer of question %u, which has answers 0 to %d"), where,
                    trimmed, position + 1, int(numAnswers) - 1);
                return false;
            }
            if (std::find(chosen.begin(), chosen.end(), unsigned(index)) != chosen.end())
            {
                *error = wxString::Format(_("%s: answer %lu is given twice"), where, index);
                return false;
            }
            chosen.push_back(unsigned(index));
        }
        if (chosen.size() > 1 && takesOneAnswer(*question))
        {
            *error = wxString::Format(wxPLURAL("%s: question %u takes one answer, but %zu are given",
                                               "%s: question %u takes one answer, but %zu are given",
                                               chosen.size()),
                                      where, position + 1, chosen.size());
            return false;
        }
        answers->push_back(chosen);
    }
    return true;
}

int CResultsCommands::record(const wxString& assessmentFile, const wxString& taker, const wxString& answers,
                             const wxString& storeOption)
{
    CAssessmentMgr assessment;
    wxString error;
    if (!loadAssessment(assessmentFile, &assessment, &error))
        return fail(error);
    if (taker.Strip(wxString::both).empty())
        return fail(_("--record needs the taker's name (--taker NAME)"));
    std::vector<std::vector<unsigned>> chosen;
    if (!parseAnswers(answers, assessment, &chosen, &error))
        return fail(wxString::Format(_("%s; nothing was stored"), error));

    CAttempt attempt =
        CAttempt::begin(assessment, assessmentKey(assessmentFile).utf8_string(), taker.utf8_string());
    for (unsigned position = 0; position < chosen.size(); ++position)
        attempt.setAnswers(position, chosen[position]);
    attempt.submit();
    CResultsRecorder recorder(CResultsSettings::storeUrl(storeOption).utf8_string(),
                              CResultsSettings::outboxPath().utf8_string());
    switch (recorder.save(attempt))
    {
    case CResultsRecorder::eStored:
        break;
    case CResultsRecorder::eKeptInOutbox:
        std::fprintf(stderr, "evalon: %s\n%s\n", recorder.getLastError().c_str(),
                     wxGetTranslation(CResultsRecorder::kOutboxNotice).utf8_string().c_str());
        break;
    case CResultsRecorder::eLost:
        return fail(wxString::FromUTF8(recorder.getLastError()));
    }
    std::printf("%s\n",
                // TRANSLATORS: %s are the attempt's id and the taker's name; then the score in percent and
                // how many questions the taker marked to review.
                wxString::Format(_("Recorded attempt %s of %s: score %u%%, %u to review."),
                                 wxString::FromUTF8(attempt.m_id), wxString::FromUTF8(attempt.m_taker),
                                 attempt.m_score, attempt.m_numToReview)
                    .utf8_string()
                    .c_str());
    return 0;
}

int CResultsCommands::writeResults(const wxString& assessmentFile, const wxString& storeOption,
                                   const wxString& target)
{
    // The assessment gives the pass mark the attempts are judged against.
    CAssessmentMgr assessment;
    wxString loadError;
    if (!loadAssessment(assessmentFile, &assessment, &loadError))
        return fail(loadError);
    std::string error;
    auto store = CResultsStore::open(CResultsSettings::storeUrl(storeOption).utf8_string(), &error);
    if (!store)
        return fail(wxString::FromUTF8(error));
    CResultsStore::SFilter filter;
    filter.m_assessmentFile = assessmentKey(assessmentFile).utf8_string();
    filter.m_submittedOnly = true;
    std::vector<CAttempt> attempts;
    if (!store->listAttempts(filter, &attempts, &error) ||
        !CResultsCsv::write(attempts, target.utf8_string(), &error,
                            assessment.getDeliveryOptions()->passMark()))
        return fail(wxString::FromUTF8(error));
    std::printf("%s\n", wxString::Format(wxPLURAL("%zu attempts written to %s.",
                                                  "%zu attempts written to %s.", attempts.size()),
                                         attempts.size(), target)
                            .utf8_string()
                            .c_str());
    return 0;
}

int CResultsCommands::writeReport(const wxString& assessmentFile, const wxString& storeOption, const wxString& target)
{
    CAssessmentMgr assessment;
    wxString error;
    if (!loadAssessment(assessmentFile, &assessment, &error))
        return fail(error);
    CAssessmentResults results(&assessment, assessmentFile, CResultsSettings::storeUrl(storeOption));
    if (!results.read())
        return fail(results.getLastError());
    std::string reason;
    if (!CStatisticsReport::write(results.getStatistics(), results.getAttempts(),
                                  wxFileName(assessmentFile).GetFullName().utf8_string(),
                                  target.utf8_string(), &reason, assessment.getDeliveryOptions()->passMark()))
        return fail(wxString::FromUTF8(reason));
    for (const std::string& note : results.getStatistics().notes())
        std::printf("%s\n", note.c_str());
    const unsigned counted = results.getStatistics().test().m_attempts;
    std::printf("%s\n", wxString::Format(wxPLURAL("The statistics of %u attempts written to %s.",
                                                  "The statistics of %u attempts written to %s.", counted),
                                         counted, target)
                            .utf8_string()
                            .c_str());
    return 0;
}
