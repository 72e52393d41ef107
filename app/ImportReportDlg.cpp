#include "app/ImportReportDlg.h"

#include "interchange/ImportReport.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CImportReportDlg::CImportReportDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                                   const wxSize& size, long style, const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    zeroInit();
    createControls();
}

void CImportReportDlg::zeroInit()
{
    m_report = nullptr;
    m_summary = nullptr;
    m_reportText = nullptr;
}

bool CImportReportDlg::createControls()
{
    m_summary = new wxStaticText(this, kSummaryID, wxString());
    m_summary->SetFont(m_summary->GetFont().Bold());
    // Wide enough for a typical line (file, line, title, reason) unwrapped.
    m_reportText = new wxTextCtrl(this, kReportTextID, wxString(), wxDefaultPosition, wxSize(760, 300),
                                  wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(m_summary, 0, wxALL | wxEXPAND, 10);
    topSizer->Add(m_reportText, 1, wxLEFT | wxRIGHT | wxEXPAND, 10);
    topSizer->Add(CreateStdDialogButtonSizer(wxOK), 0, wxALL | wxEXPAND, 10);
    SetSizerAndFit(topSizer);
    return true;
}

void CImportReportDlg::initialize(const CImportReport* report)
{
    m_report = report;
}

bool CImportReportDlg::TransferDataToWindow()
{
    if (m_report == nullptr)
    {
        return false;
    }
    m_summary->SetLabel(m_report->summary());
    wxString lines;
    for (const CImportReport::SEntry& entry : m_report->entries())
    {
        lines += m_report->entryText(entry) + "\n";
    }
    m_reportText->ChangeValue(lines);
    return true;
}
