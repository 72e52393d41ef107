#pragma once

#include <wx/stopwatch.h>
#include <wx/string.h>

#include <cstdio>

// evalon's command-line modes for question banks, for authors with many of
// them: --import BANK --into ASSESSMENT [--questions-dir DIR] and
// --export ASSESSMENT --format FORMAT --to PATH. They need no display. Each
// prints its report on standard output and returns the exit code: 0 when
// everything was taken over, 1 when anything was refused or the work failed
// (the reason on standard error). When standard output is a terminal, an
// import shows its progress on one line that the report then replaces.
class CQuestionBankTool
{
public:
    // Imports BANK (a file or a folder of QTI items) into the assessment
    // file, created when missing; the question files go to `questionsFolder`,
    // by default the folder "questions" beside the assessment file. The
    // assessment file is written when questions were added. Questions
    // already in the assessment are refused unless `addDuplicates`.
    static int importBank(const wxString& bank, const wxString& assessmentFile,
                          const wxString& questionsFolder, bool addDuplicates = false);
    // Writes the questions of the assessment file to `target` in `format`
    // (gift, moodle, qti21, qti30, csv).
    static int exportBank(const wxString& assessmentFile, const wxString& format, const wxString& target);

    // The folder question files go to when none is named.
    static wxString defaultQuestionsFolder(const wxString& assessmentFile);

    // An import's progress on one terminal line ("Reading: 120 of 10000"),
    // rewritten in place a few times a second and cleared at the end.
    class CTerminalProgress
    {
    public:
        explicit CTerminalProgress(FILE* terminal);
        ~CTerminalProgress();
        CTerminalProgress(const CTerminalProgress&) = delete;
        CTerminalProgress& operator=(const CTerminalProgress&) = delete;

        // The importer's progress callback; never stops the import.
        bool operator()(const wxString& stage, unsigned done, unsigned total);

    private:
        FILE* m_terminal;
        wxString m_stage;
        wxStopWatch m_sinceUpdate;
        bool m_shown = false;
    };
};
