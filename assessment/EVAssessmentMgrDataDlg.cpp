#include "assessment/EVAssessmentMgrDataDlg.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionDataSerializer.h"
#include "external/data/Translations.h"
#include "questions/QuestionDataDlg.h"
#include "views/EVTestViewDlg.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>

wxBEGIN_EVENT_TABLE(CEVAssessmentMgrDataDlg, wxDialog)
    EVT_BUTTON(CEVAssessmentMgrDataDlg::kEditQuestionButtonID, CEVAssessmentMgrDataDlg::OnEditQuestion)
    EVT_BUTTON(CEVAssessmentMgrDataDlg::kTestViewButtonID, CEVAssessmentMgrDataDlg::OnTestView)
wxEND_EVENT_TABLE()

CEVAssessmentMgrDataDlg::CEVAssessmentMgrDataDlg(wxWindow* parent, int id, const wxString& title,
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

CEVAssessmentMgrDataDlg::~CEVAssessmentMgrDataDlg() = default;

void CEVAssessmentMgrDataDlg::zeroInit()
{
    m_assessmentMgr = nullptr;
    m_assessmentMgrData = nullptr;
    m_questionIDText = nullptr;
    m_fileNameText = nullptr;
    m_editQuestionButton = nullptr;
    m_testViewButton = nullptr;
    m_okButton = nullptr;
}

bool CEVAssessmentMgrDataDlg::createControls()
{
    auto* idLabel = new wxStaticText(this, wxID_ANY, _("QuestionID:"));
    m_questionIDText = new wxStaticText(this, kQuestionIDTextID, "10");
    auto* fileLabel = new wxStaticText(this, wxID_ANY, _("ITM File Name Reference:"));
    m_fileNameText = new wxTextCtrl(this, kFileNameTextID, wxEmptyString, wxDefaultPosition, wxSize(200, -1),
                                    wxTE_READONLY);
    m_editQuestionButton = new wxButton(this, kEditQuestionButtonID, _("&View/Edit Question"));
    m_testViewButton = new wxButton(this, kTestViewButtonID, _("&Test View"));
    m_okButton = new wxButton(this, wxID_OK, _("&OK"));

    auto* idRow = new wxBoxSizer(wxHORIZONTAL);
    idRow->Add(idLabel, 0, wxALL, 5);
    idRow->Add(m_questionIDText, 1, wxEXPAND | wxALL, 5);
    auto* fileRow = new wxBoxSizer(wxHORIZONTAL);
    fileRow->Add(fileLabel, 0, wxALL, 5);
    fileRow->Add(m_fileNameText, 1, wxEXPAND | wxALL, 5);
    auto* actionRow = new wxBoxSizer(wxHORIZONTAL);
    actionRow->Add(m_editQuestionButton, 0, wxALL, 5);
    actionRow->Add(m_testViewButton, 0, wxALL, 5);
    auto* okRow = new wxBoxSizer(wxHORIZONTAL);
    okRow->AddStretchSpacer(1);
    okRow->Add(m_okButton, 0, wxALL, 5);

    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    topSizer->Add(idRow, 0, wxALL, 5);
    topSizer->Add(fileRow, 0, wxEXPAND | wxALL, 5);
    topSizer->Add(actionRow, 0, wxALL, 5);
    topSizer->Add(okRow, 0, wxEXPAND | wxALL, 5);
    SetSizerAndFit(topSizer);
    return true;
}

bool CEVAssessmentMgrDataDlg::initialize(CAssessmentMgr* assessmentMgr, CAssessmentMgrData* assessmentMgrData)
{
    m_assessmentMgr = assessmentMgr;
    m_assessmentMgrData = assessmentMgrData;
    return true;
}

bool CEVAssessmentMgrDataDlg::TransferDataToWindow()
{
    if (!m_assessmentMgrData)
        return true;
    m_questionIDText->SetLabel(wxString::Format("%d", m_assessmentMgrData->m_questionID));
    const CQuestionData* question = findQuestion();
    m_fileNameText->SetValue(question ? question->getFileNameReference() : wxString());
    return true;
}

bool CEVAssessmentMgrDataDlg::TransferDataFromWindow()
{
    return true;
}

CQuestionData* CEVAssessmentMgrDataDlg::findQuestion()
{
    if (!m_assessmentMgr || !m_assessmentMgrData)
        return nullptr;
    return m_assessmentMgr->getQuestionDataMgr()->getQuestionDataForID(m_assessmentMgrData->m_questionID);
}

CQuestionData* CEVAssessmentMgrDataDlg::findQuestionOrReport()
{
    CQuestionData* question = findQuestion();
    if (!question && m_assessmentMgr && m_assessmentMgrData)
        wxMessageBox(wxString::Format(_("Question %d was not found in this assessment."),
                                      m_assessmentMgrData->m_questionID),
                     _("Missing Question"), wxOK | wxICON_ERROR);
    return question;
}

void CEVAssessmentMgrDataDlg::OnEditQuestion(wxCommandEvent&)
{
    CQuestionData* stored = findQuestionOrReport();
    if (!stored)
        return;
    // Edited on a copy, so that Cancel leaves the assessment's question alone.
    CQuestionData copy = *stored;
    CQuestionDataDlg questionDlg;
    questionDlg.initialize(&copy);
    if (questionDlg.ShowModal() != wxID_OK)
        return;
    // OK counts as a change even without an edit.
    *stored = copy;

    wxMessageDialog ask(nullptr,
                        _("The QuestionData has been changed.  Would you like to save these changes back to "
                          "the referenced .itm file?"),
                        _("Save to ITM File"), wxYES_NO);
    if (ask.ShowModal() == wxID_YES)
        saveToReferencedFile(stored);
}

void CEVAssessmentMgrDataDlg::saveToReferencedFile(CQuestionData* question)
{
    const wxString path = question->getFileNameReference();
    // Only an existing question file is written back: a missing one means the
    // reference is stale, and a new file here would be one no one looks for.
    if (wxFileName::FileExists(path))
    {
        CQuestionDataSerializer serializer(question, path);
        serializer.store();
        return;
    }
    wxMessageDialog error(nullptr,
                          wxString::Format(_("ERROR: The referenced file name does not exist at location:\n"
                                             "%s\nUnable to save data to file name."),
                                           path),
                          _("Invalid Reference File"), wxOK);
    error.ShowModal();
}

void CEVAssessmentMgrDataDlg::OnTestView(wxCommandEvent&)
{
    CQuestionData* question = findQuestionOrReport();
    if (!question)
        return;
    CEVAttributes* attributes = m_assessmentMgr->getAttributes();
    // The preview loads the pictures from their absolute paths, which follow
    // the working directory.
    if (!attributes->getImageSelections()->updateAbsolutePaths())
        return;
    wxString reasons;
    if (!attributes->validateData(&reasons))
    {
        wxMessageBox(wxString::Format(_("An error was detected and the TestView dialog cannot be displayed.\n"
                                        "Modify the attributes for this assessment and try again.\n\n%s"),
                                      reasons),
                     _("Invalid Data"), wxOK | wxICON_ERROR);
        return;
    }
    CEVTestViewDlg testViewDlg;
    testViewDlg.initialize(attributes, question);
    testViewDlg.ShowModal();
}
