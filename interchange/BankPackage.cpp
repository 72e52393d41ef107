#include "interchange/BankPackage.h"

#include "interchange/ImportReport.h"

#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/zipstrm.h>

#include <cstdint>
#include <memory>

const unsigned CBankPackage::kMaxFiles;
const unsigned long long CBankPackage::kMaxUnpackedBytes;

namespace
{

const uint32_t kEndOfDirectory = 0x06054b50;
const uint32_t kDirectoryEntry = 0x02014b50;
const size_t kEndRecordSize = 22;
const size_t kEntryHeaderSize = 46;

uint32_t read16(const std::string& bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

uint32_t read32(const std::string& bytes, size_t at)
{
    return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

// What the central directory says of one file, before anything is unpacked.
struct SListed
{
    std::string m_rawName;
    unsigned long long m_size;
    bool m_encrypted;
};

bool isArchiveName(const wxString& name)
{
    static const char* const kArchives[] = {"zip", "imscc", "jar", "gz", "tgz", "tar", "7z", "rar"};
    const wxString extension = wxFileName(name, wxPATH_UNIX).GetExt().Lower();
    for (const char* archive : kArchives)
    {
        if (extension == archive)
        {
            return true;
        }
    }
    return false;
}

// Why a name may not be unpacked: absolute, or climbing out with "..".
wxString unsafeName(const std::string& raw)
{
    const wxString name = wxString::FromUTF8(raw.data(), raw.size());
    if (raw.empty() || raw[0] == '/' || raw[0] == '\\' || (raw.size() > 1 && raw[1] == ':'))
    {
        return wxString::Format(_("the package names a file by an absolute path (%s)"), name);
    }
    wxString parts = name;
    parts.Replace("\\", "/");
    for (const wxString& part : wxSplit(parts, '/', '\0'))
    {
        if (part == "..")
        {
            return wxString::Format(_("the package names a file outside itself (%s)"), name);
        }
    }
    return wxString();
}

// The central directory's list of files; false and `why` when it is damaged.
bool listFiles(const std::string& bytes, std::vector<SListed>* files, wxString* why)
{
    if (bytes.size() < kEndRecordSize)
    {
        *why = _("the package is damaged: it has no central directory");
        return false;
    }
    // The end record is followed by a comment of at most 65535 bytes.
    size_t end = std::string::npos;
    const size_t lowest = bytes.size() > kEndRecordSize + 0xFFFF ? bytes.size() - kEndRecordSize - 0xFFFF : 0;
    for (size_t at = bytes.size() - kEndRecordSize + 1; at-- > lowest;)
    {
        if (read32(bytes, at) == kEndOfDirectory)
        {
            end = at;
            break;
        }
    }
    if (end == std::string::npos)
    {
        *why = _("the package is damaged: it has no central directory");
        return false;
    }
    const uint32_t count = read16(bytes, end + 10);
    const uint32_t offset = read32(bytes, end + 16);
    if (count == 0xFFFF || offset == 0xFFFFFFFF)
    {
        *why = _("the package is a ZIP64 archive, which is not read");
        return false;
    }
    if (count > CBankPackage::kMaxFiles)
    {
        *why = wxString::Format(wxPLURAL("the package holds %u file, more than the %u allowed",
                                         "the package holds %u files, more than the %u allowed", count),
                                count, CBankPackage::kMaxFiles);
        return false;
    }
    size_t at = offset;
    for (uint32_t index = 0; index < count; ++index)
    {
        if (at + kEntryHeaderSize > end || read32(bytes, at) != kDirectoryEntry)
        {
            *why = _("the package is damaged: its central directory is cut short");
            return false;
        }
        const size_t nameLength = read16(bytes, at + 28);
        const size_t skip = kEntryHeaderSize + nameLength + read16(bytes, at + 30) + read16(bytes, at + 32);
        if (at + skip > end)
        {
            *why = _("the package is damaged: its central directory is cut short");
            return false;
        }
        files->push_back(SListed{bytes.substr(at + kEntryHeaderSize, nameLength), read32(bytes, at + 24),
                                 (read16(bytes, at + 8) & 1) != 0});
        at += skip;
    }
    return true;
}

// Checks every limit on the listed files before anything is unpacked.
bool checkLimits(const std::vector<SListed>& files, wxString* why)
{
    unsigned long long total = 0;
    for (const SListed& file : files)
    {
        *why = unsafeName(file.m_rawName);
        if (!why->empty())
        {
            return false;
        }
        if (file.m_encrypted)
        {
            *why = wxString::Format(_("the package is encrypted (%s)"), wxString::FromUTF8(file.m_rawName));
            return false;
        }
        total += file.m_size;
    }
    if (total > CBankPackage::kMaxUnpackedBytes)
    {
        // Plural rules look at the last digits only.
        const unsigned pluralCount = static_cast<unsigned>(total % 1000000000u);
        *why = wxString::Format(wxPLURAL("the package unpacks to %llu byte, more than the %llu MiB allowed",
                                         "the package unpacks to %llu bytes, more than the %llu MiB allowed",
                                         pluralCount),
                                total, CBankPackage::kMaxUnpackedBytes >> 20);
        return false;
    }
    return true;
}

// Reads one file's data, no more than the directory declared for it.
bool readMember(wxZipInputStream& zip, unsigned long long declared, std::string* bytes)
{
    bytes->assign(static_cast<size_t>(declared), '\0');
    if (declared > 0 && zip.Read(bytes->data(), bytes->size()).LastRead() != bytes->size())
    {
        return false;
    }
    // More data than declared is a damaged or hostile package.
    char extra;
    return zip.Read(&extra, 1).LastRead() == 0;
}

} // namespace

bool CBankPackage::isPackage(const std::string& bytes)
{
    return bytes.compare(0, 4, "PK\x03\x04") == 0 || bytes.compare(0, 4, "PK\x05\x06") == 0;
}

bool CBankPackage::isBankName(const wxString& name)
{
    const wxString extension = wxFileName(name, wxPATH_UNIX).GetExt().Lower();
    return extension == "xml" || extension == "gift" || extension == "txt" || extension == "csv" ||
           extension == "qti";
}

bool CBankPackage::unpack(const std::string& bytes, const wxString& file, std::vector<SMember>* members,
                          CImportReport* report)
{
    std::vector<SListed> listed;
    wxString why;
    if (!listFiles(bytes, &listed, &why) || !checkLimits(listed, &why))
    {
        report->add(CImportReport::eRefused, CItemSource(file, 0), why);
        return false;
    }
    for (const SListed& entry : listed)
    {
        const wxString name = wxString::FromUTF8(entry.m_rawName);
        if (isArchiveName(name))
        {
            report->add(CImportReport::eNotice, CItemSource(file + "/" + name, 0),
                        _("not read: archives inside a package are not opened"));
        }
    }
    wxLogNull quiet; // a damaged stream is reported below
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    wxZipInputStream zip(stream);
    for (std::unique_ptr<wxZipEntry> entry(zip.GetNextEntry()); entry; entry.reset(zip.GetNextEntry()))
    {
        const wxString name = entry->GetName(wxPATH_UNIX);
        if (entry->IsDir() || !isBankName(name))
        {
            continue;
        }
        // The stream is seekable, so the size is the central directory's.
        const wxFileOffset size = entry->GetSize();
        SMember member{name, std::string()};
        if (size < 0 || static_cast<unsigned long long>(size) > kMaxUnpackedBytes ||
            !readMember(zip, static_cast<unsigned long long>(size), &member.m_bytes))
        {
            members->clear();
            report->add(CImportReport::eRefused, CItemSource(file, 0),
                        wxString::Format(
                            _("the package is damaged: %s does not unpack as its directory says"), name));
            return false;
        }
        members->push_back(std::move(member));
    }
    if (!zip.Eof() && zip.GetLastError() != wxSTREAM_NO_ERROR)
    {
        members->clear();
        report->add(CImportReport::eRefused, CItemSource(file, 0),
                    _("the package is damaged and cannot be unpacked"));
        return false;
    }
    return true;
}
