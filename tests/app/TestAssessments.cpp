#include "tests/app/TestAssessments.h"

#include "app/BundledSample.h"
#include "app/UserAssessments.h"
#include "assessment/AssessmentMgrPanel.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "external/widgets/VeltoStaticCtrl.h"
#include "views/AssessmentViewPanelBase.h"

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

CVeltoCheckedButton* button(wxWindow* panel, int id)
{
    return evtest::findControl<CVeltoCheckedButton>(panel, id);
}

std::vector<int> checkedAnswers(wxWindow* panel)
{
    std::vector<int> checked;
    for (int i = 0; i < 10; ++i)
        if (button(panel, CAssessmentViewPanelBase::kFirstAnswerButtonID + i)->isChecked())
            checked.push_back(i);
    return checked;
}

std::vector<wxString> shownTexts(wxWindow* panel)
{
    std::vector<wxString> texts;
    // The texts are made with wxID_ANY, which the toolkit turns into ids of its own.
    for (wxWindow* child : panel->GetChildren())
        if (dynamic_cast<CVeltoStaticCtrl*>(child) && child->IsShown())
            texts.push_back(child->GetLabel());
    return texts;
}

void clickAnswer(wxWindow* panel, int index)
{
    CVeltoCheckedButton* answer = button(panel, CAssessmentViewPanelBase::kFirstAnswerButtonID + index);
    ASSERT_TRUE(answer->IsShown()) << "answer " << index;
    answer->setChecked(!answer->isChecked(), false);
    evtest::clickButton(answer);
}

void clickNavigation(wxWindow* panel, int id)
{
    ASSERT_TRUE(button(panel, id)->IsShown()) << id;
    evtest::clickButton(button(panel, id));
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
