#include "tests/support/WxTest.h"

#include "assessments/AssessmentsMgrDataDlg.h"
#include "external/data/AssessmentsMgrData.h"
#include "external/widgets/ShellFileTypes.h"

#include <wx/button.h>
#include <wx/ffile.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <sys/stat.h>

namespace
{

const wxString kAppMessage = "The registered path for the 'Evalon' application \n"
                             "is invalid.  Run the 'Evalon' application separately\n"
                             "which will automatically register the necessary information and\n"
                             "try again.";
const wxString kFileMessage = "The Evalon file path is invalid.  The suggested\n"
                              "solution is to 'Remove' this entry and then 'Add Existing'\n"
                              "specifying the correct path to the Evalon file.";

using Texts = std::vector<wxString>;

class AssessmentsMgrDataDlgTest : public evtest::CTempDirTest
{
protected:
    // Registers as "Evalon" a script that writes its arguments, one per line, to a file.
    wxString registerRecorder(const wxString& relative)
    {
        const wxString script =
            writeFile(relative, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + argsFile().utf8_string() + "'\n");
        EXPECT_EQ(chmod(script.fn_str(), 0755), 0);
        EXPECT_TRUE(CShellFileTypes::registerApplication("Evalon", script));
        return script;
    }
    wxString argsFile() const { return path("received-args.txt"); }
    // What the script received, or "(not started)".
    wxString receivedArgs() const
    {
        wxString text = "(not started)";
        if (wxFileExists(argsFile()))
            wxFFile(argsFile()).ReadAll(&text, wxConvUTF8);
        return text;
    }

    // Shows a dialog on `fileName` and presses Modify while another window has
    // the focus; true when the dialog has it back afterwards.
    bool modify(const wxString& fileName)
    {
        CAssessmentsMgrData entry(fileName);
        CAssessmentsMgrDataDlg dlg;
        dlg.initialize(nullptr, &entry);
        evtest::showAsModal(&dlg);
        wxFrame other(nullptr, wxID_ANY, "other");
        auto* otherText = new wxTextCtrl(&other, wxID_ANY);
        other.Show();
        otherText->SetFocus();
        evtest::pumpUntil([&] { return wxWindow::FindFocus() == otherText; });
        evtest::clickButton(evtest::findControl<wxButton>(&dlg, CAssessmentsMgrDataDlg::kModifyButtonID));
        evtest::pumpEvents();
        wxWindow* focus = wxWindow::FindFocus();
        return focus && wxGetTopLevelParent(focus) == &dlg;
    }
};

TEST_F(AssessmentsMgrDataDlgTest, ShowsTheFullPathOnceShownAndFitsToIt)
{
    const wxString fileName =
        path("a rather long folder name, so that the dialog must grow/R&D assessment.eva");
    CAssessmentsMgrData entry(fileName);
    CAssessmentsMgrDataDlg dlg;
    dlg.initialize(nullptr, &entry);
    Texts labels; // the caption, then the file name, empty until shown
    for (wxWindow* child : dlg.GetChildren())
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            labels.push_back(text->GetLabelText());
    EXPECT_EQ(labels, (Texts{"Evalon File Name:", ""}));

    evtest::showAsModal(&dlg);
    auto* label = evtest::findControl<wxStaticText>(&dlg, CAssessmentsMgrDataDlg::kFileNameTextID);
    EXPECT_EQ(label->GetLabelText(), fileName);
    EXPECT_LE(label->GetRect().GetRight(), dlg.GetClientSize().x);
    EXPECT_GE(dlg.GetMinClientSize().x, label->GetBestSize().x);
    evtest::pressDialogButton(&dlg, wxID_OK);
    EXPECT_FALSE(dlg.IsShown());
}

TEST_F(AssessmentsMgrDataDlgTest, WithoutAnEntryShowsNothingAndModifyDoesNothing)
{
    registerRecorder("evalon");
    CAssessmentsMgrDataDlg dlg;
    dlg.initialize(nullptr, nullptr);
    const wxSize before = dlg.GetSize();
    evtest::showAsModal(&dlg);
    EXPECT_EQ(
        evtest::findControl<wxStaticText>(&dlg, CAssessmentsMgrDataDlg::kFileNameTextID)->GetLabelText(), "");
    EXPECT_EQ(dlg.GetSize(), before);
    evtest::CLogCapture log;
    evtest::clickButton(evtest::findControl<wxButton>(&dlg, CAssessmentsMgrDataDlg::kModifyButtonID));
    EXPECT_EQ(log.textsAt(wxLOG_Message), Texts{});
    EXPECT_EQ(receivedArgs(), "(not started)");
}

TEST_F(AssessmentsMgrDataDlgTest, StartsTheApplicationWithExactlyTheAssessmentPath)
{
    registerRecorder("bin dir/fake evalon");
    for (const char* name : {"with blanks/my assessment.eva", "it's $HOME & \\more\" \"x.eva"})
    {
        SCOPED_TRACE(name);
        const wxString fileName = writeFile(name, "");
        if (wxFileExists(argsFile()))
            wxRemoveFile(argsFile());
        evtest::CLogCapture log;
        EXPECT_TRUE(modify(fileName));
        EXPECT_EQ(receivedArgs(), fileName + "\n");
        EXPECT_EQ(log.textsAt(wxLOG_Message), Texts{});
    }
}

// What is wrong is told to the user; nothing starts.
TEST_F(AssessmentsMgrDataDlgTest, AnInvalidApplicationOrFileIsReported)
{
    const wxString exists = writeFile("exists.eva", "");
    const wxString missing = path("missing folder/missing.eva");
    const struct
    {
        wxString registered; // empty: nothing registered; "recorder": a working program
        wxString file;
        wxString message;
    } cases[] = {
        {"", missing, kAppMessage}, // the application is checked first
        {path("gone/evalon"), exists, kAppMessage},
        {"recorder", missing, kFileMessage},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE((c.registered + " " + c.file).utf8_string());
        if (c.registered == "recorder")
            registerRecorder("evalon");
        else if (!c.registered.empty())
        {
            ASSERT_TRUE(CShellFileTypes::registerApplication("Evalon", c.registered));
        }
        evtest::CLogCapture log;
        modify(c.file);
        EXPECT_EQ(log.textsAt(wxLOG_Message), Texts{c.message});
        EXPECT_EQ(receivedArgs(), "(not started)");
    }
}

} // namespace
