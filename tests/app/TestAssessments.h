#pragma once

#include "app/AssessmentDocument.h"
#include "app/AuthoringFrame.h"
#include "external/data/AssessmentMgr.h"
#include "tests/support/WxTest.h"

#include <wx/listctrl.h>

class CVeltoCheckedButton;

#include <initializer_list>
#include <vector>

// Assessments built in memory, and fixtures, for the tests of the host application.
namespace apptest
{

// Adds a question with `numAnswers` answers ("Answer 1" ...) whose correct
// answers are `correct`, and an entry for it.
void addQuestion(CAssessmentMgr& assessment, CQuestionData::eCategoryType category, unsigned numAnswers,
                 std::initializer_list<int> correct);

wxArrayInt indexes(std::initializer_list<int> values);

// The bundled sample's assessment file (in the source tree).
wxString sampleFile();

// A page of the taker's window (or the review of missed questions) as the
// taker sees and uses it: its buttons by identifier, the answers checked,
// the texts shown in creation order.
CVeltoCheckedButton* button(wxWindow* panel, int id);
std::vector<int> checkedAnswers(wxWindow* panel);
std::vector<wxString> shownTexts(wxWindow* panel);
// As the real button does: toggle, then tell the panel.
void clickAnswer(wxWindow* panel, int index);
// Presses a navigation button, which must be shown.
void clickNavigation(wxWindow* panel, int id);

// A copy of the sample open in the authoring window.
class CAuthoringTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override;
    void sendMenu(int id);

    wxString file;
    CAssessmentDocument document;
    CAuthoringFrame* frame = nullptr;
    wxListCtrl* list = nullptr;
};

// The program itself, run as a user's script runs it.
class CProgramTest : public evtest::CTempDirTest
{
protected:
    long run(const wxString& arguments);

    wxArrayString output;
    wxArrayString errors;
};

} // namespace apptest
