#pragma once

#include "interchange/EvalonInterchangeExport.h"

#include <wx/string.h>

#include <string>
#include <vector>

class CImportReport;

/// A question bank as it is downloaded: a zip package (a QTI content package
/// with imsmanifest.xml at its root, or GIFT and other banks zipped with their
/// media). The package's limits are checked on its central directory before
/// anything is unpacked: the number of files, their total unpacked size, names
/// that are absolute or climb out with "..", encryption. Only the bank files
/// are unpacked, through wx's zip stream and into memory; pictures and media
/// stay packed (a question file does not hold them) and archives inside the
/// package are not opened.
class EVALON_INTERCHANGE_EXPORT CBankPackage
{
public:
    /// One bank file of the package.
    struct SMember
    {
        wxString m_name;     ///< its name in the package, with '/' between folders
        std::string m_bytes; ///< its content
    };

    /// More files than this refuse the package.
    static const unsigned kMaxFiles = 20000;
    /// More unpacked bytes than this, all files together, refuse the package.
    static const unsigned long long kMaxUnpackedBytes = 256ull * 1024 * 1024;

    /// Whether `bytes` are a zip archive.
    static bool isPackage(const std::string& bytes);
    /// Unpacks the bank files of the package `bytes` (reported as `file`) into
    /// `members`, in the package's order. False, with the package refused in
    /// `report` and `members` left empty, when the package breaks a limit or
    /// is damaged; archives inside it are noted in `report` as not opened.
    static bool unpack(const std::string& bytes, const wxString& file, std::vector<SMember>* members,
                       CImportReport* report);
    /// Whether a file of this name is a bank (XML, GIFT, text, CSV) rather
    /// than a picture or other media.
    static bool isBankName(const wxString& name);
};
