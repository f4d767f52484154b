#include "support/picture_diff.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr DWORD kRed = 0x00FF0000;

int Channel(DWORD pixel, int shift)
{
    return int((pixel >> shift) & 0xFF);
}

DWORD DimmedGrey(DWORD pixel)
{
    DWORD grey = DWORD(Channel(pixel, 16) + Channel(pixel, 8) + Channel(pixel, 0)) / 6;
    return grey << 16 | grey << 8 | grey;
}

}  // namespace

PictureDiff ComparePictures(const wincore::ScreenImage& actual, const wincore::ScreenImage& expected, int tolerance)
{
    PictureDiff diff;
    if (actual.width != expected.width || actual.height != expected.height ||
        actual.pixels.size() != expected.pixels.size()) {
        diff.differing = int(std::max(actual.pixels.size(), expected.pixels.size()));
        return diff;
    }
    diff.picture = expected;
    for (size_t i = 0; i < actual.pixels.size(); i++) {
        int d = 0;
        for (int shift : {16, 8, 0})
            d = std::max(d, std::abs(Channel(actual.pixels[i], shift) - Channel(expected.pixels[i], shift)));
        diff.worst = std::max(diff.worst, d);
        diff.differing += d > tolerance;
        diff.picture.pixels[i] = d > tolerance ? kRed : DimmedGrey(expected.pixels[i]);
    }
    return diff;
}
