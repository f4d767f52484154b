// The headless backend's view of the screen: a copy of the composed pixels for hosts that record it.
#include <cstring>

#include <wincore/host.h>

#include "window/window.h"

namespace wincore {

ScreenImage CaptureScreen()
{
    pixman_image_t* screen = ComposedScreen();
    ScreenImage image;
    image.width = pixman_image_get_width(screen);
    image.height = pixman_image_get_height(screen);
    image.pixels.resize(size_t(image.width) * image.height);
    const auto* bits = reinterpret_cast<const uint8_t*>(pixman_image_get_data(screen));
    int stride = pixman_image_get_stride(screen);
    for (int y = 0; y < image.height; y++) {
        DWORD* row = &image.pixels[size_t(y) * image.width];
        std::memcpy(row, bits + size_t(y) * stride, size_t(image.width) * 4);
        // x8r8g8b8 leaves the top byte undefined.
        for (int x = 0; x < image.width; x++) row[x] &= 0x00FFFFFF;
    }
    return image;
}

}  // namespace wincore
