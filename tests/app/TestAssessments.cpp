#include "tests/app/TestAssessments.h"

#include "app/BundledSample.h"
#include "app/UserAssessments.h"
#include "assessment/AssessmentMgrPanel.h"

#include <wx/utils.h>

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

wxString sampleFile()
{
    return CBundledSample::getFile();
}

void CAuthoringTest::SetUp()
{
    CTempDirTest::SetUp();
    CUserAssessments user(path("Evalon"));
    ASSERT_TRUE(user.copySample(sampleFile(), &file)) << user.getLastError();
    ASSERT_TRUE(document.open(file)) << document.getLastError();
    frame = new CAuthoringFrame();
    frame->initialize(&document);
    frame->Show();
    list = evtest::findControl<wxListCtrl>(frame, CAssessmentMgrPanel::kListCtrlID);
}

void CAuthoringTest::sendMenu(int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    frame->GetEventHandler()->ProcessEvent(command);
}

long CProgramTest::run(const wxString& arguments)
{
    output.clear();
    errors.clear();
    return wxExecute(wxString(EVALON_PROGRAM) + " " + arguments, output, errors, wxEXEC_SYNC);
}

} // namespace apptest
