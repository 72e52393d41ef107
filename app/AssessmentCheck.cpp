#include "app/AssessmentCheck.h"

#include "app/Contrast.h"
#include "app/ContrastProbe.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionData.h"
#include "external/widgets/PictureLoader.h"

#include <wx/intl.h>

#include <algorithm>
#include <map>

namespace
{

bool takesOneAnswer(const CQuestionData& question)
{
    return question.getCategoryType() != CQuestionData::eMultipleAnswers;
}

wxString ratioText(double ratio)
{
    return wxString::Format("%.2f:1", ratio);
}

} // namespace

void CAssessmentCheck::addUnreadableEntry(unsigned position, const wxString& reason)
{
    m_unreadable.emplace_back(position, reason);
}

const std::vector<CAssessmentCheck::SProblem>& CAssessmentCheck::run()
{
    m_problems.clear();
    checkQuestions();
    checkPictures();
    if (m_measureContrast)
        checkContrast();
    return m_problems;
}

bool CAssessmentCheck::hasErrors() const
{
    return std::any_of(m_problems.begin(), m_problems.end(),
                       [](const SProblem& problem) { return problem.severity == eError; });
}

void CAssessmentCheck::addQuestionProblem(eSeverity severity, unsigned position, const wxString& text)
{
    m_problems.push_back({severity, position, CEVImageSelections::eNoImage, text});
}

void CAssessmentCheck::addPictureProblem(eSeverity severity, CEVImageSelections::imageID picture,
                                         const wxString& text)
{
    m_problems.push_back({severity, 0, picture, text});
}

void CAssessmentCheck::checkQuestions()
{
    if (m_assessment->getCount() == 0)
        addPictureProblem(eError, CEVImageSelections::eNoImage, _("there are no questions; add one"));
    std::map<unsigned, wxString> unreadable(m_unreadable.begin(), m_unreadable.end());
    std::map<wxString, unsigned> firstWithKey;
    for (unsigned position = 1; position <= m_assessment->getCount(); ++position)
    {
        const auto found = unreadable.find(position);
        const int id = m_assessment->getDataAtIndex(position - 1)->m_questionID;
        const CQuestionData* question = m_assessment->getQuestionDataMgr()->getQuestionDataForID(id);
        if (found != unreadable.end() || !question)
        {
            const wxString reason = found != unreadable.end() ? found->second : _("its question is missing");
            addQuestionProblem(
                eError, position,
                // TRANSLATORS: %s is why the question file of the entry cannot be read.
                wxString::Format(_("%s; remove the entry or point it at another question file"), reason));
            continue;
        }
        wxArrayInt correct;
        question->getCorrectAnswerIndexes(&correct);
        if (correct.empty())
            addQuestionProblem(eError, position, _("no answer is marked correct; mark the right answer"));
        else if (takesOneAnswer(*question) && correct.size() > 1)
            addQuestionProblem(
                eError, position,
                wxString::Format(wxPLURAL("%u answers are marked correct but the question takes "
                                          "one; leave one marked or make it a multiple-answer "
                                          "question",
                                          "%u answers are marked correct but the question takes "
                                          "one; leave one marked or make it a multiple-answer "
                                          "question",
                                          unsigned(correct.size())),
                                 unsigned(correct.size())));
        for (int index : correct)
        {
            if (unsigned(index) >= question->getNumAnswers())
                addQuestionProblem(eError, position,
                                   wxString::Format(_("answer %d is marked correct but is not shown; "
                                                      "unmark it or raise the number of answers"),
                                                    index + 1));
        }
        for (unsigned i = 0; i < question->getNumAnswers(); ++i)
        {
            if (question->getAnswer(i).Strip(wxString::both).empty())
                addQuestionProblem(
                    eError, position,
                    wxString::Format(_("answer %u is empty; write it or lower the number of answers"),
                                     i + 1));
        }
        const auto same = firstWithKey.emplace(question->textAndAnswersKey(), position);
        if (!same.second)
            addQuestionProblem(eWarning, position,
                               wxString::Format(_("the same question and answers as question %u; remove one"),
                                                same.first->second));
    }
}

void CAssessmentCheck::checkPictures()
{
    const CEVImageSelections* pictures = m_assessment->getAttributes()->getImageSelections();
    for (unsigned i = 0; i < CEVImageSelections::kNumImages; ++i)
    {
        const auto id = CEVImageSelections::imageID(i);
        const CImageSelectionsInfo* info = pictures->getImageSelectionsInfoFor(id);
        if (info->getRelativePath().empty())
        {
            addPictureProblem(eError, id, _("no picture is chosen; choose one in Attributes"));
            continue;
        }
        wxImage image;
        wxString reason;
        if (!CPictureLoader::load(info->getAbsolutePath(), &image, &reason))
            addPictureProblem(eError, id,
                              // TRANSLATORS: %s is why the picture cannot be loaded.
                              wxString::Format(_("%s; choose another picture in Attributes"), reason));
    }
}

void CAssessmentCheck::checkContrast()
{
    const wxColour text = m_assessment->getAttributes()->getFontInfo()->getFontColour();
    for (const CContrastProbe::SMeasurement& measured : CContrastProbe::measure(m_assessment))
    {
        if (measured.ratio >= CContrast::kReadableRatio)
            continue;
        const eSeverity severity = measured.ratio < CContrast::kLargeTextRatio ? eError : eWarning;
        const wxString page = measured.questionPosition == 0
                                  ? _("the review page")
                                  : wxString::Format(_("question %u"), measured.questionPosition);
        addPictureProblem(
            severity, measured.background,
            // TRANSLATORS: %s are a colour (#rrggbb), a ratio (2.10:1) and "question 3" or
            // "the review page".
            wxString::Format(_("the text colour %s has a contrast of %s with the picture behind "
                               "the texts of %s (4.50:1 reads well); choose another colour or "
                               "picture in Attributes"),
                             text.GetAsString(wxC2S_HTML_SYNTAX), ratioText(measured.ratio), page));
    }
}

wxString CAssessmentCheck::placeOf(const SProblem& problem)
{
    if (problem.questionPosition > 0)
        return wxString::Format(_("question %u"), problem.questionPosition);
    const CEVImageSelections labelled;
    const CImageSelectionsInfo* picture = labelled.getImageSelectionsInfoFor(problem.picture);
    return picture ? picture->getLabel() : _("assessment");
}

wxString CAssessmentCheck::describe(const SProblem& problem)
{
    // TRANSLATORS: %s are where the problem is ("question 3") and what it is.
    return wxString::Format(problem.severity == eError ? _("error: %s: %s") : _("warning: %s: %s"),
                            placeOf(problem), problem.text);
}

wxString CAssessmentCheck::describeAll() const
{
    wxString lines;
    for (const SProblem& problem : m_problems)
        lines << describe(problem) << '\n';
    return lines;
}
