// evalon: author, take and snapshot multiple-choice assessments.

#include "app/CommandLine.h"
#include "app/ConsoleMode.h"
#include "app/EvalonApp.h"
#include "app/QuestionBankTool.h"
#include "app/ResultsCommands.h"

#include <wx/intl.h>

#include <cstdio>

wxIMPLEMENT_APP_NO_MAIN(CEvalonApp);

namespace
{
// The modes that open no window, in the user's language: the toolkit is
// started for its translations, without a display.
int runWithoutWindows(const CCommandLine& commandLine)
{
    const CConsoleMode console(commandLine.language);
    switch (commandLine.getMode())
    {
    case CCommandLine::eHelp:
        fputs(CCommandLine::usage().utf8_string().c_str(), stdout);
        return 0;
    case CCommandLine::eVersion:
        fputs(CCommandLine::version().utf8_string().c_str(), stdout);
        return 0;
    case CCommandLine::eImport:
        return CQuestionBankTool::importBank(commandLine.getBank(), commandLine.getFile(),
                                             commandLine.getFolder(), commandLine.addsDuplicates());
    case CCommandLine::eExport:
        return CQuestionBankTool::exportBank(commandLine.getFile(), commandLine.getFormat(),
                                             commandLine.getTarget());
    default:
        fputs(wxString::Format(_("evalon: %s\nTry 'evalon --help' for more information.\n"),
                               commandLine.getError())
                  .utf8_string()
                  .c_str(),
              stderr);
        return 2;
    }
}
} // namespace

int main(int argc, char** argv)
{
    // Answered before the toolkit starts, so that they work without a display
    // (question banks are imported and exported without one too).
    const CCommandLine commandLine = CCommandLine::parse(argc, argv);
    switch (commandLine.getMode())
    {
    case CCommandLine::eRecord:
    case CCommandLine::eResults:
    case CCommandLine::eReport:
        return CResultsCommands::run(commandLine);
    case CCommandLine::eHelp:
    case CCommandLine::eVersion:
    case CCommandLine::eImport:
    case CCommandLine::eExport:
    case CCommandLine::eMisused:
        return runWithoutWindows(commandLine);
    default:
        return wxEntry(argc, argv);
    }
}
