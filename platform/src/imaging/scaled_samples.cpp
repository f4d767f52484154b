#include "imaging/scaled_samples.h"

#include <algorithm>

namespace wincore {

namespace {

constexpr uint32_t kAlphaMask = 0xFF000000u;

}  // namespace

pixman_image_t* SampleScaled(pixman_image_t* source, int width, int height, std::vector<uint32_t>& pixels)
{
    pixels.resize(size_t(width) * size_t(height));
    pixman_image_t* sampled = pixman_image_create_bits(PIXMAN_a8r8g8b8, width, height, pixels.data(), width * 4);
    if (!sampled) return nullptr;
    pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, sampled, 0, 0, 0, 0, 0, 0, width, height);
    pixman_image_unref(sampled);
    const bool opaque = std::all_of(pixels.begin(), pixels.end(), [](uint32_t p) { return p >= kAlphaMask; });
    return pixman_image_create_bits(opaque ? PIXMAN_x8r8g8b8 : PIXMAN_a8r8g8b8, width, height, pixels.data(),
                                    width * 4);
}

}  // namespace wincore
