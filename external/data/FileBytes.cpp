#include "external/data/FileBytes.h"

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
    // open, fstat and read, nothing more: banks of ten thousand item files
    // are read one file after the other.
    // O_NONBLOCK: a named pipe put where a file should be does not hang the open.
    const int file = open(path.fn_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0)
    {
        *error = errno == ENOENT ? wxString("file not found") : "cannot open the file: " + wxSysErrorMsgStr();
        return false;
    }
    struct stat facts;
    bool ok = fstat(file, &facts) == 0;
    if (!ok)
    {
        *error = "cannot open the file: " + wxSysErrorMsgStr();
    }
    else if (S_ISDIR(facts.st_mode))
    {
        ok = false;
        *error = "is a folder, not a file";
    }
    else if (!S_ISREG(facts.st_mode))
    {
        ok = false;
        *error = "is not a regular file";
    }
    else if (static_cast<unsigned long long>(facts.st_size) > maxBytes)
    {
        ok = false;
        *error = wxString::Format("the file is %llu bytes, more than the %llu MiB allowed",
                                  static_cast<unsigned long long>(facts.st_size), maxBytes >> 20);
    }
    else
    {
        bytes->assign(static_cast<size_t>(facts.st_size), '\0');
        size_t done = 0;
        while (ok && done < bytes->size())
        {
            const ssize_t count = ::read(file, bytes->data() + done, bytes->size() - done);
            if (count < 0 && errno == EINTR)
            {
                continue;
            }
            ok = count > 0;
            done += ok ? static_cast<size_t>(count) : 0;
        }
        if (!ok)
        {
            *error = "cannot read the file: " + wxSysErrorMsgStr();
        }
    }
    close(file);
    return ok;
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
    if (file.Write(bytes.data(), bytes.size()) != bytes.size() ||
        fchmod(file.fd(), permissionsFor(path)) != 0 || !file.Close())
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
