#pragma once

#include <wx/dialog.h>
#include <wx/intl.h>

class CImportReport;
class wxStaticText;
class wxTextCtrl;

// Shows what an import or export of questions did: the summary, then one
// line per question (imported, changed and how, refused and why) in a text
// the author can scroll, select and copy.
class CImportReportDlg : public wxDialog
{
public:
    enum eControlID
    {
        kSummaryID = 0,
        kReportTextID = 1
    };

    CImportReportDlg(wxWindow* parent = nullptr, wxWindowID id = wxID_ANY,
                     const wxString& title = _("Question Bank Report"),
                     const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                     long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER,
                     const wxString& name = "dialogBox");

    // The report is the caller's and must outlive the dialog.
    void initialize(const CImportReport* report);

    bool TransferDataToWindow() override;

private:
    void zeroInit();
    bool createControls();

    const CImportReport* m_report;
    wxStaticText* m_summary;
    wxTextCtrl* m_reportText;
};
