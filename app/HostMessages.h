#pragma once

#include <wx/string.h>

class wxWindow;

// Every message box of the host: the application's caption over the message,
// the icon saying what kind of message it is. The answers are wxMessageBox's
// (wxOK, wxYES, wxNO, wxCANCEL), so tests answer them like any message box.
class CHostMessages
{
public:
    static void error(const wxString& message, wxWindow* parent = nullptr);
    static void warning(const wxString& message, wxWindow* parent = nullptr);
    static void information(const wxString& message, wxWindow* parent = nullptr);
    // Yes and No; true for Yes. `noByDefault` puts the focus on No, for a
    // question whose Yes loses something.
    static bool confirm(const wxString& question, wxWindow* parent = nullptr, bool noByDefault = false);
    // A question with `buttons` (wxYES_NO, with wxCANCEL or a default
    // button): wxYES, wxNO or wxCANCEL.
    static int ask(const wxString& question, long buttons, wxWindow* parent = nullptr);
    // Yes, No and Cancel under labels of their own: wxID_YES, wxID_NO or
    // wxID_CANCEL.
    static int choose(const wxString& question, const wxString& yes, const wxString& no,
                      wxWindow* parent = nullptr);
    // A message of any kind: `style` as wxMessageBox takes it.
    static int show(const wxString& message, long style, wxWindow* parent = nullptr);
};
