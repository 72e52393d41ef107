// The picture loader on arbitrary bytes: a picture it accepts is decoded and
// within the pixel limit; anything else is refused with a reason.
#include "fuzz/FuzzSupport.h"

#include "external/widgets/PictureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const wxString input = evfuzz::scratchFolder() + "/input.picture";
    evfuzz::writeBytes(input, data, size);

    wxImage image;
    wxString error;
    if (!CPictureLoader::load(input, &image, &error))
    {
        if (!error.StartsWith(input + ": ") || image.IsOk())
        {
            evfuzz::invariantBroken("a refused picture gave no reason or changed the image");
        }
        return 0;
    }
    const unsigned long long pixels = static_cast<unsigned long long>(image.GetWidth()) * image.GetHeight();
    if (!image.IsOk() || pixels == 0 || pixels > CPictureLoader::kMaxPixels)
    {
        evfuzz::invariantBroken("an accepted picture is empty or over the pixel limit");
    }
    return 0;
}
