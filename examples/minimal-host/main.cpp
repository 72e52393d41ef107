// minimal-host: the smallest host application of evalon-ui. It opens an
// assessment file and lets a test taker answer its questions in a frame.
//
//   minimal-host FILE.eva               until the window is closed
//   minimal-host --self-test FILE.eva   shows the first question, checks that
//                                       it is on the screen, exits 0 (1 if not)

#include "QuestionPanel.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/AssessmentSerializer.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/frame.h>

#include <cstdio>

class CMinimalHostApp : public wxApp
{
public:
    bool OnInit() override;
    int OnRun() override;

private:
    bool openAssessment(const wxString& path);
    void selfTest();

    // The host owns the data; the panel only points at it.
    CAssessmentMgr m_assessment;
    CQuestionPanel* m_panel = nullptr;
    bool m_failed = false;
};

wxIMPLEMENT_APP(CMinimalHostApp);

bool CMinimalHostApp::OnInit()
{
    const bool selfTest = argc == 3 && argv[1] == "--self-test";
    if (argc != (selfTest ? 3 : 2))
    {
        fputs("usage: minimal-host [--self-test] FILE.eva\n", stderr);
        return false;
    }
    wxInitAllImageHandlers();
    if (!openAssessment(argv[argc - 1]))
        return false;

    auto* frame = new wxFrame(nullptr, wxID_ANY, "Minimal host");
    m_panel = new CQuestionPanel(frame);
    m_panel->initialize(&m_assessment);
    if (!m_panel->showPage(0))
    {
        fputs("minimal-host: the first question cannot be shown\n", stderr);
        frame->Destroy();
        return false;
    }
    // After the page operation: the frame takes the size of its background.
    m_panel->initializeDisplaySize(frame);
    frame->Show();
    if (selfTest)
        CallAfter(&CMinimalHostApp::selfTest);
    return true;
}

bool CMinimalHostApp::openAssessment(const wxString& path)
{
    // An assessment names its pictures relative to its own folder, and the
    // data library resolves them against the working directory.
    wxFileName file(path);
    file.MakeAbsolute();
    CAssessmentSerializer reader(&m_assessment, file.GetFullPath());
    if (!wxSetWorkingDirectory(file.GetPath()) || !reader.load() ||
        !m_assessment.getAttributes()->getImageSelections()->updateAbsolutePaths())
    {
        fprintf(stderr, "minimal-host: cannot open %s %s\n", file.GetFullPath().utf8_string().c_str(),
                reader.getLastError().utf8_string().c_str());
        return false;
    }
    return true;
}

// The first question's text is on the screen.
void CMinimalHostApp::selfTest()
{
    CAssessmentMgrData* first = m_assessment.getDataAtIndex(0);
    const wxString text =
        m_assessment.getQuestionDataMgr()->getQuestionDataForID(first->m_questionID)->getQuestion();
    m_failed = true;
    for (wxWindow* child : m_panel->GetChildren())
        if (child->GetLabel() == text && child->IsShownOnScreen())
            m_failed = false;
    printf("minimal-host: the first question is %s\n", m_failed ? "NOT shown" : "shown");
    m_panel->GetParent()->Close();
}

int CMinimalHostApp::OnRun()
{
    const int result = wxApp::OnRun();
    return m_failed ? 1 : result;
}
