// The main of every test program: starts wx as a GUI application once, turns
// asserts and unexpected dialogs into test failures, and cleans up the
// top-level windows a test leaves behind.

#include "tests/support/WxTest.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/toplevel.h>
#include <wx/translation.h>

#include <cstdlib>

// Outside the anonymous namespace: wxIMPLEMENT_APP_NO_MAIN defines wxGetApp()
// for it, which would otherwise be an unused internal function.
class CTestApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

namespace
{

void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assert in " << func.utf8_string() << ": " << cond.utf8_string() << " " << msg.utf8_string();
}

// Asked last: any dialog that no wxTEST_DIALOG of the running test claimed
// fails the test and is cancelled.
class CFallbackModalHook : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* dlg) override
    {
        wxString text = dlg->GetTitle();
        if (auto* message = dynamic_cast<wxMessageDialog*>(dlg))
            text = message->GetMessage();
        ADD_FAILURE() << "unexpected modal dialog: " << text.utf8_string();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

// Destroys what a test left open, so windows do not pile up between tests.
class CWindowCleaner : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo&) override { evtest::destroyAllWindows(); }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(CTestApp);

int main(int argc, char** argv)
{
    setenv("NO_AT_BRIDGE", "1", 1);
    ::testing::InitGoogleTest(&argc, argv);

    if (!wxEntryStart(argc, argv) || !wxTheApp || !wxTheApp->CallOnInit())
    {
        fprintf(stderr, "test main: wxWidgets could not start (is DISPLAY set?)\n");
        return 1;
    }
    wxInitAllImageHandlers();
    // The tests expect the English texts, whatever language the machine running them speaks.
    wxTranslations::Set(new wxTranslations);
    wxTranslations::Get()->SetLanguage(wxLANGUAGE_ENGLISH_US);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxLog::SetLogLevel(wxLOG_Debug);
    wxSetAssertHandler(failOnAssert);

    CFallbackModalHook fallback;
    fallback.Register();
    ::testing::UnitTest::GetInstance()->listeners().Append(new CWindowCleaner);

    const int result = RUN_ALL_TESTS();

    fallback.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
