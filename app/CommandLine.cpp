#include "app/CommandLine.h"

#include "interchange/BankFormats.h"

#include <wx/cmdline.h>
#include <wx/msgout.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#ifndef EVALON_VERSION
#define EVALON_VERSION "0.0.0"
#endif

// In the order the usage lists them.
const CCommandLine::SOption CCommandLine::kOptions[] = {
    {"help", "h", nullptr, nullptr, "show this help and exit"},
    {"version", nullptr, nullptr, nullptr, "show the version and exit"},
    {"take", nullptr, "FILE", &CCommandLine::m_file, "the assessment file to take"},
    {"check", nullptr, "FILE", &CCommandLine::m_file, "the assessment file to check"},
    {"snapshot", nullptr, "DIR", &CCommandLine::m_folder,
     "the folder for a PNG picture of every page of FILE (default: the bundled sample)"},
    {"size", nullptr, "WxH", &CCommandLine::m_pageSize,
     "the client size --snapshot shows the pages at, 320x240 to 7680x4320 (default: the backgrounds' size; "
     "a page that needs more room gets it)"},
    {"import", nullptr, "BANK", &CCommandLine::m_bank,
     "a question bank: GIFT, Moodle XML, QTI file, folder or package, Aiken, CSV, or a zip of them"},
    {"into", nullptr, "FILE", &CCommandLine::m_file,
     "the assessment --import adds to (made when missing), a question file per question"},
    {"duplicates", nullptr, "add", &CCommandLine::m_duplicates,
     "--import adds questions already in the assessment again (default: refused)"},
    {"questions-dir", nullptr, "DIR", &CCommandLine::m_folder,
     "where --import writes those files (default: questions/ beside the assessment)"},
    {"export", nullptr, "FILE", &CCommandLine::m_file, "the assessment whose questions --export writes"},
    // The formats' words are appended from the table of formats.
    {"format", nullptr, "FORMAT", &CCommandLine::m_format,
     "the format --export writes (qti21, qti30: --to a folder):"},
    {"to", nullptr, "PATH", &CCommandLine::m_target,
     "the file or folder --export writes, the CSV file of --results, the report of --report"},
    {"record", nullptr, "FILE", &CCommandLine::m_file, "the assessment of an attempt given elsewhere"},
    {"results", nullptr, "FILE", &CCommandLine::m_file, "the assessment whose attempts --results writes"},
    {"report", nullptr, "FILE", &CCommandLine::m_file, "the assessment whose statistics --report writes"},
    {"full-screen", nullptr, nullptr, &CCommandLine::m_fullScreen,
     "--take fills the screen without the window's frame (F11 switches; Escape asks before leaving)"},
    {"taker", nullptr, "NAME", &CCommandLine::m_taker, "the taker's name (--take asks for it otherwise)"},
    {"answers", nullptr, "ANSWERS", &CCommandLine::m_answers,
     "one group per question, separated by ';', of answer indexes (from 0) separated by ','; "
     "empty for no answer: \"0;1,2;;3\""},
    {"store", nullptr, "URL", &CCommandLine::m_store,
     "the results store: sqlite:PATH or postgresql://user@host:port/dbname "
     "(default: the configured one, else results.sqlite in the user's data folder)"},
    {"lang", nullptr, "CODE", &CCommandLine::language,
     "the language of the texts, such as de or fr (default: the system's; English when there is no catalog)"},
};

// A mode without an option is chosen by whether FILE is given.
const CCommandLine::SMode CCommandLine::kModes[] = {
    {eManage, nullptr, "", "", eNoFile, nullptr, "manage your list of assessment files", ""},
    {eAuthor, nullptr, "", "", eOneFile, nullptr, "author the assessment FILE (.eva)", ""},
    {eTake, "take", "", "taker store full-screen", eNoFile, nullptr,
     "take the assessment FILE, the answers kept in the results store",
     "--take needs exactly one assessment file"},
    {eCheck, "check", "", "", eNoFile, nullptr,
     "list what is wrong with the assessment FILE, one problem a line; exit 1 when there is an error",
     "--check needs exactly one assessment file"},
    {eSnapshot, "snapshot", "", "size", eOptionalFile, &CCommandLine::checkPageSize,
     "save every page of FILE (default: the bundled sample) as a PNG picture in DIR, and exit",
     "--snapshot needs a folder and at most one assessment file"},
    {eImport, "import", "into", "questions-dir duplicates", eNoFile, &CCommandLine::checkDuplicates,
     "add the questions of BANK to the assessment FILE, made when missing",
     "--import needs --into ASSESSMENT"},
    {eExport, "export", "format to", "", eNoFile, &CCommandLine::checkFormat,
     "write the questions of FILE to PATH in FORMAT", "--export needs --format FORMAT and --to PATH"},
    {eRecord, "record", "taker answers", "store", eNoFile, nullptr,
     "score and store an attempt given elsewhere (on paper, on another system)",
     "--record needs --taker NAME and --answers ANSWERS"},
    {eResults, "results", "to", "store", eNoFile, &CCommandLine::checkCsvTarget,
     "write every submitted attempt of FILE to PATH as CSV, a row per attempt and question",
     "--results needs --to PATH.csv"},
    {eReport, "report", "to", "store", eNoFile, &CCommandLine::checkReportTarget,
     "write the statistics of FILE's submitted attempts to PATH: .html a report, .csv a row per question, "
     ".json the test's figures",
     "--report needs --to PATH.html, PATH.csv or PATH.json"},
    {eHelp, "help", "", "", eNoFile, nullptr, "show this help and exit", "--help takes no argument"},
    {eVersion, "version", "", "", eNoFile, nullptr, "show the version and exit",
     "--version takes no argument"},
};

namespace
{

// Keeps what the parser would print, so that the host decides where it goes
// (and so that parsing works before the toolkit has an output of its own).
class CCollectedOutput : public wxMessageOutput
{
public:
    CCollectedOutput() : m_previous(wxMessageOutput::Set(this)) {}
    ~CCollectedOutput() override { wxMessageOutput::Set(m_previous); }

    void Output(const wxString& text) override { m_text += text; }
    wxString firstLine() const { return m_text.BeforeFirst('\n').Trim(); }

private:
    wxMessageOutput* m_previous;
    wxString m_text;
};

// The parser reads argv[0] for the program's name in the usage: always
// "evalon", whatever path started it.
void setArguments(wxCmdLineParser* parser, const wxArrayString& arguments)
{
    std::vector<std::wstring> copies{L"evalon"};
    for (const wxString& argument : arguments)
        copies.push_back(argument.ToStdWstring());
    std::vector<wchar_t*> argv;
    for (std::wstring& copy : copies)
        argv.push_back(&copy[0]);
    parser->SetCmdLine(static_cast<int>(argv.size()), argv.data());
}

wxArrayString names(const char* list)
{
    return wxSplit(list, ' ');
}

bool contains(const char* list, const wxString& name)
{
    return names(list).Index(name) != wxNOT_FOUND;
}

} // namespace

CCommandLine CCommandLine::parse(int argc, char** argv)
{
    wxArrayString arguments;
    // UTF-8 first: the arguments are read before the toolkit sets the locale,
    // and paths beyond ASCII must come through.
    for (int i = 1; i < argc; ++i)
    {
        const wxString argument = wxString::FromUTF8(argv[i]);
        arguments.Add(argument.empty() ? wxString(argv[i]) : argument);
    }
    return parse(arguments);
}

CCommandLine CCommandLine::parse(const wxArrayString& arguments)
{
    wxCmdLineParser parser;
    describe(&parser);
    setArguments(&parser, arguments);
    int result = 0;
    wxString error;
    {
        CCollectedOutput output;
        result = parser.Parse(false);
        error = output.firstLine();
    }
    if (result > 0)
        return misused(error);
    if (result < 0) // --help, which the parser answers before reading the rest
    {
        CCommandLine line;
        line.m_mode = eHelp;
        return arguments.size() == 1 ? line : misused(modeOf("help")->misuse);
    }
    return read(parser);
}

CCommandLine CCommandLine::read(const wxCmdLineParser& parser)
{
    std::map<wxString, wxString> values; // by option name
    const SMode* mode = nullptr;
    for (const wxCmdLineArg& argument : parser.GetArguments())
    {
        if (argument.GetKind() == wxCMD_LINE_PARAM)
            continue;
        const wxString name = argument.GetLongName();
        // A switch given reads as "true" in its field.
        const wxString value = argument.GetKind() == wxCMD_LINE_OPTION ? argument.GetStrVal() : wxString("true");
        if (values.count(name))
            return misused(wxString::Format("--%s is given twice", name));
        // "--take --into x" is a forgotten value, not a file named "--into".
        if (value.StartsWith("--"))
            return misused(wxString::Format("--%s needs a value", name));
        values[name] = value;
        const SMode* chosen = modeOf(name);
        if (chosen && mode)
            return misused(wxString::Format("--%s does not go with --%s", name, mode->option));
        if (chosen)
            mode = chosen;
    }
    const bool hasFile = parser.GetParamCount() > 0;
    if (!mode)
        mode = &*std::find_if(std::begin(kModes), std::end(kModes),
                              [hasFile](const SMode& each)
                              { return !each.option && (each.file == eOneFile) == hasFile; });

    const wxString stray = strayOption(*mode, values);
    if (!stray.empty())
        return misused(stray);
    const wxArrayString needs = names(mode->needs);
    const bool needsMissing = std::any_of(needs.begin(), needs.end(),
                                          [&values](const wxString& name) { return !values.count(name); });
    if (needsMissing || (hasFile && mode->file == eNoFile))
        return misused(mode->misuse);

    CCommandLine line;
    line.m_mode = mode->mode;
    for (const auto& [name, value] : values)
    {
        if (const auto field = optionNamed(name).field)
            line.*field = value;
    }
    if (hasFile)
        line.m_file = parser.GetParam(0);
    const wxString reason = mode->check ? mode->check(line) : wxString();
    return reason.empty() ? line : misused(reason);
}

wxString CCommandLine::strayOption(const SMode& mode, const std::map<wxString, wxString>& values)
{
    for (const auto& [name, value] : values)
    {
        // --lang goes with every mode.
        if ((mode.option && name == mode.option) || contains(mode.needs, name) || contains(mode.allows, name) ||
            name == "lang")
            continue;
        if (mode.option)
            return wxString::Format("--%s does not go with --%s", name, mode.option);
        for (const SMode& owner : kModes)
        {
            if (contains(owner.needs, name) || contains(owner.allows, name))
                return wxString::Format("--%s goes with --%s only", name, owner.option);
        }
        return wxString::Format("--%s does not go with FILE", name);
    }
    return wxString();
}

void CCommandLine::describe(wxCmdLineParser* parser)
{
    for (const SOption& option : kOptions)
    {
        const wxString shortName = option.shortName ? option.shortName : "";
        if (!option.value)
            parser->AddSwitch(shortName, option.name, option.help,
                              wxString(option.name) == "help" ? wxCMD_LINE_OPTION_HELP : 0);
        else if (option.field == &CCommandLine::m_format)
            parser->AddOption(shortName, option.name,
                              wxString(option.help) + " " + CBankFormats::writtenWords());
        else
            parser->AddOption(shortName, option.name, option.help);
    }
    parser->AddParam("FILE", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
    parser->AddUsageText("\nWrite and take multiple-choice assessments:");
    for (const SMode& mode : kModes)
    {
        if (mode.option && !optionNamed(mode.option).value)
            continue; // --help and --version: listed with the options
        parser->AddUsageText(wxString::Format("  %s\n      %s", modeSynopsis(mode), mode.help));
    }
    parser->AddUsageText("--import and --export print a report and exit with 1 when a question was refused.");
}

wxString CCommandLine::modeSynopsis(const SMode& mode)
{
    auto withValue = [](const wxString& name)
    {
        const SOption& option = optionNamed(name);
        return option.value ? wxString::Format("--%s %s", name, option.value) : "--" + name;
    };
    wxString synopsis = "evalon";
    if (mode.option)
        synopsis << " " << withValue(mode.option);
    for (const wxString& name : names(mode.needs))
        synopsis << " " << withValue(name);
    for (const wxString& name : names(mode.allows))
        synopsis << " [" << withValue(name) << "]";
    if (mode.file == eOneFile)
        synopsis << " FILE";
    else if (mode.file == eOptionalFile)
        synopsis << " [FILE]";
    return synopsis;
}

const CCommandLine::SOption& CCommandLine::optionNamed(const wxString& name)
{
    return *std::find_if(std::begin(kOptions), std::end(kOptions),
                         [&name](const SOption& option) { return name == option.name; });
}

const CCommandLine::SMode* CCommandLine::modeOf(const wxString& option)
{
    for (const SMode& mode : kModes)
    {
        if (mode.option && option == mode.option)
            return &mode;
    }
    return nullptr;
}

wxString CCommandLine::checkDuplicates(const CCommandLine& line)
{
    return line.m_duplicates.empty() || line.m_duplicates == "add"
               ? wxString()
               : wxString::Format("--duplicates takes only 'add', not '%s'", line.m_duplicates);
}

wxString CCommandLine::checkFormat(const CCommandLine& line)
{
    const CBankFormats::SFormat* format = CBankFormats::find(line.m_format);
    if (format && format->m_written)
        return wxString();
    return wxString::Format("unknown format '%s' (%s)", line.m_format, CBankFormats::writtenWords());
}

wxString CCommandLine::checkCsvTarget(const CCommandLine& line)
{
    if (line.m_target.Lower().EndsWith(".csv"))
        return wxString();
    return wxString::Format("--results writes CSV: --to needs a .csv file, not '%s'", line.m_target);
}

namespace
{

const wxSize kSmallestPage(320, 240);
const wxSize kLargestPage(7680, 4320);

// "WxH" in decimal digits, within the limits; wxDefaultSize otherwise.
wxSize readPageSize(const wxString& text)
{
    const wxString width = text.BeforeFirst('x');
    const wxString height = text.AfterFirst('x');
    unsigned long w = 0, h = 0;
    const bool digits = !width.empty() && !height.empty() && width.find_first_not_of("0123456789") == wxString::npos &&
                        height.find_first_not_of("0123456789") == wxString::npos;
    if (!digits || !width.ToULong(&w) || !height.ToULong(&h) || w < unsigned(kSmallestPage.x) ||
        h < unsigned(kSmallestPage.y) || w > unsigned(kLargestPage.x) || h > unsigned(kLargestPage.y))
        return wxDefaultSize;
    return wxSize(int(w), int(h));
}

} // namespace

wxSize CCommandLine::getPageSize() const
{
    return m_pageSize.empty() ? wxDefaultSize : readPageSize(m_pageSize);
}

wxString CCommandLine::checkPageSize(const CCommandLine& line)
{
    if (line.m_pageSize.empty() || readPageSize(line.m_pageSize) != wxDefaultSize)
        return wxString();
    return wxString::Format("--size needs WIDTHxHEIGHT from %dx%d to %dx%d, not '%s'", kSmallestPage.x,
                            kSmallestPage.y, kLargestPage.x, kLargestPage.y, line.m_pageSize);
}

wxString CCommandLine::checkReportTarget(const CCommandLine& line)
{
    const wxString target = line.m_target.Lower();
    for (const char* extension : {".html", ".htm", ".csv", ".json"})
        if (target.EndsWith(extension))
            return wxString();
    return wxString::Format("--report writes .html, .csv or .json: not '%s'", line.m_target);
}

CCommandLine CCommandLine::misused(const wxString& error)
{
    CCommandLine line;
    line.m_mode = eMisused;
    line.m_error = error;
    return line;
}

wxString CCommandLine::usage()
{
    wxCmdLineParser parser;
    describe(&parser);
    setArguments(&parser, wxArrayString());
    return parser.GetUsageString();
}

wxString CCommandLine::versionNumber()
{
    return EVALON_VERSION;
}

wxString CCommandLine::version()
{
    return "evalon " EVALON_VERSION "\n";
}
