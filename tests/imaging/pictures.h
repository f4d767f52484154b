// Small pictures encoded in memory for the imaging tests, and the fixture that decodes and draws them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <imaging.h>

#include "support/canvas.h"
#include "support/host_fixture.h"

using Bytes = std::vector<uint8_t>;
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

// A PNG of raw `rows`; without rows, only the header and the start of the data, which size it.
struct PngSpec {
    int width = 1, height = 1, colorType = 6 /* RGBA */, bitDepth = 8;
    Bytes rows = {};
    uint32_t pixelsPerMetre = 0;  // pHYs when non-zero
};
Bytes EncodePng(const PngSpec& spec);
// 8-bit RGBA pixels given as 0xAARRGGBB.
Bytes RgbaPng(int width, int height, const std::vector<uint32_t>& argb, uint32_t pixelsPerMetre = 0);

// A BMP with a 40-byte header and a palette (0x00RRGGBB).
struct BmpSpec {
    int32_t width = 1, height = 1;  // negative height: top-down
    uint16_t bits = 24;
    Bytes rows = {};  // padded rows, in file order
    uint32_t compression = 0;
    std::vector<uint32_t> palette = {};
};
Bytes EncodeBmp(const BmpSpec& spec);

// Format, size, resolution, size in HIMETRIC and flags in one line: "PNG 2x1 96x96dpi 53x26 alpha rgb realsize".
std::string Describe(IImage* image);
// The image drawn 1:1 over `background`, row by row.
Colors Render(IImage* image, COLORREF background);
// A movable global block holding a copy of `size` bytes.
HGLOBAL BlockWith(const void* bytes, size_t size);
// Pixels to HIMETRIC exactly as the controls' image wrapper converts them.
LONG ToHimetric(int pixels, double dpi = 96);

// COM initialised, a factory, and checks that COM objects and GDI objects balance.
class ImagingTest : public HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Decodes through a stream over a global block, as the controls load their resources.
    HRESULT Decode(const Bytes& bytes, IImage** image);
    IImage* Load(const Bytes& bytes);
    // Describe of the decoded picture, or "refused" (": out of memory") when it does not decode.
    std::string DescribeOf(const Bytes& bytes);
    Colors RenderOf(const Bytes& bytes, COLORREF background);

    IImagingFactory* factory_ = nullptr;
    int comAtStart_ = 0;
};
