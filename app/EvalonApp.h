#pragma once

#include "app/AssessmentDocument.h"
#include "app/CommandLine.h"

#include <wx/app.h>

#include <memory>

class CAssessmentsMgr;
class CAttemptRecording;

// The evalon program: the assessment manager, the authoring window of one
// assessment, taking an assessment, or snapshots of its pages, as its command
// line says. Every start registers the program as "Evalon", the application
// the assessment manager opens assessment files in.
class CEvalonApp : public wxApp
{
public:
    static const char kApplicationName[];

    CEvalonApp();
    ~CEvalonApp() override;

    bool OnInit() override;
    int OnRun() override;

    // Registers `executable` as the "Evalon" application. False, with the
    // reason in `error`, when the registry cannot be written.
    static bool registerApplication(const wxString& executable, wxString* error);
    // Writes the snapshots of the assessment `file` (empty: the bundled
    // sample) into `folder` and lists them on standard output; returns the
    // exit code, 0 on success.
    static int writeSnapshots(const wxString& folder, const wxString& file, const wxSize& pageSize);
    // Prints the assessment check of `file`, one problem a line; returns 1
    // when there is an error (or the file cannot be read), else 0.
    static int checkFile(const wxString& file);

    // Before --take starts: an attempt of this taker in progress is offered
    // (kResumeQuestion; Yes resumes it in `recording`, No goes on to a new
    // one, Cancel starts nothing); a new attempt needs one left of the
    // `attemptsAllowed` (0: unlimited). False when nothing is to be taken,
    // with the reason in `refusal` unless the taker cancelled.
    static bool chooseAttempt(CAttemptRecording* recording, unsigned attemptsAllowed, wxString* refusal);
    // In English: shown through wxGetTranslation().
    static const wxString kResumeQuestion;

private:
    bool startManaging();
    bool startAuthoring(const wxString& file);
    bool startTaking(const wxString& file);
    // The taker's name from the name dialog, remembered for next time; false
    // when the taker cancels.
    bool askTakerName(wxString* taker);
    bool openDocument(const wxString& file);
    // Asks whether to create the missing assessment `file`, and does.
    bool createDocument(const wxString& file);
    void reportError(const wxString& message);

    CCommandLine m_commandLine;
    std::unique_ptr<CAssessmentDocument> m_document;
    std::unique_ptr<CAssessmentsMgr> m_assessments;
};
