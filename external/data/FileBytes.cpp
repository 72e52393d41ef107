#include "external/data/FileBytes.h"

#include <wx/log.h>
#include <wx/translation.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

const unsigned long long CFileBytes::kDefaultMaxBytes;

namespace
{
// The permissions a rewritten file keeps: the old file's, or for a new file
// what the process's umask leaves of read-write for all.
mode_t permissionsFor(const char* path)
{
    struct stat old;
    if (stat(path, &old) == 0)
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
        *error = errno == ENOENT ? _("file not found")
                                 : wxString::Format(_("cannot open the file: %s"), wxSysErrorMsgStr());
        return false;
    }
    struct stat facts;
    bool ok = fstat(file, &facts) == 0;
    if (!ok)
    {
        *error = wxString::Format(_("cannot open the file: %s"), wxSysErrorMsgStr());
    }
    else if (S_ISDIR(facts.st_mode))
    {
        ok = false;
        *error = _("is a folder, not a file");
    }
    else if (!S_ISREG(facts.st_mode))
    {
        ok = false;
        *error = _("is not a regular file");
    }
    else if (static_cast<unsigned long long>(facts.st_size) > maxBytes)
    {
        ok = false;
        const auto size = static_cast<unsigned long long>(facts.st_size);
        *error = wxString::Format(wxPLURAL("the file is %llu byte, more than the %llu MiB allowed",
                                           "the file is %llu bytes, more than the %llu MiB allowed", size),
                                  size, maxBytes >> 20);
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
            *error = wxString::Format(_("cannot read the file: %s"), wxSysErrorMsgStr());
        }
    }
    close(file);
    return ok;
}

bool CFileBytes::replace(const wxString& path, const std::string& bytes, wxString* error)
{
    // The temporary file is the path and six random characters (what
    // wxFileName::CreateTempFileName makes, without its checks and
    // conversions: an import writes thousands of files one after the other).
    const auto target = path.fn_str();
    if (target.length() == 0)
    {
        *error = _("the name cannot be given to the file system");
        return false;
    }
    std::string temporary = std::string(target.data()) + "XXXXXX";
    const int file = mkostemp(&temporary[0], O_CLOEXEC);
    if (file < 0)
    {
        *error = wxString::Format(_("cannot create a temporary file beside it: %s"), wxSysErrorMsgStr());
        return false;
    }
    size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size())
    {
        const ssize_t count = ::write(file, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
        {
            continue;
        }
        ok = count > 0;
        done += ok ? static_cast<size_t>(count) : 0;
    }
    ok = ok && fchmod(file, permissionsFor(target.data())) == 0;
    ok = close(file) == 0 && ok;
    if (!ok)
    {
        *error = wxString::Format(_("cannot write: %s"), wxSysErrorMsgStr());
        unlink(temporary.c_str());
        return false;
    }
    if (rename(temporary.c_str(), target.data()) != 0)
    {
        *error = wxString::Format(_("cannot replace the file: %s"), wxSysErrorMsgStr());
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
