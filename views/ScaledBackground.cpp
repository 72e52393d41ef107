#include "views/ScaledBackground.h"

#include <wx/bitmap.h>

#include <cairo.h>
#include <pixman.h>

#include <cstdint>
#include <vector>

namespace
{

// The buffers of the last paint, kept for the next one: a fresh block of a
// full screen's pixels costs a page fault per 4 KiB, which took as long as
// the scaling itself. The picture in them is made anew on every paint; the
// panel paints on the user-interface thread only.
std::vector<std::uint32_t>& sourceBuffer()
{
    static std::vector<std::uint32_t> buffer;
    return buffer;
}

std::vector<std::uint32_t>& scaledBuffer()
{
    static std::vector<std::uint32_t> buffer;
    return buffer;
}

std::uint32_t* bufferFor(std::vector<std::uint32_t>& buffer, const wxSize& size)
{
    buffer.resize(size_t(size.x) * size_t(size.y));
    return buffer.data();
}

// The picture whose pixels the source buffer holds, kept referenced so that
// its data cannot be freed and another picture be given the same address.
// A picture changes through wxImage's operations by getting data of its own,
// so the same data means the same pixels; the scaling itself is still done
// anew on every paint.
wxImage& convertedSource()
{
    static wxImage image;
    return image;
}

// pixman works on 32-bit pixels; its bilinear path for them is the fast one.
void toXrgb(const wxImage& image, std::uint32_t* pixels)
{
    const size_t count = size_t(image.GetWidth()) * size_t(image.GetHeight());
    const unsigned char* rgb = image.GetData();
    for (size_t i = 0; i < count; ++i, rgb += 3)
        pixels[i] = 0xff000000u | (std::uint32_t(rgb[0]) << 16) | (std::uint32_t(rgb[1]) << 8) | rgb[2];
}

wxImage fromXrgb(const std::uint32_t* pixels, const wxSize& size)
{
    wxImage image(size.x, size.y, false);
    unsigned char* rgb = image.GetData();
    const size_t count = size_t(size.x) * size_t(size.y);
    for (size_t i = 0; i < count; ++i)
    {
        *rgb++ = (unsigned char)(pixels[i] >> 16);
        *rgb++ = (unsigned char)(pixels[i] >> 8);
        *rgb++ = (unsigned char)pixels[i];
    }
    return image;
}

// Bilinear, with the edge pixels repeated outwards so that the borders do not
// fade into black. Null when pixman cannot take the pictures.
const std::uint32_t* scaleBilinear(const wxImage& source, const wxSize& size)
{
    std::uint32_t* from = bufferFor(sourceBuffer(), source.GetSize());
    std::uint32_t* to = bufferFor(scaledBuffer(), size);
    if (!convertedSource().IsSameAs(source))
    {
        toXrgb(source, from);
        convertedSource() = source;
    }
    pixman_image_t* src = pixman_image_create_bits(PIXMAN_x8r8g8b8, source.GetWidth(), source.GetHeight(),
                                                   from, source.GetWidth() * 4);
    pixman_image_t* dst = pixman_image_create_bits(PIXMAN_x8r8g8b8, size.x, size.y, to, size.x * 4);
    const bool created = src && dst;
    if (created)
    {
        pixman_transform_t transform;
        pixman_transform_init_scale(&transform, pixman_double_to_fixed(double(source.GetWidth()) / size.x),
                                    pixman_double_to_fixed(double(source.GetHeight()) / size.y));
        pixman_image_set_transform(src, &transform);
        pixman_image_set_filter(src, PIXMAN_FILTER_BILINEAR, nullptr, 0);
        pixman_image_set_repeat(src, PIXMAN_REPEAT_PAD);
        pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, size.x, size.y);
    }
    if (src)
        pixman_image_unref(src);
    if (dst)
        pixman_image_unref(dst);
    return created ? to : nullptr;
}

// The scaled pixels are already in cairo's own layout: a device context
// drawn through cairo (every one on GTK 3) takes them as they are, without a
// bitmap made in between.
bool drawWithCairo(wxDC& dc, const std::uint32_t* pixels, const wxSize& size)
{
    auto* cairo = static_cast<cairo_t*>(dc.GetImpl() ? dc.GetImpl()->GetCairoContext() : nullptr);
    if (!cairo || cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, size.x) != size.x * 4)
        return false;
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(pixels)),
                                            CAIRO_FORMAT_RGB24, size.x, size.y, size.x * 4);
    const bool drawn = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    if (drawn)
    {
        cairo_save(cairo);
        cairo_set_source_surface(cairo, surface, 0, 0);
        cairo_rectangle(cairo, 0, 0, size.x, size.y);
        cairo_fill(cairo);
        cairo_restore(cairo);
    }
    // The window's surface may read the pixels later, when it is flushed:
    // it does so before the next paint changes them.
    cairo_surface_finish(surface);
    cairo_surface_destroy(surface);
    return drawn;
}

} // namespace

bool paintScaledBackground(wxDC& dc, const wxImage& background, const wxSize& clientSize)
{
    // A window not laid out yet has no area to scale to.
    if (!background.IsOk() || clientSize.x <= 0 || clientSize.y <= 0)
        return false;
    // Scaled anew on every paint: the client size may have changed since.
    const std::uint32_t* scaled = scaleBilinear(background, clientSize);
    if (!scaled)
    {
        const wxImage image = background.Scale(clientSize.x, clientSize.y, wxIMAGE_QUALITY_BILINEAR);
        dc.DrawBitmap(wxBitmap(image, wxBITMAP_SCREEN_DEPTH), 0, 0, false);
        return true;
    }
    if (!drawWithCairo(dc, scaled, clientSize))
        dc.DrawBitmap(wxBitmap(fromXrgb(scaled, clientSize), wxBITMAP_SCREEN_DEPTH), 0, 0, false);
    return true;
}
