#include "tests/support/WxTest.h"

#include "external/widgets/WindowPicture.h"

#include <wx/app.h>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>

void PrintTo(const wxString& s, std::ostream* os)
{
    *os << '"' << s.utf8_string() << '"';
}

void PrintTo(const wxColour& c, std::ostream* os)
{
    if (!c.IsOk())
        *os << "wxColour(invalid)";
    else
        *os << "wxColour(" << int(c.Red()) << ", " << int(c.Green()) << ", " << int(c.Blue()) << ")";
}

void PrintTo(const wxSize& s, std::ostream* os)
{
    *os << "wxSize(" << s.x << ", " << s.y << ")";
}

void PrintTo(const wxPoint& p, std::ostream* os)
{
    *os << "wxPoint(" << p.x << ", " << p.y << ")";
}

CExpectDialog<wxMessageDialog> expectMessage(const wxString& message, int answer, const wxString& caption)
{
    return CExpectDialog<wxMessageDialog>(
        [=](wxMessageDialog* dlg)
        {
            EXPECT_EQ(dlg->GetMessage(), message);
            if (!caption.empty())
            {
                EXPECT_EQ(dlg->GetTitle(), caption);
            }
            return answer;
        });
}

CExpectDialog<wxFileDialog> expectFileDialog(const wxString& path, std::function<void(wxFileDialog*)> check)
{
    return CExpectDialog<wxFileDialog>(
        [=](wxFileDialog* dlg)
        {
            if (check)
                check(dlg);
            if (path.empty())
                return int(wxID_CANCEL);
            // GTK takes the path asynchronously: wait until the dialog reports it.
            dlg->SetPath(path);
            evtest::pumpUntil([&] { return dlg->GetPath() == path; }, 2000);
            return int(wxID_OK);
        });
}

namespace evtest
{

namespace
{

void send(wxWindow* control, wxCommandEvent& event)
{
    event.SetEventObject(control);
    control->GetEventHandler()->ProcessEvent(event);
}

} // namespace

void clickButton(wxWindow* button)
{
    ASSERT_NE(button, nullptr);
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    send(button, event);
}

void selectChoice(wxChoice* choice, int selection)
{
    ASSERT_NE(choice, nullptr);
    choice->SetSelection(selection);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetInt(selection);
    event.SetString(choice->GetString(selection));
    send(choice, event);
}

void clickCheckBox(wxCheckBox* box, bool checked)
{
    ASSERT_NE(box, nullptr);
    box->SetValue(checked);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetInt(checked ? 1 : 0);
    send(box, event);
}

void selectListItem(wxListCtrl* list, long index, bool selected)
{
    ASSERT_NE(list, nullptr);
    // The generic list control sends the (de)selection event itself.
    list->SetItemState(index, selected ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
}

void activateListItem(wxListCtrl* list, long index)
{
    ASSERT_NE(list, nullptr);
    wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
    event.SetEventObject(list);
    event.m_itemIndex = index;
    list->GetEventHandler()->ProcessEvent(event);
}

std::vector<wxString> columnTexts(wxListCtrl* list, int column)
{
    std::vector<wxString> texts;
    for (long row = 0; row < list->GetItemCount(); ++row)
        texts.push_back(list->GetItemText(row, column));
    return texts;
}

std::vector<wxString> columnHeadings(wxListCtrl* list)
{
    std::vector<wxString> headings;
    for (int column = 0; column < list->GetColumnCount(); ++column)
    {
        wxListItem heading;
        heading.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_WIDTH);
        list->GetColumn(column, heading);
        headings.push_back(heading.GetText() + wxString::Format(" %d", heading.GetWidth()));
    }
    return headings;
}

std::string readFile(const wxString& path)
{
    wxFFile file(path, "rb");
    std::string bytes(file.IsOpened() ? size_t(file.Length()) : 0, '\0');
    if (!bytes.empty() && file.Read(&bytes[0], bytes.size()) != bytes.size())
        bytes.clear();
    return bytes;
}

void pumpEvents()
{
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
    wxTheApp->Yield(true);
}

void destroyAllWindows()
{
    for (wxWindow* window : wxTopLevelWindows)
        window->Destroy();
    pumpUntil([] { return wxTopLevelWindows.empty(); }, 2000);
}

bool pumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    wxStopWatch watch;
    while (!done())
    {
        if (watch.Time() > timeoutMs)
            return false;
        pumpEvents();
        wxMilliSleep(5);
    }
    return true;
}

void showAsModal(wxDialog* dlg)
{
    dlg->Show();
    pumpEvents();
}

int pressDialogButton(wxDialog* dlg, int id)
{
    // Outside a modal loop EndDialog only hides the dialog and sets no return
    // code: a press that hid it ended the dialog with the button's identifier.
    dlg->SetReturnCode(wxID_NONE);
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(dlg);
    dlg->GetEventHandler()->ProcessEvent(event);
    if (dlg->IsShown())
        return wxID_NONE;
    return dlg->GetReturnCode() != wxID_NONE ? dlg->GetReturnCode() : id;
}

bool waitUntilDrawn(wxWindow* window, int timeoutMs)
{
    bool drawn = false;
    const auto noteDrawn = [&](wxPaintEvent& event)
    {
        drawn = true;
        event.Skip();
    };
    window->Bind(wxEVT_PAINT, noteDrawn);
    window->Refresh();
    const bool done = pumpUntil([&] { return drawn; }, timeoutMs);
    window->Unbind(wxEVT_PAINT, noteDrawn);
    return done;
}

wxImage grabWindow(wxWindow* window)
{
    // Let pending paints finish first: the client DC reads what is on screen.
    window->Refresh();
    window->Update();
    pumpEvents();
    return grabClientArea(window);
}

bool coloursNear(const wxColour& a, const wxColour& b, int tolerance)
{
    return std::abs(int(a.Red()) - int(b.Red())) <= tolerance &&
           std::abs(int(a.Green()) - int(b.Green())) <= tolerance &&
           std::abs(int(a.Blue()) - int(b.Blue())) <= tolerance;
}

wxColour pixelAt(const wxImage& image, int x, int y)
{
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

wxImage solidImage(int width, int height, const wxColour& colour)
{
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
    return image;
}

std::string pngDeclaring(unsigned long width, unsigned long height)
{
    auto bigEndian32 = [](unsigned long value) {
        return std::string{char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    };
    return std::string("\x89PNG\r\n\x1a\n", 8) + bigEndian32(13) + "IHDR" + bigEndian32(width) +
           bigEndian32(height) + std::string("\x08\x02\x00\x00\x00", 5) + bigEndian32(0) + bigEndian32(1) +
           "IDATx" + bigEndian32(0) + bigEndian32(0) + "IEND" + bigEndian32(0xAE426082);
}

CLogCapture::CLogCapture() : m_previous(wxLog::SetActiveTarget(this)), m_previousLevel(wxLog::GetLogLevel())
{
    wxLog::SetLogLevel(wxLOG_Debug);
}

CLogCapture::~CLogCapture()
{
    wxLog::SetActiveTarget(m_previous);
    wxLog::SetLogLevel(m_previousLevel);
}

void CLogCapture::DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&)
{
    m_entries.push_back({level, msg});
}

std::vector<wxString> CLogCapture::textsAt(wxLogLevel level) const
{
    std::vector<wxString> texts;
    for (const Entry& entry : m_entries)
        if (entry.level == level)
            texts.push_back(entry.text);
    return texts;
}

void CTempDirTest::SetUp()
{
    wxString base = wxFileName::GetTempDir() + "/evalon-test-XXXXXX";
    std::string buffer = base.utf8_string();
    ASSERT_NE(mkdtemp(&buffer[0]), nullptr);
    m_dir = wxString::FromUTF8(buffer);
    m_oldCwd = wxGetCwd();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
    {
        const char* value = std::getenv(name);
        m_savedEnv.push_back({name, value != nullptr, value ? value : ""});
    }
    wxFileName::Mkdir(m_dir + "/home/.config", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    setenv("HOME", (m_dir + "/home").utf8_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_dir + "/home/.config").utf8_str(), 1);
    wxSetWorkingDirectory(m_dir);
}

void CTempDirTest::TearDown()
{
    // The windows first: they may show data of the fixture or files of the folder.
    destroyAllWindows();
    wxSetWorkingDirectory(m_oldCwd);
    for (const SSavedEnv& saved : m_savedEnv)
        saved.had ? setenv(saved.name, saved.value.c_str(), 1) : unsetenv(saved.name);
    m_savedEnv.clear();
    // Make everything writable again first: tests may lock folders.
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::path root(m_dir.utf8_string());
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const auto& entry : fs::recursive_directory_iterator(root, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root, ignored);
}

wxString CTempDirTest::path(const wxString& relative) const
{
    return m_dir + "/" + relative;
}

wxString CTempDirTest::writeFile(const wxString& relative, const std::string& content) const
{
    const wxString full = path(relative);
    wxFileName::Mkdir(wxFileName(full).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    wxFFile file(full, "wb");
    EXPECT_TRUE(file.IsOpened()) << full;
    file.Write(content.data(), content.size());
    return full;
}

wxString CTempDirTest::writeImage(const wxString& relative, int width, int height,
                                  const wxColour& colour) const
{
    const wxString full = path(relative);
    wxFileName::Mkdir(wxFileName(full).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    EXPECT_TRUE(solidImage(width, height, colour).SaveFile(full)) << full;
    return full;
}

} // namespace evtest
