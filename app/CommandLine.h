#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

// What evalon was asked to do, read from its arguments.
class CCommandLine
{
public:
    enum eMode
    {
        eManage,   // no argument: the list of assessment files
        eAuthor,   // FILE: the authoring window of one assessment
        eTake,     // --take FILE
        eSnapshot, // --snapshot DIR [FILE]
        eImport,   // --import BANK --into FILE [--questions-dir DIR]
        eExport,   // --export FILE --format FORMAT --to PATH
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
    wxString getError() const { return m_error; }

    static wxString usage();
    static wxString version();

private:
    static CCommandLine parseBankOptions(const wxArrayString& arguments);

    eMode m_mode = eManage;
    wxString m_file;
    wxString m_folder;
    wxString m_bank;
    wxString m_format;
    wxString m_target;
    wxString m_error;
};
