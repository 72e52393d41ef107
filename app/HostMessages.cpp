#include "app/HostMessages.h"

#include "app/EvalonApp.h"

#include <wx/msgdlg.h>
#include <wx/translation.h>

int CHostMessages::show(const wxString& message, long style, wxWindow* parent)
{
    return wxMessageBox(message, CEvalonApp::kApplicationName, style, parent);
}

void CHostMessages::error(const wxString& message, wxWindow* parent)
{
    show(message, wxOK | wxICON_ERROR, parent);
}

void CHostMessages::warning(const wxString& message, wxWindow* parent)
{
    show(message, wxOK | wxICON_WARNING, parent);
}

void CHostMessages::information(const wxString& message, wxWindow* parent)
{
    show(message, wxOK | wxICON_INFORMATION, parent);
}

bool CHostMessages::confirm(const wxString& question, wxWindow* parent, bool noByDefault)
{
    return ask(question, wxYES_NO | (noByDefault ? wxNO_DEFAULT : 0), parent) == wxYES;
}

int CHostMessages::ask(const wxString& question, long buttons, wxWindow* parent)
{
    return show(question, buttons | wxICON_QUESTION, parent);
}

int CHostMessages::choose(const wxString& question, const wxString& yes, const wxString& no, wxWindow* parent)
{
    wxMessageDialog dialog(parent, question, CEvalonApp::kApplicationName,
                           wxYES_NO | wxCANCEL | wxICON_QUESTION);
    dialog.SetYesNoCancelLabels(yes, no, _("Cancel"));
    return dialog.ShowModal();
}
