// CreateDIBSection: a bitmap whose pixels the caller reads and writes directly.
#include <cstdlib>

#include "gdi/dib.h"

using namespace wincore;

namespace {

// Only the layout the bitmap really has can be handed out: 32-bit x8r8g8b8 pixels.
bool IsNativeLayout(const DibFormat& format)
{
    return format.bitCount == 32 && format.channels[0].mask == 0xFF0000 && format.channels[1].mask == 0xFF00 &&
           format.channels[2].mask == 0xFF;
}

void FreePixels(pixman_image_t*, void* pixels)
{
    std::free(pixels);
}

// The memory runs in the DIB's row order; a bottom-up DIB is an image with a negative stride
// whose first row is the last in memory.
pixman_image_t* MakeSectionImage(const DibFormat& format, void* pixels)
{
    int stride = int(format.stride);
    auto* first = static_cast<uint8_t*>(pixels);
    if (!format.topDown) {
        first += size_t(format.height - 1) * format.stride;
        stride = -stride;
    }
    return pixman_image_create_bits(PIXMAN_x8r8g8b8, format.width, format.height, reinterpret_cast<uint32_t*>(first),
                                    stride);
}

}  // namespace

WINCORE_API HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                            DWORD)
{
    if (bits) *bits = nullptr;
    if (dc && !Lookup<DC>(dc)) return nullptr;
    DibFormat format;
    if (usage != DIB_RGB_COLORS || section || !ReadDibFormat(info, SIZE_MAX, format)) return nullptr;
    if (!IsNativeLayout(format)) return nullptr;
    void* pixels = std::calloc(format.ImageBytes(), 1);
    if (!pixels) return nullptr;
    pixman_image_t* image = MakeSectionImage(format, pixels);
    if (!image) {
        std::free(pixels);
        return nullptr;
    }
    pixman_image_set_destroy_function(image, FreePixels, pixels);
    auto bitmap = std::make_unique<Bitmap>(image, format.width, format.height);
    bitmap->dibSection = true;
    if (bits) *bits = pixels;
    return static_cast<HBITMAP>(Register(std::move(bitmap))->handle);
}
