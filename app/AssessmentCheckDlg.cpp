#include "app/AssessmentCheckDlg.h"

#include "external/data/EVImageSelections.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

// clang-format off
wxBEGIN_EVENT_TABLE(CAssessmentCheckDlg, wxDialog)
    EVT_BUTTON(CAssessmentCheckDlg::kGoThereID, CAssessmentCheckDlg::OnGoThere)
    EVT_LIST_ITEM_ACTIVATED(CAssessmentCheckDlg::kListID, CAssessmentCheckDlg::OnRowActivated)
    EVT_UPDATE_UI(CAssessmentCheckDlg::kGoThereID, CAssessmentCheckDlg::OnUpdateGoThere)
wxEND_EVENT_TABLE()
// clang-format on

CAssessmentCheckDlg::CAssessmentCheckDlg(wxWindow* parent, wxWindowID id, const wxString& title,
                                         const wxPoint& pos, const wxSize& size, long style,
                                         const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

CAssessmentCheckDlg::~CAssessmentCheckDlg()
{
    // The generic list sends its deletion event from its own destructor, after
    // this dialog's members are gone.
    m_list->DeleteAllItems();
}

void CAssessmentCheckDlg::zeroInit()
{
    m_check = nullptr;
    m_chosen = -1;
    m_summary = nullptr;
    m_list = nullptr;
    m_goThereButton = nullptr;
}

bool CAssessmentCheckDlg::createControls()
{
    m_summary = new wxStaticText(this, kSummaryID, wxString());
    m_summary->SetFont(m_summary->GetFont().Bold());
    m_list =
        new wxListCtrl(this, kListID, wxDefaultPosition, wxSize(1040, 280), wxLC_REPORT | wxLC_SINGLE_SEL);
    m_list->AppendColumn(_("Severity"), wxLIST_FORMAT_LEFT, 80);
    m_list->AppendColumn(_("Place"), wxLIST_FORMAT_LEFT, 170);
    m_list->AppendColumn(_("Problem"), wxLIST_FORMAT_LEFT, 780);
    m_goThereButton = new wxButton(this, kGoThereID, _("&Go There"));

    // Close is the dialog's Cancel, placed where the platform puts it; Go
    // There, which is not a standard role, goes first at the left.
    auto* buttons = new wxStdDialogButtonSizer();
    buttons->SetCancelButton(new wxButton(this, wxID_CANCEL, _("&Close")));
    buttons->Realize();
    buttons->Insert(0, m_goThereButton, 0, wxRIGHT, 10);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(m_summary, 0, wxALL | wxEXPAND, 10);
    topSizer->Add(m_list, 1, wxLEFT | wxRIGHT | wxEXPAND, 10);
    topSizer->Add(buttons, 0, wxALL | wxEXPAND, 10);
    SetSizerAndFit(topSizer);
    SetEscapeId(wxID_CANCEL);
    return true;
}

void CAssessmentCheckDlg::initialize(const CAssessmentCheck* check, const wxString& intro)
{
    m_check = check;
    m_intro = intro;
}

wxString CAssessmentCheckDlg::summary() const
{
    unsigned errors = 0;
    for (const CAssessmentCheck::SProblem& problem : m_check->getProblems())
        errors += problem.severity == CAssessmentCheck::eError;
    const unsigned warnings = unsigned(m_check->getProblems().size()) - errors;
    const wxString counts =
        errors + warnings == 0
            ? _("No problems found.")
            // TRANSLATORS: %s are "1 error" or "2 errors", then "1 warning" or "2 warnings".
            : wxString::Format(_("%s and %s."),
                               wxString::Format(wxPLURAL("%u error", "%u errors", errors), errors),
                               wxString::Format(wxPLURAL("%u warning", "%u warnings", warnings), warnings));
    return m_intro.empty() ? counts : m_intro + " " + counts;
}

bool CAssessmentCheckDlg::TransferDataToWindow()
{
    if (!m_check)
        return false;
    m_summary->SetLabel(summary());
    m_list->DeleteAllItems();
    long row = 0;
    for (const CAssessmentCheck::SProblem& problem : m_check->getProblems())
    {
        wxString place = CAssessmentCheck::placeOf(problem);
        place[0] = wxToupper(place[0]);
        m_list->InsertItem(row, problem.severity == CAssessmentCheck::eError ? _("Error") : _("Warning"));
        m_list->SetItem(row, 1, place);
        m_list->SetItem(row, 2, problem.text);
        ++row;
    }
    if (row > 0)
        m_list->SetItemState(0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                             wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    return true;
}

int CAssessmentCheckDlg::selectedRow() const
{
    return int(m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void CAssessmentCheckDlg::OnGoThere(wxCommandEvent&)
{
    m_chosen = selectedRow();
    if (m_chosen >= 0)
        EndDialog(kGoThereID);
}

void CAssessmentCheckDlg::OnRowActivated(wxListEvent& event)
{
    m_chosen = int(event.GetIndex());
    EndDialog(kGoThereID);
}

void CAssessmentCheckDlg::OnUpdateGoThere(wxUpdateUIEvent& event)
{
    event.Enable(selectedRow() >= 0);
}
