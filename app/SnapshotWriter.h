#pragma once

#include <wx/arrstr.h>
#include <wx/image.h>
#include <wx/string.h>

class CAssessmentMgr;
class CTakeAssessmentFrame;
class wxWindow;

// Renders every page of an assessment as the test taker sees it, at the size
// of its backgrounds or at a size given, and saves one PNG per page in page order:
// "01-question-1.png" ... then "NN-submit.png", "NN-review.png" and
// "NN-congratulations.png". The pictures show a test taker who answers every
// question right but the last, which is left open, so that the question pages
// show checked answers and the review page a score below 100 percent.
class CSnapshotWriter
{
public:
    // The assessment is the caller's; its image paths must already resolve.
    CSnapshotWriter(CAssessmentMgr* assessment, const wxString& folder);

    // The client size to show the pages at instead of the backgrounds' size;
    // a page that needs more room is shown at what it needs. wxDefaultSize
    // (the default) keeps the backgrounds' size.
    void setPageSize(const wxSize& size) { m_pageSize = size; }

    // False, with the reason in getLastError(), at the first page that cannot
    // be shown or saved.
    bool write();
    const wxArrayString& getFiles() const { return m_files; }
    wxString getLastError() const { return m_lastError; }

    // What `window` shows on the screen, its children included.
    static wxImage grabClientArea(wxWindow* window);

private:
    bool writePages(CTakeAssessmentFrame& frame);
    bool savePage(CTakeAssessmentFrame& frame, const wxString& name);
    bool resizePage(CTakeAssessmentFrame& frame);

    CAssessmentMgr* m_assessment;
    wxString m_folder;
    wxSize m_pageSize = wxDefaultSize;
    wxArrayString m_files;
    wxString m_lastError;
};
