#pragma once

// The shared test harness. Include this header, never <wx/testing.h>: its
// wxTEST_DIALOG hook fails the test on an unexpected dialog and cancels it.

#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/colour.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/listctrl.h>
#include <wx/log.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <wx/testing.h>

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

// An expectation whose script gets the dialog and returns its result; for our
// own dialogs: showAsModal(), edit, return pressDialogButton(dlg, wxID_OK).
template <class T> class CExpectDialog : public wxExpectModalBase<T, CExpectDialog<T>>
{
public:
    explicit CExpectDialog(std::function<int(T*)> script) : m_script(std::move(script)) {}

protected:
    int OnInvoked(T* dlg) const override { return m_script(dlg); }

private:
    std::function<int(T*)> m_script;
};

// A message box that must show `message` (and `caption` unless empty), answered with `answer`.
CExpectDialog<wxMessageDialog> expectMessage(const wxString& message, int answer = wxID_OK,
                                             const wxString& caption = wxString());

// A file dialog answered with `path`, or Cancel when it is empty; `check` sees the dialog first.
CExpectDialog<wxFileDialog> expectFileDialog(const wxString& path,
                                             std::function<void(wxFileDialog*)> check = nullptr);

namespace evtest
{

// The direct children of `parent` of type T, in creation order.
template <class T> std::vector<T*> childrenOf(wxWindow* parent)
{
    std::vector<T*> found;
    for (wxWindow* child : parent->GetChildren())
        if (T* t = dynamic_cast<T*>(child))
            found.push_back(t);
    return found;
}

// The descendants of `parent` (itself included) with identifier `id` and type T, in creation order.
template <class T> std::vector<T*> findControls(wxWindow* parent, int id)
{
    std::vector<T*> found;
    std::function<void(wxWindow*)> walk = [&](wxWindow* w)
    {
        if (w->GetId() == id)
            if (T* t = dynamic_cast<T*>(w))
                found.push_back(t);
        for (wxWindow* child : w->GetChildren())
            walk(child);
    };
    walk(parent);
    return found;
}

// The first of them; a test failure and null when there is none.
template <class T> T* findControl(wxWindow* parent, int id)
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
// The texts of a report list's column, row by row.
std::vector<wxString> columnTexts(wxListCtrl* list, int column);
// Each column's heading and width, as "Heading 90".
std::vector<wxString> columnHeadings(wxListCtrl* list);

// Runs pending events and idle handlers once.
void pumpEvents();
// Destroys every top-level window and waits until they are gone.
void destroyAllWindows();
// Pumps until `done` holds or `timeoutMs` passes; returns whether it held.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);

// Shows a dialog caught by the modal hook, so that InitDialog (TransferDataToWindow) runs.
void showAsModal(wxDialog* dlg);
// Presses a dialog's button; the dialog's result when that closed it, else wxID_NONE.
int pressDialogButton(wxDialog* dlg, int id);

// Repaints `window` and waits until the toolkit has drawn it: a window just
// shown may not be on the screen yet, to be grabbed or clicked where it stands.
bool waitUntilDrawn(wxWindow* window, int timeoutMs = 3000);
// What a window shows on the screen, children included.
wxImage grabWindow(wxWindow* window);
bool coloursNear(const wxColour& a, const wxColour& b, int tolerance = 8);
wxColour pixelAt(const wxImage& image, int x, int y);
wxImage solidImage(int width, int height, const wxColour& colour);
// A PNG whose header declares `width` x `height`, with image data that does not decode.
std::string pngDeclaring(unsigned long width, unsigned long height);
// A file's bytes, as they are on disk; empty when it cannot be read.
std::string readFile(const wxString& path);

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
    std::vector<wxString> textsAt(wxLogLevel level) const;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override;

private:
    wxLog* m_previous;
    wxLogLevel m_previousLevel;
    std::vector<Entry> m_entries;
};

// A fresh temporary folder per test, also the working directory, with HOME and
// XDG_CONFIG_HOME inside it; all restored afterwards. The windows left open are
// destroyed first, while the fixture whose data they show still lives: a
// window that is a member of the fixture must be made with new.
class CTempDirTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    wxString dir() const { return m_dir; }
    wxString path(const wxString& relative) const;
    // These create the folders and return the full path; the picture's type follows the extension.
    wxString writeFile(const wxString& relative, const std::string& content) const;
    wxString writeImage(const wxString& relative, int width, int height, const wxColour& colour) const;

private:
    struct SSavedEnv
    {
        const char* name;
        bool had;
        std::string value;
    };
    wxString m_dir;
    wxString m_oldCwd;
    std::vector<SSavedEnv> m_savedEnv;
};

} // namespace evtest
