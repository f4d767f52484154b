#include "keyed.h"

#include <cmath>

namespace artgen {

namespace {

constexpr double CoverageThreshold = 0.3;
// Art that lands exactly on the key colour is nudged off it, so it never turns transparent.
constexpr uint32_t NearKey = 0xFE00FE;

uint32_t blendOnMatte(uint32_t argb, uint32_t matte)
{
    const double alpha = (argb >> 24) / 255.0;
    uint32_t rgb = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const double premultiplied = (argb >> shift) & 0xFF;
        const double under = (matte >> shift) & 0xFF;
        const long value = std::lround(premultiplied + under * (1.0 - alpha));
        rgb |= static_cast<uint32_t>(value > 255 ? 255 : value) << shift;
    }
    return rgb == KeyColour ? NearKey : rgb;
}

}  // namespace

RgbImage flattenOnKey(const Surface& art, const std::vector<uint32_t>& mattes)
{
    cairo_surface_flush(art.get());
    RgbImage image;
    image.width = widthOf(art);
    image.height = heightOf(art);
    image.pixels.reserve(static_cast<size_t>(image.width) * image.height);
    const unsigned char* data = cairo_image_surface_get_data(art.get());
    const int stride = cairo_image_surface_get_stride(art.get());
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const double alpha = (row[x] >> 24) / 255.0;
            const uint32_t matte = mattes.at(x * mattes.size() / image.width);
            image.pixels.push_back(alpha < CoverageThreshold ? KeyColour : blendOnMatte(row[x], matte));
        }
    }
    return image;
}

Surface keyedToSurface(const RgbImage& image)
{
    Surface surface = makeSurface(image.width, image.height);
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const uint32_t rgb = image.at(x, y);
            row[x] = rgb == KeyColour ? 0 : 0xFF000000u | rgb;
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

}  // namespace artgen
