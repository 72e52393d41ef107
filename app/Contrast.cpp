#include "app/Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace
{

double linearChannel(unsigned char value)
{
    // Looked up: a text's area is tens of thousands of pixels.
    static const std::array<double, 256> table = []
    {
        std::array<double, 256> values{};
        for (unsigned i = 0; i < values.size(); ++i)
        {
            const double srgb = i / 255.0;
            values[i] = srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table[value];
}

double luminance(unsigned char red, unsigned char green, unsigned char blue)
{
    return 0.2126 * linearChannel(red) + 0.7152 * linearChannel(green) + 0.0722 * linearChannel(blue);
}

double ratioOfLuminances(double first, double second)
{
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

double CContrast::relativeLuminance(const wxColour& colour)
{
    return luminance(colour.Red(), colour.Green(), colour.Blue());
}

double CContrast::ratio(const wxColour& first, const wxColour& second)
{
    return ratioOfLuminances(relativeLuminance(first), relativeLuminance(second));
}

double CContrast::ratioOver(const wxImage& picture, const wxRect& area, const wxColour& text)
{
    if (!picture.IsOk())
        return 0;
    const wxRect inside = area.Intersect(wxRect(0, 0, picture.GetWidth(), picture.GetHeight()));
    if (inside.IsEmpty())
        return 0;
    const double textLuminance = relativeLuminance(text);
    const unsigned char* rgb = picture.GetData();
    std::vector<double> ratios;
    ratios.reserve(size_t(inside.width) * inside.height);
    for (int y = inside.y; y < inside.GetBottom() + 1; ++y)
    {
        const unsigned char* pixel = rgb + (size_t(y) * picture.GetWidth() + inside.x) * 3;
        for (int x = 0; x < inside.width; ++x, pixel += 3)
            ratios.push_back(ratioOfLuminances(textLuminance, luminance(pixel[0], pixel[1], pixel[2])));
    }
    const size_t ignored = static_cast<size_t>(ratios.size() * kIgnoredShare);
    std::nth_element(ratios.begin(), ratios.begin() + ignored, ratios.end());
    return ratios[ignored];
}
