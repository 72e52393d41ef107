#pragma once

#include <wx/arrstr.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <map>

class wxCmdLineParser;

// What evalon was asked to do, read from its arguments by wxCmdLineParser.
// Works before the toolkit starts (no display, no application object).
//
// To add an option: a row in kOptions (CommandLine.cpp) naming the field its
// value goes to. To add a mode: an eMode value, a row in kModes saying which
// option starts it and what goes with it, and its case where the host starts
// the modes (main.cpp for those without a window, CEvalonApp::OnInit for the
// others). The usage text is generated from both tables.
class CCommandLine
{
public:
    enum eMode
    {
        eManage,   // no argument: the list of assessment files
        eAuthor,   // FILE: the authoring window of one assessment
        eTake,     // --take FILE [--taker NAME] [--store URL] [--full-screen]
        eSnapshot, // --snapshot DIR [FILE] [--size WxH]
        eCheck,    // --check FILE
        eImport,   // --import BANK --into FILE [--questions-dir DIR] [--duplicates add]
        eExport,   // --export FILE --format FORMAT --to PATH
        eRecord,   // --record FILE --taker NAME --answers ANSWERS [--store URL]
        eResults,  // --results FILE --to PATH.csv [--store URL]
        eReport,   // --report FILE --to PATH.html|.csv|.json [--store URL]
        eHelp,     // -h, --help
        eVersion,  // --version
        eMisused   // anything else; getError() says what
    };

    // `arguments` without the program's name.
    static CCommandLine parse(const wxArrayString& arguments);
    static CCommandLine parse(int argc, char** argv);

    eMode getMode() const { return m_mode; }
    // The assessment file; empty for the bundled sample (--snapshot) or none.
    wxString getFile() const { return m_file; }
    // The folder of --snapshot, or of --questions-dir.
    wxString getFolder() const { return m_folder; }
    // The question bank of --import.
    wxString getBank() const { return m_bank; }
    // The format and the file or folder of --export.
    wxString getFormat() const { return m_format; }
    wxString getTarget() const { return m_target; }
    // The taker of --take or --record, the answers of --record, and the
    // results store's URL (empty: the configured or default store).
    wxString getTaker() const { return m_taker; }
    wxString getAnswers() const { return m_answers; }
    wxString getStore() const { return m_store; }
    // Whether --import adds questions already in the assessment again.
    bool addsDuplicates() const { return m_duplicates == "add"; }
    // Whether --take fills the screen.
    bool getFullScreen() const { return !m_fullScreen.empty(); }
    wxString getError() const { return m_error; }
    // The client size of --size; wxDefaultSize when none was given.
    wxSize getPageSize() const;

    // The language of --lang (a code: "de", "fr_CA"); empty for the system's.
    wxString language;

    static wxString usage();
    static wxString version();
    // The version number alone ("0.1.0").
    static wxString versionNumber();

private:
    // One option: its long name (without the dashes), an optional one-letter
    // name, what its value stands for in the usage (nullptr for a switch),
    // the field its value fills and its line in the usage.
    struct SOption
    {
        const char* name;
        const char* shortName;
        const char* value;
        wxString CCommandLine::*field;
        const char* help;
    };
    enum eFileArgument
    {
        eNoFile,
        eOptionalFile,
        eOneFile
    };
    // One mode: the option that chooses it (nullptr: chosen by FILE alone),
    // the options it needs and the others it allows (names parted by blanks),
    // whether it takes FILE, what else it checks in its values (the reason,
    // or empty), its line in the usage, and the reason given when something
    // it needs is missing or it is given a FILE it does not take.
    struct SMode
    {
        eMode mode;
        const char* option;
        const char* needs;
        const char* allows;
        eFileArgument file;
        wxString (*check)(const CCommandLine& line);
        const char* help;
        const char* misuse;
    };
    static const SOption kOptions[];
    static const SMode kModes[];

    static void describe(wxCmdLineParser* parser);
    static wxString modeSynopsis(const SMode& mode);
    static const SOption& optionNamed(const wxString& name);
    static const SMode* modeOf(const wxString& option);
    static wxString checkFormat(const CCommandLine& line);
    static wxString checkDuplicates(const CCommandLine& line);
    static wxString checkCsvTarget(const CCommandLine& line);
    static wxString checkReportTarget(const CCommandLine& line);
    static wxString checkPageSize(const CCommandLine& line);
    static CCommandLine misused(const wxString& error);
    // The mode the options found choose and their values, or the reason the
    // mode refuses them.
    static CCommandLine read(const wxCmdLineParser& parser);
    // The reason an option found does not belong to `mode`, or empty.
    static wxString strayOption(const SMode& mode, const std::map<wxString, wxString>& values);

    eMode m_mode = eManage;
    wxString m_file;
    wxString m_folder;
    wxString m_bank;
    wxString m_format;
    wxString m_target;
    wxString m_taker;
    wxString m_answers;
    wxString m_store;
    wxString m_duplicates;
    wxString m_pageSize;
    wxString m_fullScreen; // "true" when given
    wxString m_error;
};
