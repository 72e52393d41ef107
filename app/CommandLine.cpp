#include "app/CommandLine.h"

#ifndef EVALON_VERSION
#define EVALON_VERSION "0.0.0"
#endif

CCommandLine CCommandLine::parse(int argc, char** argv)
{
    wxArrayString arguments;
    for (int i = 1; i < argc; ++i)
        arguments.Add(wxString(argv[i]));
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

wxString CCommandLine::usage()
{
    return "Usage: evalon [FILE]\n"
           "       evalon --take FILE\n"
           "       evalon --snapshot DIR [FILE]\n"
           "Write and take multiple-choice assessments.\n"
           "\n"
           "  (no argument)          manage your list of assessment files\n"
           "  FILE                   author the assessment FILE (.eva)\n"
           "  --take FILE            take the assessment FILE\n"
           "  --snapshot DIR [FILE]  save every page of FILE (default: the bundled sample)\n"
           "                         as a PNG picture in DIR, and exit\n"
           "  -h, --help             show this help and exit\n"
           "      --version          show the version and exit\n";
}

wxString CCommandLine::version()
{
    return "evalon " EVALON_VERSION "\n";
}
