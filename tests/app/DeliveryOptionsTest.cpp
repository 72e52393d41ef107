#include "app/DeliveryOptionsDlg.h"
#include "tests/app/TestAssessments.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

namespace
{

using Dlg = CDeliveryOptionsDlg;

struct SFilled
{
    bool shuffleQuestions = false;
    bool shuffleAnswers = false;
    const char* timeLimit = "";
    const char* attempts = "";
    const char* passMark = "";
};

class DeliveryOptionsTest : public apptest::CAuthoringTest
{
protected:
    // The dialog as the author fills it: shown, the fields typed, OK pressed.
    // The toolkit's OK hides the dialog only when the values are taken.
    static wxTextCtrl* field(Dlg* dialog, int id) { return evtest::findControl<wxTextCtrl>(dialog, id); }
    static bool fillAndPressOk(Dlg* dialog, const SFilled& filled)
    {
        dialog->Show();
        evtest::findControl<wxCheckBox>(dialog, Dlg::kShuffleQuestionsID)->SetValue(filled.shuffleQuestions);
        evtest::findControl<wxCheckBox>(dialog, Dlg::kShuffleAnswersID)->SetValue(filled.shuffleAnswers);
        field(dialog, Dlg::kTimeLimitID)->ChangeValue(filled.timeLimit);
        field(dialog, Dlg::kAttemptsID)->ChangeValue(filled.attempts);
        field(dialog, Dlg::kPassMarkID)->ChangeValue(filled.passMark);
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        ok.SetEventObject(dialog->FindWindow(wxID_OK));
        dialog->ProcessWindowEvent(ok);
        const bool taken = !dialog->IsShown();
        dialog->Hide();
        return taken;
    }

    CDeliveryOptions* options() { return document.getAssessment()->getDeliveryOptions(); }
};

TEST_F(DeliveryOptionsTest, TheButtonEditsTheOptions)
{
    auto fill = CExpectDialog<Dlg>(
        [](Dlg* dialog) {
            return fillAndPressOk(dialog, {true, false, " 45 ", "2", "0"}) ? int(wxID_OK) : int(wxID_CANCEL);
        });
    wxTEST_DIALOG(
        evtest::clickButton(evtest::findControl<wxButton>(frame, CAuthoringFrame::kDeliveryOptionsID)), fill);
    EXPECT_EQ(wxString::Format("%d %d %u %u %d %u", options()->getShuffleQuestions(),
                               options()->getShuffleAnswers(), options()->getTimeLimitMinutes(),
                               options()->getAttemptsAllowed(), options()->hasPassMark(),
                               options()->getPassMark()),
              "1 0 45 2 1 0");

    // Shown again as given, and emptied back to every option off.
    auto shownAndCleared = CExpectDialog<Dlg>(
        [](Dlg* dialog)
        {
            dialog->Show();
            EXPECT_TRUE(evtest::findControl<wxCheckBox>(dialog, Dlg::kShuffleQuestionsID)->GetValue());
            EXPECT_EQ(field(dialog, Dlg::kTimeLimitID)->GetValue() + " " +
                          field(dialog, Dlg::kAttemptsID)->GetValue() + " " +
                          field(dialog, Dlg::kPassMarkID)->GetValue(),
                      "45 2 0");
            return fillAndPressOk(dialog, {}) ? int(wxID_OK) : int(wxID_CANCEL);
        });
    bool accepted = false;
    wxTEST_DIALOG(accepted = frame->editDeliveryOptions(), shownAndCleared);
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(options()->isDefault());
}

// OK refuses a value out of range with the field named, the dialog stays
// open and the options stay as they were.
TEST_F(DeliveryOptionsTest, OkNamesTheFieldThatIsWrong)
{
    const char* time = "The time limit must be a whole number of minutes from 1 to 1,440, or empty for none.";
    const char* attempts =
        "The attempts allowed must be a whole number from 1 to 1,000, or empty for unlimited.";
    const char* passMark =
        "The pass mark must be a whole number of percent from 0 to 100, or empty for none.";
    const std::pair<SFilled, const char*> refusals[] = {
        {{false, false, "1441", "", ""}, time},
        {{false, false, "1440", "0", ""}, attempts},
        {{false, false, "", "", "101"}, passMark},
    };
    for (const auto& [filled, reason] : refusals)
    {
        SCOPED_TRACE(reason);
        bool taken = true;
        auto fill = CExpectDialog<Dlg>([&, filled = filled](Dlg* dialog)
                                       { return taken = fillAndPressOk(dialog, filled), int(wxID_CANCEL); });
        wxTEST_DIALOG(frame->editDeliveryOptions(), fill, expectMessage(reason));
        EXPECT_FALSE(taken);
        EXPECT_TRUE(options()->isDefault());
    }
}

} // namespace
