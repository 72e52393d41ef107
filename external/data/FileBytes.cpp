#include "external/data/FileBytes.h"

#include <wx/ffile.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>

#include <sys/stat.h>

const unsigned long long CFileBytes::kDefaultMaxBytes;

namespace
{
// The permissions a rewritten file keeps: the old file's, or for a new file
// what the process's umask leaves of read-write for all.
mode_t permissionsFor(const wxString& path)
{
    struct stat old;
    if (stat(path.fn_str(), &old) == 0)
    {
        return old.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}
} // namespace

bool CFileBytes::read(const wxString& path, std::string* bytes, wxString* error, unsigned long long maxBytes)
{
    if (wxDirExists(path))
    {
        *error = "is a folder, not a file";
        return false;
    }
    if (!wxFileExists(path))
    {
        *error = "file not found";
        return false;
    }
    wxLogNull quiet; // the reason goes to the caller, not to a log window
    wxFFile file(path, "rb");
    const wxFileOffset length = file.IsOpened() ? file.Length() : -1;
    if (length < 0)
    {
        *error = "cannot open the file: " + wxSysErrorMsgStr();
        return false;
    }
    if (static_cast<unsigned long long>(length) > maxBytes)
    {
        *error = wxString::Format("the file is %llu bytes, more than the %llu MiB allowed",
                                  static_cast<unsigned long long>(length), maxBytes >> 20);
        return false;
    }
    bytes->assign(static_cast<size_t>(length), '\0');
    if (file.Read(bytes->data(), bytes->size()) != bytes->size())
    {
        *error = "cannot read the file: " + wxSysErrorMsgStr();
        return false;
    }
    return true;
}

bool CFileBytes::replace(const wxString& path, const std::string& bytes, wxString* error)
{
    wxLogNull quiet;
    wxFile file;
    const wxString temporary = wxFileName::CreateTempFileName(path, &file);
    if (temporary.empty())
    {
        *error = "cannot create a temporary file beside it: " + wxSysErrorMsgStr();
        return false;
    }
    if (file.Write(bytes.data(), bytes.size()) != bytes.size() || fchmod(file.fd(), permissionsFor(path)) != 0 ||
        !file.Close())
    {
        *error = "cannot write: " + wxSysErrorMsgStr();
        wxRemoveFile(temporary);
        return false;
    }
    if (wxRename(temporary, path) != 0)
    {
        *error = "cannot replace the file: " + wxSysErrorMsgStr();
        wxRemoveFile(temporary);
        return false;
    }
    return true;
}
