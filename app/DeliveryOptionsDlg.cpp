#include "app/DeliveryOptionsDlg.h"

#include "app/HostMessages.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

// OK and Cancel keep the toolkit's own handling.
// clang-format off
wxBEGIN_EVENT_TABLE(CDeliveryOptionsDlg, wxDialog)
wxEND_EVENT_TABLE()
// clang-format on

CDeliveryOptionsDlg::CDeliveryOptionsDlg(wxWindow* parent, wxWindowID id, const wxString& title,
                                         const wxPoint& pos, const wxSize& size, long style, const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

void CDeliveryOptionsDlg::zeroInit()
{
    m_options = nullptr;
    m_shuffleQuestions = nullptr;
    m_shuffleAnswers = nullptr;
    m_timeLimit = nullptr;
    m_attempts = nullptr;
    m_passMark = nullptr;
}

bool CDeliveryOptionsDlg::createControls()
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    m_shuffleQuestions = new wxCheckBox(this, kShuffleQuestionsID,
                                        _("Shuffle the &questions: each attempt has an order of its own"));
    m_shuffleAnswers =
        new wxCheckBox(this, kShuffleAnswersID,
                       _("Shuffle the &answers of each question (never those of true/false questions)"));
    sizer->Add(m_shuffleQuestions, 0, wxLEFT | wxRIGHT | wxTOP, 10);
    sizer->Add(m_shuffleAnswers, 0, wxLEFT | wxRIGHT | wxTOP, 10);

    auto* numbers = new wxFlexGridSizer(3, 10, 10);
    auto addNumber = [&](int id, const wxString& label, const wxString& hint)
    {
        auto* field = new wxTextCtrl(this, id, wxString(), wxDefaultPosition, wxSize(80, -1));
        numbers->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        numbers->Add(field, 0, wxALIGN_CENTER_VERTICAL);
        numbers->Add(new wxStaticText(this, wxID_ANY, hint), 0, wxALIGN_CENTER_VERTICAL);
        return field;
    };
    m_timeLimit = addNumber(kTimeLimitID, _("&Time limit:"), _("minutes, 1 to 1,440 (empty: none)"));
    m_attempts =
        addNumber(kAttemptsID, _("Attempts &allowed:"), _("per taker, 1 to 1,000 (empty: unlimited)"));
    m_passMark = addNumber(kPassMarkID, _("&Pass mark:"), _("percent, 0 to 100 (empty: none)"));
    sizer->Add(numbers, 0, wxALL, 10);
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(sizer);
    return true;
}

void CDeliveryOptionsDlg::initialize(CDeliveryOptions* options)
{
    m_options = options;
}

namespace
{

wxString numberText(unsigned value, bool present)
{
    return present ? wxString::Format("%u", value) : wxString();
}

} // namespace

bool CDeliveryOptionsDlg::TransferDataToWindow()
{
    if (!m_options)
        return false;
    m_shuffleQuestions->SetValue(m_options->getShuffleQuestions());
    m_shuffleAnswers->SetValue(m_options->getShuffleAnswers());
    m_timeLimit->ChangeValue(numberText(m_options->getTimeLimitMinutes(), m_options->getTimeLimitMinutes() != 0));
    m_attempts->ChangeValue(numberText(m_options->getAttemptsAllowed(), m_options->getAttemptsAllowed() != 0));
    m_passMark->ChangeValue(numberText(m_options->getPassMark(), m_options->hasPassMark()));
    return true;
}

bool CDeliveryOptionsDlg::TransferDataFromWindow()
{
    if (!m_options)
        return false;
    unsigned minutes = 0, attempts = 0, passMark = 0;
    bool hasLimit = false, hasAttempts = false, hasPassMark = false;
    if (!readNumber(m_timeLimit, 1, CDeliveryOptions::kMaxTimeLimitMinutes,
                    _("The time limit must be a whole number of minutes from 1 to 1,440, or empty for none."),
                    &minutes, &hasLimit) ||
        !readNumber(m_attempts, 1, CDeliveryOptions::kMaxAttempts,
                    _("The attempts allowed must be a whole number from 1 to 1,000, or empty for unlimited."),
                    &attempts, &hasAttempts) ||
        !readNumber(m_passMark, 0, CDeliveryOptions::kMaxPassMark,
                    _("The pass mark must be a whole number of percent from 0 to 100, or empty for none."),
                    &passMark, &hasPassMark))
        return false;
    CDeliveryOptions options;
    options.setShuffleQuestions(m_shuffleQuestions->GetValue());
    options.setShuffleAnswers(m_shuffleAnswers->GetValue());
    options.setTimeLimitMinutes(minutes);
    options.setAttemptsAllowed(attempts);
    if (hasPassMark)
        options.setPassMark(passMark);
    *m_options = options;
    return true;
}

bool CDeliveryOptionsDlg::readNumber(wxTextCtrl* field, unsigned min, unsigned max, const wxString& problem,
                                     unsigned* value, bool* present)
{
    const wxString text = wxString(field->GetValue()).Strip(wxString::both);
    *value = 0;
    *present = !text.empty();
    if (text.empty())
        return true;
    unsigned long number = 0;
    if (text.find_first_not_of("0123456789") != wxString::npos || !text.ToULong(&number) || number < min ||
        number > max)
    {
        refuse(field, problem);
        return false;
    }
    *value = unsigned(number);
    return true;
}

void CDeliveryOptionsDlg::refuse(wxTextCtrl* field, const wxString& problem)
{
    CHostMessages::warning(problem, this);
    field->SetFocus();
    field->SelectAll();
}
