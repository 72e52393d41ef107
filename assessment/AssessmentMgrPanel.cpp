#include "assessment/AssessmentMgrPanel.h"

#include "assessment/EVAssessmentMgrDataDlg.h"
#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionDataSerializer.h"
#include "external/data/Translations.h"
#include "external/widgets/CommonGuiUtils.h"
#include "external/widgets/ListCtrlHelpers.h"
#include "questions/QuestionDataDlg.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

wxBEGIN_EVENT_TABLE(CAssessmentMgrPanel, wxPanel)
    EVT_BUTTON(CAssessmentMgrPanel::kCreateButtonID, CAssessmentMgrPanel::OnCreateNew)
    EVT_BUTTON(CAssessmentMgrPanel::kRemoveButtonID, CAssessmentMgrPanel::OnRemove)
    EVT_BUTTON(CAssessmentMgrPanel::kViewDetailsButtonID, CAssessmentMgrPanel::OnViewDetails)
    EVT_BUTTON(CAssessmentMgrPanel::kMoveUpButtonID, CAssessmentMgrPanel::OnMoveUp)
    EVT_BUTTON(CAssessmentMgrPanel::kMoveDownButtonID, CAssessmentMgrPanel::OnMoveDown)
    EVT_LIST_ITEM_SELECTED(CAssessmentMgrPanel::kListCtrlID, CAssessmentMgrPanel::OnListItemSelected)
    EVT_LIST_ITEM_DESELECTED(CAssessmentMgrPanel::kListCtrlID, CAssessmentMgrPanel::OnListItemDeselected)
    EVT_LIST_ITEM_ACTIVATED(CAssessmentMgrPanel::kListCtrlID, CAssessmentMgrPanel::OnListItemDblClick)
wxEND_EVENT_TABLE()

CAssessmentMgrPanel::CAssessmentMgrPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                         long style, const wxString& name)
    : wxPanel(parent, id, pos, size, style, name)
{
    CTranslations::useSystemLanguageUnlessChosen();
    zeroInit();
    createControls();
}

CAssessmentMgrPanel::~CAssessmentMgrPanel()
{
    emptyListBeforeDestruction(m_listCtrl);
}

void CAssessmentMgrPanel::zeroInit()
{
    m_assessmentMgr = nullptr;
    m_listCtrl = nullptr;
    m_createButton = nullptr;
    m_viewDetailsButton = nullptr;
    m_removeButton = nullptr;
    m_moveUpButton = nullptr;
    m_moveDownButton = nullptr;
}

bool CAssessmentMgrPanel::createControls()
{
    m_listCtrl = createListPanelControls(this, kListCtrlID,
                                         {{{&m_createButton, kCreateButtonID, _("&Create")},
                                           {&m_removeButton, kRemoveButtonID, _("&Remove")},
                                           {&m_viewDetailsButton, kViewDetailsButtonID, _("&View Details")}},
                                          {{&m_moveUpButton, kMoveUpButtonID, _("Move &Up")},
                                           {&m_moveDownButton, kMoveDownButtonID, _("Move &Down")}}});
    return createListCtrlHeader();
}

bool CAssessmentMgrPanel::createListCtrlHeader()
{
    insertListColumns(m_listCtrl, {{_("Question ID"), 20}, {_("Question Data"), 79}});
    return true;
}

bool CAssessmentMgrPanel::initialize(CAssessmentMgr* assessmentMgr)
{
    m_assessmentMgr = assessmentMgr;
    updateControls();
    return true;
}

bool CAssessmentMgrPanel::reloadListCtrl()
{
    m_listCtrl->DeleteAllItems();
    if (m_assessmentMgr && !insertListRows(*m_assessmentMgr->getDataCollection(),
                                           [this](CAssessmentMgrData& data, unsigned int index)
                                           { return insertAssessmentMgrDataItem(data, index); }))
        return false;
    updateControls();
    return true;
}

bool CAssessmentMgrPanel::insertAssessmentMgrDataItem(CAssessmentMgrData& data, unsigned int index)
{
    const CQuestionData* question =
        m_assessmentMgr->getQuestionDataMgr()->getQuestionDataForID(data.m_questionID);
    // A stale entry still gets its row, so that it can be seen and removed.
    insertListRow(m_listCtrl, index, wxString::Format("%d", data.m_questionID),
                  question ? question->getQuestion() : wxString());
    return true;
}

int CAssessmentMgrPanel::getSelectedListItemIndex()
{
    return getSelectedListRow(m_listCtrl);
}

bool CAssessmentMgrPanel::updateControls()
{
    enableForSelectedRow(m_listCtrl, {m_removeButton, m_viewDetailsButton});
    const int selected = getSelectedListItemIndex();
    m_moveUpButton->Enable(selected != -1 && selected != 0);
    m_moveDownButton->Enable(selected != -1 && selected != m_listCtrl->GetItemCount() - 1);
    return true;
}

// ---------------------------------------------------------------------------
// Adding a question

void CAssessmentMgrPanel::OnCreateNew(wxCommandEvent&)
{
    if (!m_assessmentMgr)
        return;
    CQuestionData question;
    if (!editNewQuestion(&question))
        return;
    if (!hasQuestionText(question))
    {
        wxMessageBox(_("The question field was empty.  Adding an empty question is not a valid option."));
        return;
    }
    wxString fileName;
    if (!chooseQuestionFile(&fileName))
        return;
    if (addQuestion(question, fileName))
        reloadListCtrl();
}

bool CAssessmentMgrPanel::editNewQuestion(CQuestionData* question)
{
    CQuestionDataDlg questionDlg;
    questionDlg.initialize(question);
    return questionDlg.ShowModal() == wxID_OK;
}

bool CAssessmentMgrPanel::hasQuestionText(const CQuestionData& question)
{
    wxString text = question.getQuestion();
    return !text.Trim(true).empty();
}

bool CAssessmentMgrPanel::chooseQuestionFile(wxString* fileName)
{
    wxMessageDialog explanation(
        nullptr,
        _("The data entered must be stored to a file for reference by Itemary.  Browse to "
          "a desired location for the file to be stored.  This is the same process as you "
          "would go through by clicking the File->Save As... menu item."),
        _("Save Data To File"), wxOK);
    explanation.ShowModal();
    for (;;)
    {
        wxArrayString filters;
        // TRANSLATORS: the text before | is shown; the pattern after it stays.
        filters.Add(_("Itemary Files (*.itm)|*.itm"));
        if (CCommonGuiUtils::BrowseForFile(false, filters, *fileName, wxEmptyString, wxEmptyString, 1,
                                           wxFD_SAVE | wxFD_OVERWRITE_PROMPT))
            return true;
        wxMessageDialog retry(
            nullptr,
            _("A file name must be entered to successfully complete the addition of the "
              "question data.\n\nIf you would like to Cancel the addition, click the Cancel "
              "button below, otherwise click OK and select a file name."),
            _("Invalid File Name"), wxOK | wxCANCEL);
        if (retry.ShowModal() == wxID_CANCEL)
            return false;
    }
}

bool CAssessmentMgrPanel::addQuestion(CQuestionData& question, const wxString& fileName)
{
    // The question carries its file's name when the assessment takes its copy,
    // and has its identifier before the file is written.
    question.setFileNameReference(fileName);
    CAssessmentMgrData entry;
    entry.m_questionID = m_assessmentMgr->getQuestionDataMgr()->addQuestion(question);
    CQuestionDataSerializer serializer(&question, fileName);
    if (!serializer.store())
        return false;
    return m_assessmentMgr->addData(entry);
}

// ---------------------------------------------------------------------------
// The selected row

void CAssessmentMgrPanel::OnRemove(wxCommandEvent&)
{
    const int index = getSelectedListItemIndex();
    if (index == -1)
        return;
    m_assessmentMgr->removeAtIndex(index);
    reloadListCtrl();
}

void CAssessmentMgrPanel::OnViewDetails(wxCommandEvent&)
{
    const int index = getSelectedListItemIndex();
    if (index == -1)
        return;
    // No parent window, and the dialog's own title, style and name.
    CEVAssessmentMgrDataDlg entryDlg;
    entryDlg.initialize(m_assessmentMgr, m_assessmentMgr->getDataAtIndex(index));
    entryDlg.ShowModal();
    reloadListCtrl();
}

void CAssessmentMgrPanel::OnMoveUp(wxCommandEvent&)
{
    const int index = getSelectedListItemIndex();
    if (index == -1)
        return;
    m_assessmentMgr->moveUp(index);
    reloadListCtrl();
}

void CAssessmentMgrPanel::OnMoveDown(wxCommandEvent&)
{
    const int index = getSelectedListItemIndex();
    if (index == -1)
        return;
    m_assessmentMgr->moveDown(index);
    reloadListCtrl();
}

void CAssessmentMgrPanel::OnListItemSelected(wxListEvent&)
{
    updateControls();
}

void CAssessmentMgrPanel::OnListItemDeselected(wxListEvent&)
{
    updateControls();
}

void CAssessmentMgrPanel::OnListItemDblClick(wxListEvent& event)
{
    OnViewDetails(event);
}
