// Screen images as PNG files (8-bit RGB), through libpng's simplified API.
#include <png.h>

#include <utility>

#include <wincore/host.h>

namespace wincore {

namespace {

constexpr DWORD kColorBits = 0x00FFFFFF;
constexpr png_uint_32 kMostSide = 16384;  // pixels: larger files are refused, not allocated

bool Fits(const ScreenImage& image)
{
    return image.width > 0 && image.height > 0 && image.pixels.size() == size_t(image.width) * size_t(image.height);
}

}  // namespace

bool SavePng(const char* path, const ScreenImage& image)
{
    if (!path || !Fits(image)) return false;
    std::vector<png_byte> rgb;
    rgb.reserve(image.pixels.size() * 3);
    for (DWORD p : image.pixels) {
        rgb.push_back(png_byte(p >> 16));
        rgb.push_back(png_byte(p >> 8));
        rgb.push_back(png_byte(p));
    }
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(image.width);
    png.height = png_uint_32(image.height);
    png.format = PNG_FORMAT_RGB;
    bool ok = png_image_write_to_file(&png, path, 0, rgb.data(), image.width * 3, nullptr) != 0;
    png_image_free(&png);
    return ok;
}

bool LoadPng(const char* path, ScreenImage* image)
{
    if (!path || !image) return false;
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path)) return false;
    if (png.width > kMostSide || png.height > kMostSide) {
        png_image_free(&png);
        return false;
    }
    // Little-endian BGRA is a row of 0xAARRGGBB words: the pixels' layout once alpha is dropped.
    png.format = PNG_FORMAT_BGRA;
    ScreenImage read;
    read.width = int(png.width);
    read.height = int(png.height);
    read.pixels.resize(size_t(png.width) * png.height);
    bool ok = png_image_finish_read(&png, nullptr, read.pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    if (!ok) return false;
    for (DWORD& p : read.pixels) p &= kColorBits;
    *image = std::move(read);
    return true;
}

bool SaveScreenPng(const char* path)
{
    return SavePng(path, CaptureScreen());
}

}  // namespace wincore
