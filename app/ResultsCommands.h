#pragma once

#include <wx/string.h>

#include <vector>

class CAssessmentMgr;
class CCommandLine;

// The results modes of evalon, which need no display: recording an attempt
// given elsewhere (--record), writing an assessment's attempts as CSV
// (--results ... --to) and its statistics as a report (--report ... --to). Each prints what it did, or the reason it failed on
// standard error, and returns the exit code.
class CResultsCommands
{
public:
    // Runs the --record or --results of `commandLine` without a display: wx
    // as a console program named "evalon", for its configuration and data
    // folder.
    static int run(const CCommandLine& commandLine);

    // --record FILE --taker NAME --answers "0;1,2;;3" [--store URL]
    static int record(const wxString& assessmentFile, const wxString& taker, const wxString& answers,
                      const wxString& storeOption);
    // --results FILE [--store URL] --to PATH.csv
    static int writeResults(const wxString& assessmentFile, const wxString& storeOption, const wxString& target);
    // --report FILE [--store URL] --to PATH.html|.csv|.json
    static int writeReport(const wxString& assessmentFile, const wxString& storeOption, const wxString& target);

    // Reads "0;1,2;;3": one group per question of `assessment` in its order,
    // separated by ';', each the chosen answer indexes (from 0) separated by
    // ','. False, with the reason naming the group, for a wrong number of
    // groups, an index that is not one of the question's answers, an answer
    // given twice, or several answers to a one-answer question.
    static bool parseAnswers(const wxString& text, CAssessmentMgr& assessment,
                             std::vector<std::vector<unsigned>>* answers, wxString* error);

    // The path attempts name an assessment file by: absolute and normalised.
    static wxString assessmentKey(const wxString& assessmentFile);
};
