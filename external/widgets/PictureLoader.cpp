#include "external/widgets/PictureLoader.h"

#include "external/data/FileBytes.h"
#include "external/data/LogCollector.h"

#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/translation.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace
{
// What a picture's header tells before decoding.
struct SHeader
{
    wxBitmapType type = wxBITMAP_TYPE_INVALID;
    wxString formatName;
    unsigned long width = 0;
    unsigned long height = 0;
    // All the pixels the decoder will allocate (a GIF holds several frames).
    unsigned long long pixels = 0;
    // Why the structure is broken (truncated or damaged); empty when sound.
    wxString problem;
};

// Bounds-checked big- and little-endian reads over the file's bytes.
class CBytes
{
public:
    explicit CBytes(const std::string& bytes) : m_bytes(bytes) {}
    size_t size() const { return m_bytes.size(); }
    bool has(size_t offset, size_t count) const { return offset <= size() && count <= size() - offset; }
    unsigned byte(size_t offset) const { return static_cast<unsigned char>(m_bytes[offset]); }
    unsigned long bigEndian(size_t offset, int count) const
    {
        unsigned long value = 0;
        for (int index = 0; index < count; ++index)
            value = (value << 8) | byte(offset + index);
        return value;
    }
    unsigned long littleEndian(size_t offset, int count) const
    {
        unsigned long value = 0;
        for (int index = count - 1; index >= 0; --index)
            value = (value << 8) | byte(offset + index);
        return value;
    }
    bool startsWith(const char* signature, size_t length) const
    {
        return size() >= length && std::memcmp(m_bytes.data(), signature, length) == 0;
    }

private:
    const std::string& m_bytes;
};

// PNG: the signature, then chunks (length, type, data, CRC) from IHDR, which
// holds the dimensions, to IEND; a file without its IEND is truncated.
void readPng(const CBytes& bytes, SHeader* header)
{
    size_t offset = 8;
    bool first = true;
    while (bytes.has(offset, 8))
    {
        const unsigned long length = bytes.bigEndian(offset, 4);
        const size_t type = offset + 4;
        if (!bytes.has(offset + 8, length + 4ULL))
            break;
        const bool ihdr = bytes.bigEndian(type, 4) == 0x49484452UL;
        if (first != ihdr || (ihdr && length != 13))
        {
            header->problem = _("the PNG header chunk is missing or damaged");
            return;
        }
        if (ihdr)
        {
            header->width = bytes.bigEndian(offset + 8, 4);
            header->height = bytes.bigEndian(offset + 12, 4);
        }
        if (bytes.bigEndian(type, 4) == 0x49454E44UL) // IEND
            return;
        first = false;
        offset += 12 + length;
    }
    header->problem =
        first ? _("the PNG header chunk is missing") : _("the PNG data ends before its end chunk");
}

bool isStandaloneJpegMarker(unsigned marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool isJpegFrameMarker(unsigned marker)
{
    // SOF0 to SOF15, less DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// JPEG: segments from SOI; a frame header (SOFn) holds the dimensions; the
// entropy-coded data after each SOS runs to the next marker; a file that ends
// before EOI is truncated (the decoder would fill the rest with grey).
void readJpeg(const CBytes& bytes, SHeader* header)
{
    size_t offset = 2;
    bool frameSeen = false;
    while (offset < bytes.size())
    {
        if (bytes.byte(offset) != 0xFF)
        {
            header->problem = _("the JPEG data is damaged (a segment does not start with a marker)");
            return;
        }
        while (offset < bytes.size() && bytes.byte(offset) == 0xFF)
            ++offset; // fill bytes
        if (offset >= bytes.size())
            break;
        const unsigned marker = bytes.byte(offset++);
        if (marker == 0xD9) // EOI
        {
            if (!frameSeen)
                header->problem = _("the JPEG data has no frame header");
            return;
        }
        if (isStandaloneJpegMarker(marker))
            continue;
        if (!bytes.has(offset, 2))
            break;
        const unsigned long length = bytes.bigEndian(offset, 2);
        if (length < 2 || !bytes.has(offset, length))
            break;
        if (isJpegFrameMarker(marker) && !frameSeen)
        {
            if (length < 7)
            {
                header->problem = _("the JPEG frame header is damaged");
                return;
            }
            header->height = bytes.bigEndian(offset + 3, 2);
            header->width = bytes.bigEndian(offset + 5, 2);
            frameSeen = true;
        }
        offset += length;
        if (marker == 0xDA) // SOS: skip the entropy-coded data to the next marker
        {
            while (offset + 1 < bytes.size() &&
                   !(bytes.byte(offset) == 0xFF && bytes.byte(offset + 1) != 0x00 &&
                     !isStandaloneJpegMarker(bytes.byte(offset + 1))))
                ++offset;
            if (offset + 1 >= bytes.size())
                break;
        }
    }
    header->problem = _("the JPEG data ends before its end marker");
}

// GIF: the logical screen, then blocks to the trailer; every image descriptor
// is a frame the decoder keeps, so their areas add up.
void readGif(const CBytes& bytes, SHeader* header)
{
    auto skipColourTable = [&](size_t* offset, unsigned flags)
    {
        if (flags & 0x80)
            *offset += 3UL << ((flags & 0x07) + 1);
    };
    auto skipSubBlocks = [&](size_t* offset)
    {
        while (*offset < bytes.size() && bytes.byte(*offset) != 0)
            *offset += bytes.byte(*offset) + 1UL;
        ++*offset;
    };
    if (!bytes.has(6, 7))
    {
        header->problem = _("the GIF data ends inside its header");
        return;
    }
    header->width = bytes.littleEndian(6, 2);
    header->height = bytes.littleEndian(8, 2);
    size_t offset = 13;
    skipColourTable(&offset, bytes.byte(10));
    unsigned long long pixels = 0;
    while (offset < bytes.size())
    {
        const unsigned block = bytes.byte(offset++);
        if (block == 0x3B) // trailer
        {
            header->pixels = pixels;
            if (pixels == 0)
                header->problem = _("the GIF data holds no image");
            return;
        }
        if (block == 0x21) // extension: a label, then sub-blocks
        {
            // The decoder reads a graphic control extension as six bytes and
            // an application extension's first block as eleven, whatever
            // their size bytes say; where they say otherwise, it goes on
            // reading from the wrong place and overruns its stream.
            const unsigned label = offset < bytes.size() ? bytes.byte(offset) : 0;
            const bool graphicControl = label == 0xF9;
            if ((graphicControl &&
                 !(bytes.has(offset + 1, 6) && bytes.byte(offset + 1) == 4 && bytes.byte(offset + 6) == 0)) ||
                (label == 0xFF && !(bytes.has(offset + 1, 1) && bytes.byte(offset + 1) == 11)))
            {
                header->problem = _("the GIF data is damaged (an extension of the wrong size)");
                return;
            }
            ++offset;
            skipSubBlocks(&offset);
        }
        else if (block == 0x2C) // image descriptor, local colour table, LZW size, data
        {
            if (!bytes.has(offset, 9))
                break;
            const unsigned long width = bytes.littleEndian(offset + 4, 2);
            const unsigned long height = bytes.littleEndian(offset + 6, 2);
            if (width == 0 || height == 0)
            {
                // The decoder cannot make an image of it, and says so with
                // an assertion, which would stop the program with a dialog.
                header->problem = _("the GIF data is damaged (a frame without pixels)");
                return;
            }
            pixels += static_cast<unsigned long long>(width) * height;
            const unsigned flags = bytes.byte(offset + 8);
            offset += 9;
            skipColourTable(&offset, flags);
            // The decoder leaks the frame it has allocated when it meets a
            // code size GIF does not allow.
            if (offset < bytes.size() && (bytes.byte(offset) < 2 || bytes.byte(offset) > 8))
            {
                header->problem = _("the GIF data is damaged (an impossible LZW code size)");
                return;
            }
            ++offset;
            skipSubBlocks(&offset);
        }
        else
        {
            header->problem = _("the GIF data is damaged (an unknown block)");
            return;
        }
    }
    header->problem = _("the GIF data ends before its trailer");
}

// BMP: the file header, whose size field a truncated file falls short of,
// then an OS/2 (16-bit) or Windows (32-bit, possibly negative height) header.
void readBmp(const CBytes& bytes, SHeader* header)
{
    if (!bytes.has(14, 12))
    {
        header->problem = _("the BMP data ends inside its header");
        return;
    }
    const unsigned long declaredSize = bytes.littleEndian(2, 4);
    const unsigned long infoSize = bytes.littleEndian(14, 4);
    if (infoSize == 12)
    {
        header->width = bytes.littleEndian(18, 2);
        header->height = bytes.littleEndian(20, 2);
    }
    else if (infoSize >= 40 && bytes.has(14, 12))
    {
        const auto width = static_cast<int32_t>(bytes.littleEndian(18, 4));
        const auto height = static_cast<int32_t>(bytes.littleEndian(22, 4));
        header->width = width < 0 ? 0 : static_cast<unsigned long>(width);
        header->height = static_cast<unsigned long>(height < 0 ? -static_cast<int64_t>(height) : height);
    }
    else
    {
        header->problem = _("the BMP header is damaged");
        return;
    }
    if (declaredSize > bytes.size())
        header->problem = _("the BMP data ends before the size its header gives");
}

// Each format we decode, told by the bytes it starts with.
struct SFormat
{
    const char* signature;
    size_t length;
    wxBitmapType type;
    const char* name;
    void (*readHeader)(const CBytes&, SHeader*);
};

const SFormat kFormats[] = {
    {"\x89PNG\r\n\x1a\n", 8, wxBITMAP_TYPE_PNG, "PNG", readPng},
    {"\xFF\xD8\xFF", 3, wxBITMAP_TYPE_JPEG, "JPEG", readJpeg},
    {"GIF87a", 6, wxBITMAP_TYPE_GIF, "GIF", readGif},
    {"GIF89a", 6, wxBITMAP_TYPE_GIF, "GIF", readGif},
    {"BM", 2, wxBITMAP_TYPE_BMP, "BMP", readBmp},
};

SHeader readHeader(const std::string& content)
{
    const CBytes bytes(content);
    SHeader header;
    for (const SFormat& format : kFormats)
    {
        if (bytes.startsWith(format.signature, format.length))
        {
            header.type = format.type;
            header.formatName = format.name;
            format.readHeader(bytes, &header);
            break;
        }
    }
    if (header.pixels == 0)
        header.pixels = static_cast<unsigned long long>(header.width) * header.height;
    return header;
}

// The decoder for `type`, added when the host has not added it.
bool ensureHandler(wxBitmapType type)
{
    if (wxImage::FindHandler(type) != nullptr)
        return true;
    switch (type)
    {
    case wxBITMAP_TYPE_PNG:
        wxImage::AddHandler(new wxPNGHandler);
        break;
    case wxBITMAP_TYPE_JPEG:
        wxImage::AddHandler(new wxJPEGHandler);
        break;
    case wxBITMAP_TYPE_GIF:
        wxImage::AddHandler(new wxGIFHandler);
        break;
    default: // BMP is always there
        break;
    }
    return wxImage::FindHandler(type) != nullptr;
}

bool refuse(const wxString& path, const wxString& reason, wxString* error)
{
    if (error)
        *error = path + ": " + reason;
    return false;
}

// The whole file, or a reason in `problem`.
bool readFile(const wxString& path, std::string* content, wxString* problem)
{
    if (!CFileBytes::read(path, content, problem, CPictureLoader::kMaxFileBytes))
        return false;
    if (content->empty())
    {
        *problem = _("the file is empty");
        return false;
    }
    return true;
}
} // namespace

const unsigned long long CPictureLoader::kMaxFileBytes;
const unsigned long long CPictureLoader::kMaxPixels;

bool CPictureLoader::load(const wxString& path, wxImage* image, wxString* error)
{
    std::string content;
    wxString problem;
    if (!readFile(path, &content, &problem))
        return refuse(path, problem, error);

    const SHeader header = readHeader(content);
    if (header.type == wxBITMAP_TYPE_INVALID)
        return refuse(path, _("the file is not a picture (PNG, JPEG, GIF or BMP expected)"), error);
    if (header.pixels > kMaxPixels)
        return refuse(
            path,
            wxString::Format(header.pixels > static_cast<unsigned long long>(header.width) * header.height
                                 ? _("the %s picture declares %lu x %lu pixels in several frames, more "
                                     "than the %llu megapixels a picture may have")
                                 : _("the %s picture declares %lu x %lu pixels, more than the %llu "
                                     "megapixels a picture may have"),
                             header.formatName, header.width, header.height, kMaxPixels / 1000000),
            error);
    if (!header.problem.empty())
        return refuse(path, wxString::Format(_("the file is truncated or damaged: %s"), header.problem),
                      error);
    if (header.width == 0 || header.height == 0)
        return refuse(
            path,
            wxString::Format(_("the file is damaged: the %s header declares no pixels"), header.formatName),
            error);
    if (!ensureHandler(header.type))
        return refuse(
            path,
            wxString::Format(_("the file cannot be decoded: there is no %s decoder"), header.formatName),
            error);

    wxImage decoded;
    wxMemoryInputStream stream(content.data(), content.size());
    CLogCollector log;
    if (!decoded.LoadFile(stream, header.type) || !decoded.IsOk())
    {
        const wxString detail = log.text();
        return refuse(path,
                      detail.empty()
                          ? _("the file is damaged and cannot be decoded")
                          : wxString::Format(_("the file is damaged and cannot be decoded: %s"), detail),
                      error);
    }
    *image = decoded;
    return true;
}
