#include "tests/app/TestAssessments.h"

#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "app/UserAssessments.h"
#include "assessment/AssessmentMgrPanel.h"
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

CQuestionData* questionAt(CAssessmentMgr& assessment, unsigned position)
{
    return assessment.getQuestionDataMgr()->getQuestionDataForID(
        assessment.getDataAtIndex(position - 1)->m_questionID);
}

wxArrayInt indexes(std::initializer_list<int> values)
{
    wxArrayInt result;
    for (int value : values)
        result.Add(value);
    return result;
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

std::vector<wxWindow*> shownControls(wxWindow* panel)
{
    std::vector<wxWindow*> shown;
    for (wxWindow* child : panel->GetChildren())
        if (child->IsShown())
            shown.push_back(child);
    return shown;
}

void checkPlacement(wxWindow* panel, const wxString& page)
{
    const std::vector<wxWindow*> shown = shownControls(panel);
    const wxRect client(panel->GetClientSize());
    for (size_t i = 0; i < shown.size(); ++i)
    {
        EXPECT_TRUE(client.Contains(shown[i]->GetRect()))
            << page << ": " << shown[i]->GetLabel() << " at " << shown[i]->GetRect().GetBottomRight().x << ","
            << shown[i]->GetRect().GetBottomRight().y;
        for (size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(shown[i]->GetRect().Intersects(shown[j]->GetRect()))
                << page << ": " << shown[i]->GetLabel() << " / " << shown[j]->GetLabel();
    }
}

void clickAnswer(wxWindow* panel, int index)
{
    CVeltoCheckedButton* answer = button(panel, CAssessmentViewPanelBase::kFirstAnswerButtonID + index);
    ASSERT_TRUE(answer->IsShown()) << "answer " << index;
    answer->setChecked(!answer->isChecked(), false);
    evtest::clickButton(answer);
}

void answerRight(CTakeAssessmentPanel* panel)
{
    wxArrayInt correct;
    panel->getTaking()->getCurrentQuestion()->getCorrectAnswerIndexes(&correct);
    for (int index : correct)
        clickAnswer(panel, index);
}

void clickNavigation(wxWindow* panel, int id)
{
    ASSERT_TRUE(button(panel, id)->IsShown()) << id;
    evtest::clickButton(button(panel, id));
}

void sendMenu(wxWindow* window, int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    window->GetEventHandler()->ProcessEvent(command);
}

void CSampleTest::SetUp()
{
    CTempDirTest::SetUp();
    ASSERT_TRUE(document.open(sampleFile())) << document.getLastError();
}

CTakeAssessmentFrame* CSampleTest::openTaking(std::function<long long()> clock,
                                              std::unique_ptr<CAttemptRecording> recording, bool missedReview)
{
    frame = new CTakeAssessmentFrame();
    if (clock)
        frame->setClock(clock);
    if (recording)
        frame->setRecording(std::move(recording));
    frame->setMissedReviewOffered(missedReview);
    EXPECT_TRUE(frame->initialize(document.getAssessment())) << frame->getLastError();
    frame->Show();
    evtest::pumpEvents();
    panel = frame->getPanel();
    return frame;
}

void CSampleTest::openRaised()
{
    openTaking()->Raise();
    ASSERT_TRUE(evtest::pumpUntil(
        [&] { return wxWindow::FindFocus() == button(panel, CTakeAssessmentPanel::kFirstAnswerButtonID); }));
}

void CSampleTest::press(int key)
{
    input.Char(key);
    evtest::pumpEvents();
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

long CProgramTest::run(const wxString& arguments)
{
    output.clear();
    errors.clear();
    return wxExecute(wxString(EVALON_PROGRAM) + " " + arguments, output, errors, wxEXEC_SYNC);
}

} // namespace apptest
