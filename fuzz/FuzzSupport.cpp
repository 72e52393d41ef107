#include "fuzz/FuzzSupport.h"

#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/gdicmn.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>

namespace
{
void abortOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                   const wxString& msg)
{
    std::fprintf(stderr, "wx assertion failed: %s:%d %s: %s %s\n", static_cast<const char*>(file.utf8_str()),
                 line, static_cast<const char*>(func.utf8_str()), static_cast<const char*>(cond.utf8_str()),
                 static_cast<const char*>(msg.utf8_str()));
    std::abort();
}

class CScratch
{
public:
    CScratch()
    {
        if (!wxInitialize())
        {
            evfuzz::invariantBroken("wxWidgets did not start");
        }
        wxSetAssertHandler(abortOnAssert);
        // Readers report through their return values; a log line per input
        // would only slow the fuzzer down.
        wxLog::EnableLogging(false);
        // A console start of wx makes no colour database; the real program
        // has one, and colour names in files are looked up in it.
        if (wxTheColourDatabase == nullptr)
        {
            wxTheColourDatabase = new wxColourDatabase;
        }
        m_folder = wxFileName::CreateTempFileName(wxFileName::GetTempDir() + "/evalon-fuzz-");
        wxRemoveFile(m_folder);
        if (!wxMkdir(m_folder))
        {
            evfuzz::invariantBroken("cannot create the scratch folder");
        }
    }
    ~CScratch()
    {
        wxFileName::Rmdir(m_folder, wxPATH_RMDIR_RECURSIVE);
        delete wxTheColourDatabase;
        wxTheColourDatabase = nullptr;
        wxUninitialize();
    }
    CScratch(const CScratch&) = delete;
    CScratch& operator=(const CScratch&) = delete;

    wxString folder() const { return m_folder; }

private:
    wxString m_folder;
};
} // namespace

namespace evfuzz
{
wxString scratchFolder()
{
    static CScratch scratch;
    return scratch.folder();
}

void writeBytes(const wxString& path, const uint8_t* data, size_t size)
{
    wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    wxFFile file(path, "wb");
    if (!file.IsOpened() || (size > 0 && file.Write(data, size) != size) || !file.Close())
    {
        invariantBroken("cannot write an input file");
    }
}

void writeText(const wxString& path, const char* text)
{
    writeBytes(path, reinterpret_cast<const uint8_t*>(text), std::char_traits<char>::length(text));
}

void invariantBroken(const char* what)
{
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}
} // namespace evfuzz
