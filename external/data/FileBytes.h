#pragma once

#include "external/data/EvalonDataExport.h"

#include <wx/string.h>

#include <string>

/// The two file steps every file of ours takes: read whole into memory, and
/// written whole by replacing the old file with a rename. The replacement never
/// removes the old file first (wxTempFile::Commit() does, so a process killed
/// there leaves no file at all): a reader, and whatever becomes of the process,
/// finds the old file or the new one, with the old file's permissions.
class EVALON_DATA_EXPORT CFileBytes
{
public:
    /// Reads the whole file `path`. False, with `error` giving the reason
    /// ("file not found", "is a folder, not a file", "cannot open the file:
    /// ...", "the file is 300000000 bytes, more than the 256 MiB allowed"...),
    /// when it cannot be read or is larger than `maxBytes`.
    static bool read(const wxString& path, std::string* bytes, wxString* error,
                     unsigned long long maxBytes = kDefaultMaxBytes);
    /// Replaces the file `path` (made when missing) with `bytes` through a
    /// temporary file beside it. False, with `error` giving the reason and the
    /// old file as it was, when that fails.
    static bool replace(const wxString& path, const std::string& bytes, wxString* error);

    /// Far beyond any file of ours or of a question bank.
    static const unsigned long long kDefaultMaxBytes = 256ull * 1024 * 1024;
};
