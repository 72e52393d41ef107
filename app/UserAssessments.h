#pragma once

#include <wx/string.h>

class CAssessmentsMgr;

// The user's own assessments, in an Evalon folder of the user's documents:
// the list the manager shows, kept there between runs as "assessments.xml"
// (new assessments are created beside it), and, from the very first start on,
// a copy of the bundled sample, so that the installed sample is never changed.
class CUserAssessments
{
public:
    static const char kListFileName[];

    explicit CUserAssessments(const wxString& folder);
    // "Evalon" in the user's documents folder.
    static wxString getDefaultFolder();

    wxString getFolder() const { return m_folder; }
    wxString getListFileName() const;

    // Loads the list into `manager`, which then writes every change back to
    // it. When there is no list yet, first copies the sample (the folder that
    // holds `sampleFile`) and lists the copy. False, with the reason in
    // getLastError(), when the list cannot be read or the copy fails.
    bool open(CAssessmentsMgr* manager, const wxString& sampleFile);
    // Copies the folder holding `sampleFile` into a folder of its own here,
    // named after the file; a file already there is kept, never overwritten.
    // `copy` receives the copied assessment file.
    bool copySample(const wxString& sampleFile, wxString* copy);

    wxString getLastError() const { return m_lastError; }

private:
    wxString m_folder;
    wxString m_lastError;
};
