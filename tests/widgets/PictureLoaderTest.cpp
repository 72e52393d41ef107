#include "tests/support/WxTest.h"

#include "external/widgets/PictureLoader.h"

#include <wx/filefn.h>

#include <unistd.h>

#include <string>

namespace
{

using PictureLoaderTest = evtest::CTempDirTest;
using evtest::pngDeclaring;

// A JPEG with a frame header declaring `width` x `height` and nothing else.
std::string jpegDeclaring(unsigned width, unsigned height)
{
    const std::string sof = {
        '\xFF',      '\xC0', 0, 11,   8, char(height >> 8), char(height), char(width >> 8),
        char(width), 1,      1, 0x11, 0};
    return std::string("\xFF\xD8", 2) + sof + std::string("\xFF\xD9", 2);
}

// A 2 x 1 GIF of a red and a blue pixel (wx writes GIFs only from a palette).
const std::string kGif("GIF89a\x02\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
                       "\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00\x02\x02\x44\x0a\x00;",
                       35);

// Loads `file` and expects a refusal whose reason names the file and
// contains `reason`; the image handed in stays as it was, and nothing is
// logged where a user would see it.
void expectRefused(const wxString& file, const wxString& reason)
{
    wxImage image(3, 2);
    wxString error;
    evtest::CLogCapture log;
    EXPECT_FALSE(CPictureLoader::load(file, &image, &error)) << file;
    EXPECT_TRUE(error.StartsWith(file + ": ")) << error;
    EXPECT_TRUE(error.Contains(reason)) << error;
    EXPECT_EQ(image.GetSize(), wxSize(3, 2));
    for (const auto& entry : log.entries())
        EXPECT_GT(entry.level, wxLOG_Message) << entry.text;
}

TEST_F(PictureLoaderTest, LoadsEachFormatItReads)
{
    for (const char* name : {"p.png", "p.jpg", "p.bmp"})
    {
        const wxString file = writeImage(name, 40, 30, wxColour(200, 40, 40));
        wxImage image;
        wxString error;
        ASSERT_TRUE(CPictureLoader::load(file, &image, &error)) << error;
        EXPECT_EQ(image.GetSize(), wxSize(40, 30)) << name;
        EXPECT_NEAR(image.GetRed(20, 15), 200, 8) << name;
    }
    wxImage gif;
    ASSERT_TRUE(CPictureLoader::load(writeFile("p.gif", kGif), &gif));
    EXPECT_EQ(gif.GetSize(), wxSize(2, 1));
    EXPECT_EQ(evtest::pixelAt(gif, 0, 0), *wxRED);
    EXPECT_EQ(evtest::pixelAt(gif, 1, 0), *wxBLUE);
}

TEST_F(PictureLoaderTest, RefusesFilesThatAreMissingEmptyOrTooLargeOrDeclareMoreThanFiftyMegapixels)
{
    // Exactly fifty megapixels passes the size check, then fails on its broken image data.
    const std::pair<std::string, const char*> cases[] = {
        {jpegDeclaring(65000, 65000), "declares 65000 x 65000 pixels"},
        {pngDeclaring(10000, 5000), "is damaged and cannot be decoded"},
        {pngDeclaring(10000, 5001),
         "the PNG picture declares 10000 x 5001 pixels, more than the 50 megapixels"}};
    for (const auto& [content, reason] : cases)
        expectRefused(writeFile(content[1] == 'P' ? "huge.png" : "huge.jpg", content), reason);

    // A GIF's frames are all kept in memory, so their areas add up.
    std::string gif = std::string("GIF89a\x10\x27\xA0\x0F\x00\x00\x00", 13);
    for (int frame = 0; frame < 2; ++frame)
        gif += std::string("\x2C\x00\x00\x00\x00\x10\x27\xA0\x0F\x00\x02\x00", 12); // 10000 x 4000, no data
    expectRefused(writeFile("frames.gif", gif + ";"), "in several frames");

    expectRefused(path("missing.png"), "file not found");
    expectRefused(dir(), "is a folder");
    expectRefused(writeFile("empty.jpg", ""), "the file is empty");

    // 65 MiB that take no room on disk: a PNG signature, then a hole.
    const wxString large = writeFile("large.png", pngDeclaring(10, 10));
    ASSERT_EQ(0, truncate(large.utf8_str(), 65L * 1024 * 1024));
    expectRefused(large, "the file is 68157440 bytes, more than the 64 MiB allowed");
}

TEST_F(PictureLoaderTest, RefusesTruncatedOrCorruptPicturesAndOtherFiles)
{
    for (const char* name : {"t.png", "t.jpg", "t.gif", "t.bmp"})
    {
        const std::string whole = wxString(name).EndsWith("gif")
                                      ? kGif
                                      : evtest::readFile(writeImage(name, 60, 40, wxColour(30, 90, 200)));
        for (size_t length : {whole.size() / 2, whole.size() - 1, size_t(20)})
            expectRefused(writeFile(name, whole.substr(0, length)), "truncated or damaged");
    }

    std::string png = evtest::readFile(writeImage("c.png", 60, 40, wxColour(30, 90, 200)));
    png[png.find("IDAT") + 8] ^= 0x55; // breaks the compressed data and its checksum
    expectRefused(writeFile("c.png", png), "is damaged and cannot be decoded");

    std::string jpeg = evtest::readFile(writeImage("c.jpg", 60, 40, wxColour(30, 90, 200)));
    const size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    jpeg[frame + 9] = 9; // nine colour components in a three-component frame
    expectRefused(writeFile("c.jpg", jpeg), "is damaged and cannot be decoded");

    expectRefused(writeFile("text.png", "<?xml version=\"1.0\"?><question/>"), "is not a picture");
    expectRefused(writeFile("zero.png", pngDeclaring(0, 10)), "declares no pixels");
}

} // namespace
