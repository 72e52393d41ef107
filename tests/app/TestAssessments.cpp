#include "tests/app/TestAssessments.h"

#include "app/BundledSample.h"

namespace apptest
{

void addQuestion(CAssessmentMgr& assessment, CQuestionData::eCategoryType category, unsigned numAnswers,
                 std::initializer_list<int> correct)
{
    CQuestionData question;
    question.setCategoryType(category);
    question.setQuestion(wxString::Format("Question %u", assessment.getCount() + 1));
    question.setNumAnswers(int(numAnswers));
    for (unsigned i = 0; i < numAnswers; ++i)
        question.setAnswer(i, wxString::Format("Answer %u", i + 1));
    wxArrayInt correctIndexes = indexes(correct);
    question.setCorrectAnswerIndexes(&correctIndexes);
    CAssessmentMgrData entry(assessment.getQuestionDataMgr()->addQuestion(question));
    assessment.addData(entry);
}

wxArrayInt indexes(std::initializer_list<int> values)
{
    wxArrayInt result;
    for (int value : values)
        result.Add(value);
    return result;
}

std::vector<int> toVector(const wxArrayInt& values)
{
    return std::vector<int>(values.begin(), values.end());
}

wxString sampleFile()
{
    return CBundledSample::getFile();
}

} // namespace apptest
