#include "assessments/AssessmentsMgrDataDlg.h"

#include "external/data/AssessmentsMgrData.h"
#include "external/data/Translations.h"
#include "external/widgets/ShellFileTypes.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/translation.h>
#include <wx/utils.h>

namespace
{

const char* const kAuthoringAppName = "Evalon";

// Translated where they are shown.
const char* const kInvalidAppPathMessage =
    wxTRANSLATE("The registered path for the 'Evalon' application \n"
                "is invalid.  Run the 'Evalon' application separately\n"
                "which will automatically register the necessary information and\n"
                "try again.");

const char* const kInvalidAssessmentPathMessage =
    wxTRANSLATE("The Evalon file path is invalid.  The suggested\n"
                "solution is to 'Remove' this entry and then 'Add Existing'\n"
                "specifying the correct path to the Evalon file.");

bool fileExists(const wxString& path)
{
    return wxFileName(path, wxPATH_NATIVE).FileExists();
}

// Runs `program` with `file` as its only argument and waits until it exits.
// The arguments go to the program as they are, never through a shell-like
// splitting of a command line, so no blank or quote in either path can split
// or add arguments. The buffers outlive the call.
void runAndWait(const wxString& program, const wxString& file)
{
    const wxCharBuffer programArg = program.fn_str();
    const wxCharBuffer fileArg = file.fn_str();
    const char* const argv[] = {programArg.data(), fileArg.data(), nullptr};
    wxExecute(argv, wxEXEC_SYNC);
}

} // namespace

wxBEGIN_EVENT_TABLE(CAssessmentsMgrDataDlg, wxDialog)
    EVT_BUTTON(CAssessmentsMgrDataDlg::kModifyButtonID, CAssessmentsMgrDataDlg::OnModify)
wxEND_EVENT_TABLE()

CAssessmentsMgrDataDlg::CAssessmentsMgrDataDlg(wxWindow* parent, wxWindowID id, const wxString& title,
                                               const wxPoint& pos, const wxSize& size, long style,
                                               const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    // The default title was translated before the catalog could be loaded.
    SetTitle(wxGetTranslation(title));
    zeroInit();
    createControls();
}

CAssessmentsMgrDataDlg::~CAssessmentsMgrDataDlg() = default;

void CAssessmentsMgrDataDlg::zeroInit()
{
    m_assessmentsMgr = nullptr;
    m_assessmentsMgrData = nullptr;
    m_fileNameText = nullptr;
    m_modifyButton = nullptr;
    m_okButton = nullptr;
}

bool CAssessmentsMgrDataDlg::createControls()
{
    auto* label =
        new wxStaticText(this, wxID_ANY, _("Evalon File Name:"), wxDefaultPosition, wxDefaultSize, 0);
    m_fileNameText =
        new wxStaticText(this, kFileNameTextID, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0);
    m_modifyButton = new wxButton(this, kModifyButtonID, _("&Modify Assessment File"), wxDefaultPosition,
                                  wxDefaultSize, 0);
    m_okButton = new wxButton(this, wxID_OK, _("&OK"), wxDefaultPosition, wxDefaultSize, 0);

    auto* body = new wxBoxSizer(wxVERTICAL);
    body->Add(label, 0, wxTOP | wxBOTTOM, 0);
    body->Add(m_fileNameText, 0, wxTOP | wxBOTTOM, 10);
    body->Add(m_modifyButton, 0, wxTOP | wxBOTTOM, 20);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->AddStretchSpacer(1);
    buttonRow->Add(m_okButton, 0, wxALL, 10);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(body, 0, wxALL, 10);
    topSizer->Add(buttonRow, 0, wxEXPAND | wxALL, 10);
    SetSizer(topSizer);
    return true;
}

bool CAssessmentsMgrDataDlg::initialize(CAssessmentsMgr* assessmentsMgr,
                                        CAssessmentsMgrData* assessmentsMgrData)
{
    m_assessmentsMgr = assessmentsMgr;
    m_assessmentsMgrData = assessmentsMgrData;
    return true;
}

bool CAssessmentsMgrDataDlg::TransferDataToWindow()
{
    if (m_assessmentsMgrData)
    {
        // SetLabelText, not SetLabel: an '&' in a path is part of the name, not a mnemonic.
        m_fileNameText->SetLabelText(m_assessmentsMgrData->getAssessmentFileName());
        GetSizer()->SetSizeHints(this);
    }
    return true;
}

bool CAssessmentsMgrDataDlg::TransferDataFromWindow()
{
    return true;
}

void CAssessmentsMgrDataDlg::OnModify(wxCommandEvent&)
{
    if (!m_assessmentsMgrData)
    {
        wxLogDebug("No assessment entry to open");
        return;
    }

    CShellFileTypes shellFileTypes(nullptr, kAuthoringAppName, wxFileName());
    wxString appPath;
    if (!shellFileTypes.getRegisteredAppFileName(&appPath) || !fileExists(appPath))
    {
        wxLogDebug("EvalonPath invalid: %s", appPath);
        wxLogMessage("%s", wxGetTranslation(kInvalidAppPathMessage));
        return;
    }

    const wxString assessmentPath = m_assessmentsMgrData->getAssessmentFileName();
    if (!fileExists(assessmentPath))
    {
        wxLogDebug("AssessmentFilePath invalid: %s", assessmentPath);
        wxLogMessage("%s", wxGetTranslation(kInvalidAssessmentPathMessage));
        return;
    }

    // The command line is what a user would type; it is logged for diagnosis,
    // while the program itself gets its arguments whole.
    const wxString commandLine = wxString::Format("%s \"%s\"", appPath, assessmentPath);
    wxLogDebug("%s", commandLine);
    runAndWait(appPath, assessmentPath);
    SetFocus();
}
