#pragma once

#include "app/AssessmentDocument.h"
#include "app/AttemptRecording.h"
#include "app/AuthoringFrame.h"
#include "app/BundledSample.h"
#include "external/data/AssessmentMgr.h"
#include "external/widgets/VeltoCheckedButton.h"
#include "tests/support/WxTest.h"

#include <wx/listctrl.h>
#include <wx/uiaction.h>

class CTakeAssessmentFrame;
class CTakeAssessmentPanel;

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

// Assessments built in memory, and fixtures, for the tests of the host application.
namespace apptest
{

// Adds a question with `numAnswers` answers ("Answer 1" ...) whose correct
// answers are `correct`, and an entry for it.
void addQuestion(CAssessmentMgr& assessment, CQuestionData::eCategoryType category, unsigned numAnswers,
                 std::initializer_list<int> correct);

wxArrayInt indexes(std::initializer_list<int> values);
// The question of the entry at `position` (from 1).
CQuestionData* questionAt(CAssessmentMgr& assessment, unsigned position);

// The bundled sample's assessment file (in the source tree).
inline wxString sampleFile()
{
    return CBundledSample::getFile();
}
// A file's text; empty when it cannot be read.
inline wxString fileText(const wxString& file)
{
    return wxString::FromUTF8(evtest::readFile(file));
}

// A page of the taker's window (or the review of missed questions) as the
// taker sees and uses it: its buttons by identifier, the answers checked,
// the texts shown in creation order.
inline CVeltoCheckedButton* button(wxWindow* panel, int id)
{
    return evtest::findControl<CVeltoCheckedButton>(panel, id);
}
std::vector<int> checkedAnswers(wxWindow* panel);
std::vector<wxString> shownTexts(wxWindow* panel);
// The controls shown, in creation order.
std::vector<wxWindow*> shownControls(wxWindow* panel);
// Everything shown lies inside the page and apart from everything else.
void checkPlacement(wxWindow* panel, const wxString& page);
// As the real button does: toggle, then tell the panel.
void clickAnswer(wxWindow* panel, int index);
// Presses a navigation button, which must be shown.
void clickNavigation(wxWindow* panel, int id);
// Clicks the right answers of the question shown.
void answerRight(CTakeAssessmentPanel* panel);

// A menu command, sent to `window` as its menu bar sends it.
void sendMenu(wxWindow* window, int id);
// Pumps until no top-level window is left; whether none is.
inline bool allClosed()
{
    return evtest::pumpUntil([] { return wxTopLevelWindows.empty(); });
}

// The bundled sample, open; and the taker's window on it when asked for.
class CSampleTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override;
    // Shown, its first page laid out; also in `frame` and `panel`.
    CTakeAssessmentFrame* openTaking(std::function<long long()> clock = nullptr,
                                     std::unique_ptr<CAttemptRecording> recording = nullptr,
                                     bool missedReview = false);
    // Opened in front, the first answer focused, for keys and clicks.
    void openRaised();
    // A key typed on the real keyboard, and the events it sends run.
    void press(int key);
    // The results store in the test's folder.
    wxString storeUrl() const { return "sqlite:" + path("results.sqlite"); }

    CAssessmentDocument document;
    CTakeAssessmentFrame* frame = nullptr;
    CTakeAssessmentPanel* panel = nullptr;
    wxUIActionSimulator input; // the real keyboard and mouse
};

// A copy of the sample open in the authoring window.
class CAuthoringTest : public evtest::CTempDirTest
{
protected:
    void SetUp() override;
    void sendMenu(int id) { apptest::sendMenu(frame, id); }

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
    wxString firstError() const { return errors.empty() ? wxString() : errors[0]; }

    wxArrayString output;
    wxArrayString errors;
};

} // namespace apptest
