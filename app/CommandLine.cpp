#include "app/CommandLine.h"

#include "interchange/QuestionExporter.h"

#include <map>

#ifndef EVALON_VERSION
#define EVALON_VERSION "0.0.0"
#endif

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
    CCommandLine line;
    const size_t count = arguments.size();
    const wxString first = count > 0 ? arguments[0] : wxString();
    auto fail = [&line](const wxString& error)
    {
        line.m_mode = eMisused;
        line.m_error = error;
        return line;
    };

    if (count == 0)
        return line;
    if (first == "-h" || first == "--help")
        line.m_mode = eHelp;
    else if (first == "--version")
        line.m_mode = eVersion;
    else if (first == "--take")
    {
        if (count != 2)
            return fail("--take needs exactly one assessment file");
        line.m_mode = eTake;
        line.m_file = arguments[1];
    }
    else if (first == "--snapshot")
    {
        if (count < 2 || count > 3)
            return fail("--snapshot needs a folder and at most one assessment file");
        line.m_mode = eSnapshot;
        line.m_folder = arguments[1];
        line.m_file = count == 3 ? arguments[2] : wxString();
    }
    else if (first == "--import" || first == "--export")
        return parseBankOptions(arguments);
    else if (first.StartsWith("-"))
        return fail(wxString::Format("unknown option '%s'", first));
    else
    {
        if (count != 1)
            return fail("give one assessment file at a time");
        line.m_mode = eAuthor;
        line.m_file = first;
    }
    if ((line.m_mode == eHelp || line.m_mode == eVersion) && count != 1)
        return fail(wxString::Format("%s takes no argument", first));
    return line;
}

CCommandLine CCommandLine::parseBankOptions(const wxArrayString& arguments)
{
    CCommandLine line;
    const bool import = arguments[0] == "--import";
    auto fail = [&line](const wxString& error)
    {
        line.m_mode = eMisused;
        line.m_error = error;
        return line;
    };
    line.m_mode = import ? eImport : eExport;
    if (arguments.size() < 2 || arguments[1].StartsWith("--"))
        return fail(import ? "--import needs a question bank" : "--export needs an assessment file");
    (import ? line.m_bank : line.m_file) = arguments[1];
    std::map<wxString, wxString*> options;
    if (import)
        options = {{"--into", &line.m_file}, {"--questions-dir", &line.m_folder}};
    else
        options = {{"--format", &line.m_format}, {"--to", &line.m_target}};
    for (size_t i = 2; i < arguments.size(); i += 2)
    {
        const auto option = options.find(arguments[i]);
        if (option == options.end())
            return fail(wxString::Format("unexpected '%s' after %s", arguments[i], arguments[0]));
        if (i + 1 == arguments.size())
            return fail(wxString::Format("%s needs a value", arguments[i]));
        *option->second = arguments[i + 1];
    }
    CQuestionExporter::eFormat format = CQuestionExporter::eGift;
    if (import && line.m_file.empty())
        return fail("--import needs --into ASSESSMENT");
    if (!import && (line.m_format.empty() || line.m_target.empty()))
        return fail("--export needs --format FORMAT and --to PATH");
    if (!import && !CQuestionExporter::parseFormat(line.m_format, &format))
        return fail(
            wxString::Format("unknown format '%s' (gift, moodle, qti21, qti30 or csv)", line.m_format));
    return line;
}

wxString CCommandLine::usage()
{
    return "Usage: evalon [FILE]\n"
           "       evalon --take FILE\n"
           "       evalon --snapshot DIR [FILE]\n"
           "       evalon --import BANK --into FILE [--questions-dir DIR]\n"
           "       evalon --export FILE --format FORMAT --to PATH\n"
           "Write and take multiple-choice assessments.\n"
           "\n"
           "  (no argument)          manage your list of assessment files\n"
           "  FILE                   author the assessment FILE (.eva)\n"
           "  --take FILE            take the assessment FILE\n"
           "  --snapshot DIR [FILE]  save every page of FILE (default: the bundled sample)\n"
           "                         as a PNG picture in DIR, and exit\n"
           "  --import BANK --into FILE\n"
           "                         add the questions of BANK (GIFT, Moodle XML, QTI file\n"
           "                         or folder, Aiken, CSV) to the assessment FILE, made\n"
           "                         when missing, each in a question file of its own\n"
           "      --questions-dir DIR  where those files go (default: questions/ beside FILE)\n"
           "  --export FILE --format FORMAT --to PATH\n"
           "                         write the questions of FILE to PATH as gift, moodle,\n"
           "                         qti21, qti30 (PATH a folder) or csv\n"
           "                         Both print a report and exit with 1 when a question\n"
           "                         was refused.\n"
           "  -h, --help             show this help and exit\n"
           "      --version          show the version and exit\n";
}

wxString CCommandLine::version()
{
    return "evalon " EVALON_VERSION "\n";
}
