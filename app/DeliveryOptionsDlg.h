#pragma once

#include "external/data/DeliveryOptions.h"

#include <wx/dialog.h>
#include <wx/intl.h>

class wxCheckBox;
class wxTextCtrl;

// Edits how an assessment is delivered: shuffled questions and answers, a
// time limit, the attempts a taker may make and the pass mark. The numbers
// are typed, an empty field meaning none (or unlimited); OK refuses a value
// out of its range, names the field and leaves the dialog open.
class CDeliveryOptionsDlg : public wxDialog
{
public:
    static const int kShuffleQuestionsID = 2101;
    static const int kShuffleAnswersID = 2102;
    static const int kTimeLimitID = 2103;
    static const int kAttemptsID = 2104;
    static const int kPassMarkID = 2105;

    CDeliveryOptionsDlg(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY,
                        const wxString& title = _("Delivery Options"), const wxPoint& pos = wxDefaultPosition,
                        const wxSize& size = wxDefaultSize, long style = wxDEFAULT_DIALOG_STYLE,
                        const wxString& name = wxDialogNameStr);

    // The options are the caller's; OK writes into them.
    void initialize(CDeliveryOptions* options);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

private:
    void zeroInit();
    bool createControls();
    // Reads a whole number from `field`: empty gives 0 (or false for
    // `present`); false after telling the user when it is no number from
    // `min` to `max`.
    bool readNumber(wxTextCtrl* field, unsigned min, unsigned max, const wxString& problem, unsigned* value,
                    bool* present);
    void refuse(wxTextCtrl* field, const wxString& problem);

    CDeliveryOptions* m_options;
    wxCheckBox* m_shuffleQuestions;
    wxCheckBox* m_shuffleAnswers;
    wxTextCtrl* m_timeLimit;
    wxTextCtrl* m_attempts;
    wxTextCtrl* m_passMark;

    wxDECLARE_EVENT_TABLE();
};
