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
// fade into black, into `to` (rows `stride` bytes apart). False when pixman
// cannot take the pictures.
bool scaleBilinear(const wxImage& source, std::uint32_t* to, const wxSize& size, int stride)
{
    std::uint32_t* from = bufferFor(sourceBuffer(), source.GetSize());
    if (!convertedSource().IsSameAs(source))
    {
        toXrgb(source, from);
        convertedSource() = source;
    }
    pixman_image_t* src = pixman_image_create_bits(PIXMAN_x8r8g8b8, source.GetWidth(), source.GetHeight(),
                                                   from, source.GetWidth() * 4);
    pixman_image_t* dst = pixman_image_create_bits(PIXMAN_x8r8g8b8, size.x, size.y, to, stride);
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
    return created;
}

cairo_t* cairoContextOf(wxDC& dc)
{
    return static_cast<cairo_t*>(dc.GetImpl() ? dc.GetImpl()->GetCairoContext() : nullptr);
}

// The picture the window's surface was given on the last paint, kept for the
// next one of the same size: on X11 cairo makes it in memory shared with the
// display server, which then draws it without the eight megabytes of a full
// screen being copied to it, and a fresh block of shared memory costs a page
// fault per 4 KiB. Flushing it waits until the server has read the last one.
cairo_surface_t* pictureFor(cairo_surface_t* target, const wxSize& size)
{
    static cairo_surface_t* picture = nullptr;
    if (picture && (cairo_surface_get_device(picture) != cairo_surface_get_device(target) ||
                    cairo_image_surface_get_width(picture) != size.x ||
                    cairo_image_surface_get_height(picture) != size.y))
    {
        cairo_surface_destroy(picture);
        picture = nullptr;
    }
    if (!picture)
    {
        picture = cairo_surface_create_similar_image(target, CAIRO_FORMAT_RGB24, size.x, size.y);
        if (cairo_surface_status(picture) != CAIRO_STATUS_SUCCESS ||
            cairo_image_surface_get_format(picture) != CAIRO_FORMAT_RGB24)
        {
            cairo_surface_destroy(picture);
            picture = nullptr;
        }
    }
    if (picture)
        cairo_surface_flush(picture);
    return picture;
}

// Scales straight into the window surface's own kind of picture. False, with
// nothing drawn, where cairo or pixman cannot.
bool drawScaledWithCairo(cairo_t* cairo, const wxImage& source, const wxSize& size)
{
    cairo_surface_t* picture = pictureFor(cairo_get_target(cairo), size);
    if (!picture || !scaleBilinear(source, reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(picture)),
                                   size, cairo_image_surface_get_stride(picture)))
        return false;
    cairo_surface_mark_dirty(picture);
    cairo_save(cairo);
    cairo_set_source_surface(cairo, picture, 0, 0);
    cairo_rectangle(cairo, 0, 0, size.x, size.y);
    cairo_fill(cairo);
    cairo_restore(cairo);
    return true;
}

// Without cairo: through a bitmap, scaled by pixman where it can.
void drawScaledThroughBitmap(wxDC& dc, const wxImage& source, const wxSize& size)
{
    std::uint32_t* scaled = bufferFor(scaledBuffer(), size);
    const wxImage image = scaleBilinear(source, scaled, size, size.x * 4)
                              ? fromXrgb(scaled, size)
                              : source.Scale(size.x, size.y, wxIMAGE_QUALITY_BILINEAR);
    dc.DrawBitmap(wxBitmap(image, wxBITMAP_SCREEN_DEPTH), 0, 0, false);
}

} // namespace

bool paintScaledBackground(wxDC& dc, const wxImage& background, const wxSize& clientSize)
{
    // A window not laid out yet has no area to scale to.
    if (!background.IsOk() || clientSize.x <= 0 || clientSize.y <= 0)
        return false;
    // Scaled anew on every paint: the client size may have changed since.
    cairo_t* cairo = cairoContextOf(dc);
    if (!cairo || !drawScaledWithCairo(cairo, background, clientSize))
        drawScaledThroughBitmap(dc, background, clientSize);
    return true;
}
