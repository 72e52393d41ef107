#pragma once

// The shared test harness. Include this header (never <wx/testing.h> directly)
// so that wxTEST_DIALOG uses our hook, which turns an unexpected dialog into a
// test failure and cancels it instead of hanging the run.

#include <gtest/gtest.h>

#include <wx/choice.h>
#include <wx/checkbox.h>
#include <wx/colour.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/listctrl.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/string.h>

#include <functional>
#include <ostream>
#include <vector>

#include <wx/testing.h>

// Reports wx's dialog-expectation failures to GoogleTest and never lets an
// unexpected dialog through to a real modal loop: it is cancelled instead.
class CGTestModalHook : public wxTestingModalHook
{
public:
    CGTestModalHook(const char* file = nullptr, int line = 0, const char* func = nullptr)
        : wxTestingModalHook(file, line, func), m_file(file), m_line(line)
    {
    }

protected:
    int Enter(wxDialog* dlg) override
    {
        const int result = wxTestingModalHook::Enter(dlg);
        return result == wxID_NONE ? wxID_CANCEL : result;
    }
    void ReportFailure(const wxString& msg) override
    {
        ADD_FAILURE_AT(m_file ? m_file : __FILE__, m_line) << msg.utf8_string();
    }

private:
    const char* m_file;
    int m_line;
};

#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS CGTestModalHook

// gtest printers for the toolkit's value types.
void PrintTo(const wxString& s, std::ostream* os);
void PrintTo(const wxColour& c, std::ostream* os);
void PrintTo(const wxSize& s, std::ostream* os);
void PrintTo(const wxPoint& p, std::ostream* os);

// An expectation that runs a script on a dialog of type T and returns what the
// script returns (the dialog's result). For our own dialogs the script usually
// calls showAsModal(), edits controls and returns pressDialogButton(dlg, wxID_OK).
template <class T>
class CExpectDialog : public wxExpectModalBase<T, CExpectDialog<T>>
{
public:
    explicit CExpectDialog(std::function<int(T*)> script) : m_script(std::move(script)) {}

protected:
    int OnInvoked(T* dlg) const override { return m_script(dlg); }

private:
    std::function<int(T*)> m_script;
};

// A message dialog or box that must show `message`, answered with `answer`
// (wxID_OK, wxID_YES, wxID_NO, wxID_CANCEL). `caption` is checked when not empty.
CExpectDialog<wxMessageDialog> expectMessage(const wxString& message, int answer = wxID_OK,
                                             const wxString& caption = wxString());

// A file dialog answered with `path` (the dialog shows it before OK), or with
// Cancel when `path` is empty. `check` may look at the dialog first.
CExpectDialog<wxFileDialog> expectFileDialog(const wxString& path,
                                             std::function<void(wxFileDialog*)> check = nullptr);

namespace evtest {

// All descendants of `parent` (itself included) with identifier `id` and of
// type T, in creation order.
template <class T>
std::vector<T*> findControls(wxWindow* parent, int id)
{
    std::vector<T*> found;
    std::function<void(wxWindow*)> walk = [&](wxWindow* w) {
        if (w->GetId() == id)
            if (T* t = dynamic_cast<T*>(w))
                found.push_back(t);
        for (wxWindow* child : w->GetChildren())
            walk(child);
    };
    walk(parent);
    return found;
}

// The first descendant with identifier `id` and type T; a test failure and
// null when there is none.
template <class T>
T* findControl(wxWindow* parent, int id)
{
    std::vector<T*> all = findControls<T>(parent, id);
    if (all.empty())
    {
        ADD_FAILURE() << "no control with id " << id << " of the expected type";
        return nullptr;
    }
    return all.front();
}

// Real command events, sent as the control itself would send them.
void clickButton(wxWindow* button);
void selectChoice(wxChoice* choice, int selection);
void clickCheckBox(wxCheckBox* box, bool checked);
void selectListItem(wxListCtrl* list, long index, bool selected = true);
void activateListItem(wxListCtrl* list, long index);

// Runs pending events and idle handlers once.
void pumpEvents();
// Pumps until `done` holds or `timeoutMs` passes; returns whether it held.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);

// Shows a dialog caught by the modal hook as its modal run would, so that
// InitDialog (and with it TransferDataToWindow) runs.
void showAsModal(wxDialog* dlg);
// Presses a button of a dialog as a user would. Returns the dialog's result
// when the press closed it, wxID_NONE when it stayed open.
int pressDialogButton(wxDialog* dlg, int id);

// What a window shows on the screen, children included.
wxImage grabWindow(wxWindow* window);
// Whether two colours differ by at most `tolerance` in each component.
bool coloursNear(const wxColour& a, const wxColour& b, int tolerance = 8);
wxColour pixelAt(const wxImage& image, int x, int y);

// Collects what goes to wxLog while it lives (the previous target is restored).
class CLogCapture : public wxLog
{
public:
    CLogCapture();
    ~CLogCapture() override;

    struct Entry
    {
        wxLogLevel level;
        wxString text;
    };
    const std::vector<Entry>& entries() const { return m_entries; }
    // All texts at `level`, in order.
    std::vector<wxString> textsAt(wxLogLevel level) const;
    bool contains(const wxString& text) const;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override;

private:
    wxLog* m_previous;
    wxLogLevel m_previousLevel;
    std::vector<Entry> m_entries;
};

// A fixture with a fresh temporary folder per test; HOME and XDG_CONFIG_HOME
// point into it and the working directory is it, all restored afterwards.
class CTempDirTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    wxString dir() const { return m_dir; }
    // `relative` inside the folder.
    wxString path(const wxString& relative) const;
    // Writes `content` (UTF-8) to `relative`, creating folders; returns the full path.
    wxString writeFile(const wxString& relative, const std::string& content) const;
    // Saves a solid-colour picture; the type follows the extension.
    wxString writeImage(const wxString& relative, int width, int height, const wxColour& colour) const;

private:
    wxString m_dir;
    wxString m_oldCwd;
    wxString m_oldHome;
    wxString m_oldConfigHome;
    bool m_hadHome = false;
    bool m_hadConfigHome = false;
};

} // namespace evtest
