#include "png_writer.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace artgen {

namespace {

uint8_t unpremultiply(uint32_t channel, uint32_t alpha)
{
    return static_cast<uint8_t>((channel * 255 + alpha / 2) / alpha);
}

// Cairo keeps premultiplied native-endian ARGB words; PNG wants straight RGBA bytes.
std::vector<uint8_t> straightRgba(const Surface& picture)
{
    cairo_surface_flush(picture.get());
    const int width = widthOf(picture);
    const int height = heightOf(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture.get());
    const int stride = cairo_image_surface_get_stride(picture.get());
    std::vector<uint8_t> rgba;
    rgba.reserve(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t alpha = row[x] >> 24;
            for (int shift = 16; shift >= 0; shift -= 8)
                rgba.push_back(alpha == 0 ? 0 : unpremultiply((row[x] >> shift) & 0xFF, alpha));
            rgba.push_back(static_cast<uint8_t>(alpha));
        }
    }
    return rgba;
}

}  // namespace

void writePngRgba(const Surface& picture, const std::string& path)
{
    const std::vector<uint8_t> rgba = straightRgba(picture);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(widthOf(picture));
    image.height = static_cast<png_uint_32>(heightOf(picture));
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + path + ": " + image.message);
}

}  // namespace artgen
