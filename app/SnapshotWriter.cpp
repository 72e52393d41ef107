#include "app/SnapshotWriter.h"

#include "app/TakeAssessmentFrame.h"
#include "app/TakeAssessmentPanel.h"
#include "external/data/QuestionData.h"
#include "external/widgets/WindowPicture.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <algorithm>

namespace
{

void pumpEvents()
{
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
    wxTheApp->Yield(true);
}

// Waits (at most two seconds) until the window is on the screen.
void waitUntilShown(wxWindow* window)
{
    wxStopWatch watch;
    while (!window->IsShownOnScreen() && watch.Time() < 2000)
    {
        pumpEvents();
        wxMilliSleep(5);
    }
    pumpEvents();
}

wxString pageName(const CAssessmentTaking& taking)
{
    switch (taking.getPage())
    {
    case CAssessmentTaking::eQuestionPage:
        return wxString::Format("question-%u", taking.getQuestionIndex() + 1);
    case CAssessmentTaking::eSubmitPage:
        return "submit";
    case CAssessmentTaking::eReviewPage:
        return "review";
    case CAssessmentTaking::eCongratulationsPage:
        return "congratulations";
    }
    return "page";
}

} // namespace

CSnapshotWriter::CSnapshotWriter(CAssessmentMgr* assessment, const wxString& folder)
    : m_assessment(assessment), m_folder(folder)
{
}

wxImage CSnapshotWriter::grabClientArea(wxWindow* window)
{
    // The client DC reads what is on the screen: let pending paints finish.
    window->Refresh();
    window->Update();
    pumpEvents();
    return ::grabClientArea(window);
}

bool CSnapshotWriter::write()
{
    m_files.clear();
    m_lastError.clear();
    if (!wxFileName::DirExists(m_folder) && !wxFileName::Mkdir(m_folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
    {
        m_lastError = wxString::Format(_("The folder %s cannot be created."), m_folder);
        return false;
    }
    auto* frame = new CTakeAssessmentFrame();
    const bool written = writePages(*frame);
    frame->Destroy();
    pumpEvents();
    return written;
}

bool CSnapshotWriter::writePages(CTakeAssessmentFrame& frame)
{
    if (!frame.initialize(m_assessment))
    {
        m_lastError = frame.getLastError();
        return false;
    }
    frame.setInteractive(false);
    frame.Show();
    waitUntilShown(&frame);

    CTakeAssessmentPanel* panel = frame.getPanel();
    const CAssessmentTaking& taking = *panel->getTaking();
    for (;;)
    {
        const bool lastQuestion = taking.getPage() == CAssessmentTaking::eQuestionPage &&
                                  taking.getQuestionIndex() + 1 == taking.getNumQuestions();
        if (taking.getPage() == CAssessmentTaking::eQuestionPage && !lastQuestion)
        {
            wxArrayInt correct;
            taking.getCurrentQuestion()->getCorrectAnswerIndexes(&correct);
            panel->selectAnswers(taking.getOrder().toShown(taking.getCurrentEntry(), correct));
        }
        if (!resizePage(frame) || !savePage(frame, pageName(taking)))
            return false;
        if (taking.getPage() == CAssessmentTaking::eCongratulationsPage)
            return true;
        // Page turns go through the panel exactly as a click would.
        panel->goForward();
        if (!frame.getLastError().empty())
        {
            m_lastError = frame.getLastError();
            return false;
        }
    }
}

// Each page again: the room a page needs differs from page to page.
bool CSnapshotWriter::resizePage(CTakeAssessmentFrame& frame)
{
    if (m_pageSize == wxDefaultSize)
        return true;
    CTakeAssessmentPanel* panel = frame.getPanel();
    const wxSize minimum = panel->minimumClientSize();
    const wxSize wanted(std::max(m_pageSize.x, minimum.x), std::max(m_pageSize.y, minimum.y));
    frame.SetClientSize(wanted);
    wxStopWatch watch;
    while (panel->GetClientSize() != wanted && watch.Time() < 2000)
    {
        pumpEvents();
        wxMilliSleep(5);
    }
    if (panel->GetClientSize() == wanted)
        return true;
    m_lastError = wxString::Format(_("The window cannot be given a client area of %d x %d pixels."), wanted.x,
                                   wanted.y);
    return false;
}

bool CSnapshotWriter::savePage(CTakeAssessmentFrame& frame, const wxString& name)
{
    const wxString file =
        wxFileName(m_folder, wxString::Format("%02u-%s.png", unsigned(m_files.size() + 1), name))
            .GetFullPath();
    const wxImage picture = grabClientArea(frame.getPanel());
    if (!picture.IsOk() || !picture.SaveFile(file, wxBITMAP_TYPE_PNG))
    {
        m_lastError = wxString::Format(_("The picture %s cannot be written."), file);
        return false;
    }
    m_files.Add(file);
    return true;
}
