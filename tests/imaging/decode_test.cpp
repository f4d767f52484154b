// Decoding PNG, BMP and JPEG (the product's pictures are RGBA PNGs; other layouts one row each).
// Data that is no picture, cut short, corrupt or enormous fails cleanly: a failure result, no
// image, nothing left allocated (the fixture and ASan check the latter).
#include <cstdlib>

#include <png.h>

#include "imaging/pictures.h"

namespace {

using DecodeTest = ImagingTest;

constexpr COLORREF kBehind = RGB(9, 9, 9);
constexpr int kGray = PNG_COLOR_TYPE_GRAY;

// Every channel of every pixel within `tolerance` (JPEG is lossy).
bool Near(const Colors& actual, const Colors& expected, int tolerance)
{
    if (actual.size() != expected.size()) return false;
    for (size_t i = 0; i < actual.size(); i++)
        for (int shift : {0, 8, 16})
            if (std::abs(int(actual[i] >> shift & 0xFF) - int(expected[i] >> shift & 0xFF)) > tolerance) return false;
    return true;
}

constexpr const char* kRefused = "refused";
constexpr const char* kTooLarge = "refused: out of memory";

Bytes Cut(Bytes bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

TEST_F(DecodeTest, EveryLayoutGivesItsPixels)
{
    const std::vector<uint32_t> two = {0xFF0000, 0x00FF00}, three = {0xFF0000, 0x00FF00, 0x0000FF};
    const Bytes ink = {0, 128, 255, 64};  // magenta half, yellow full, a quarter black
    const COLORREF inkColour = RGB(191, 95, 0);  // (1 - ink) * (1 - black)
    const struct {
        const char* name;
        Bytes file;
        Colors pixels;
        COLORREF background = kBlue;
        int tolerance = 0;
    } cases[] = {
        {"PNG RGBA", RgbaPng(3, 1, {0x80FF0000, 0x00FF0000, 0xFFFF0000}), {RGB(128, 0, 127), kBlue, kRed}},
        // Entry 1 transparent, entry 2 opaque by default.
        {"PNG palette",
         EncodePng({3, 1, PNG_COLOR_TYPE_PALETTE, 4, {0x01, 0x20}, {255, 0, 0, 0, 255, 0, 255, 255, 255}, {255, 0}}),
         {kRed, kBlue, kWhite}},
        {"BMP bottom-up rows", EncodeBmp({2, 2, 24, {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0}}),
         {kRed, kWhite, kBlue, kGreen}},
        {"BMP 32 bits, no alpha", EncodeBmp({1, -2, 32, {0, 0, 255, 0, 0, 255, 0, 0}}), {kRed, kGreen}},
        {"BMP 5-5-5", EncodeBmp({2, 1, 16, {0x00, 0x7C, 0x1F, 0x00}}), {kRed, kBlue}},
        {"BMP 4 bits, past the palette", EncodeBmp({3, 1, 4, {0x01, 0x50, 0, 0}, BI_RGB, two}), {kRed, kGreen, 0}},
        {"BMP 5-6-5", EncodeBmp({2, 1, 16, {0x00, 0xF8, 0xE0, 0x07}, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}}),
         {kRed, kGreen}},
        {"BMP alpha mask",
         EncodeBmp({1, 1, 32, {0, 0, 0xFF, 0x80}, BI_BITFIELDS, {}, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 124}),
         {RGB(128, 0, 127)}},
        // Empty masks once divided by zero.
        {"BMP empty masks", EncodeBmp({2, 1, 16, {0xFF, 0xFF, 0xE0, 0x07}, BI_BITFIELDS, {}, {0, 0x07E0, 0}}),
         {kGreen, kGreen}},
        // Runs, an absolute run (padded), line ends, a move that skips a pixel, the end of picture.
        {"RLE8", RleBmp(kRle8, 4, 3, {4, 0, 0, 0, 0, 3, 1, 2, 3, 0, 1, 0, 0, 0, 2, 1, 0, 2, 1, 0, 1, 2, 0, 1}),
         {kGreen, kGreen, kBehind, kBlue, kGreen, kBlue, kWhite, kRed, kRed, kRed, kRed, kRed}, kBehind},
        {"RLE4", RleBmp(kRle4, 5, 2, {5, 0x12, 0, 0, 0, 3, 0x30, 0x10, 2, 0x23, 0, 1}),
         {kWhite, kRed, kGreen, kBlue, kWhite, kGreen, kBlue, kGreen, kBlue, kGreen}},
        {"OS/2 8 bits", EncodeCoreBmp(3, 2, 8, three, {0, 1, 2, 0, 2, 2, 1, 0}),
         {kBlue, kBlue, kGreen, kRed, kGreen, kBlue}},
        {"JPEG RGB", SolidJpeg(16, {200, 100, 50}), Colors(256, RGB(200, 100, 50)), kBlue, 3},
        {"JPEG grey", SolidJpeg(16, {128}), Colors(256, RGB(128, 128, 128)), kBlue, 3},
        {"JPEG CMYK", SolidJpeg(16, ink), Colors(256, inkColour), kBlue, 3},
        {"JPEG YCCK", SolidJpeg(16, ink, InkStorage::Ycck), Colors(256, inkColour), kBlue, 3},
    };
    for (const auto& c : cases) {
        Colors pixels = RenderOf(c.file, c.background);
        EXPECT_TRUE(Near(pixels, c.pixels, c.tolerance)) << c.name << ::testing::PrintToString(pixels);
    }
}

// What the factory makes of each file: size, resolution and flags (the YCCK row tells YCCK from
// CMYK, which share their pixels), or a clean refusal.
TEST_F(DecodeTest, EveryFileGivesItsInformationOrIsRefused)
{
    const Bytes black = {0, 0, 0}, ink = {0, 128, 255, 64};
    const Bytes png = RgbaPng(8, 8, std::vector<uint32_t>(64, 0xFF112233));
    Bytes corruptPng = png;
    corruptPng[png.size() - 20] ^= 0x5A;  // inside the image data: its checksum no longer matches
    const Bytes large = SolidJpeg(256, {10, 20, 30});
    const Bytes bmp = EncodeBmp({4, 4, 24, Bytes(48, 0)});
    Bytes jpegWithoutFrame = {0xFF, 0xD8, 0xFF};  // libjpeg's fatal error, not a warning
    jpegWithoutFrame.resize(200, 0);
    const struct {
        const char* name;
        Bytes file;
        const char* info;
    } cases[] = {
        {"RGBA", RgbaPng(960, 44, std::vector<uint32_t>(960 * 44, 0xFF000000)),
         "PNG 960x44 96x96dpi 25400x1164 alpha rgb realsize"},
        {"PNG at 72 dpi", EncodePng({1, 1, kGray, 8, {7}, {}, {}, 2835}),
         "PNG 1x1 72.009x72.009dpi 35x35 gray realsize realdpi"},
        {"BMP", EncodeBmp({1, 1, 24, {0, 0, 0, 0}}), "BMP 1x1 96x96dpi 26x26 rgb realsize"},
        {"JPEG at 72 dpi", SolidJpeg(8, black, InkStorage::Plain, 1, 72),
         "JPEG 8x8 72x72dpi 282x282 ycbcr realsize realdpi"},
        {"JPEG in dots per cm", SolidJpeg(8, black, InkStorage::Plain, 2, 40),
         "JPEG 8x8 101.6x101.6dpi 200x200 ycbcr realsize realdpi"},
        {"JPEG YCCK", SolidJpeg(16, ink, InkStorage::Ycck), "JPEG 16x16 96x96dpi 423x423 ycck realsize"},
        {"nothing", {}, kRefused},
        {"a JPEG without a frame", jpegWithoutFrame, kRefused}, {"half a PNG", Cut(png, png.size() / 2), kRefused},
        {"a JPEG cut in its scan, where libjpeg only warns", Cut(large, large.size() - 100), kRefused},
        {"a BMP one byte short", Cut(bmp, bmp.size() - 1), kRefused}, {"a PNG of a wrong checksum", corruptPng, kRefused},
        {"a run past the row's end", RleBmp(kRle8, 4, 2, {3, 0, 2, 0, 0, 1}), kRefused},
        {"a move past the right edge", RleBmp(kRle8, 4, 2, {0, 2, 5, 0, 0, 1}), kRefused},
        {"a line end past the top", RleBmp(kRle8, 4, 2, {0, 0, 0, 0, 0, 0, 0, 1}), kRefused},
        {"a PNG of 10000 x 10000", EncodePng({10000, 10000}), kTooLarge},
        {"a BMP of 100000 x 100000", EncodeBmp({100000, -100000, 24, {0, 0, 0, 0}}), kTooLarge},
    };
    for (const auto& c : cases) EXPECT_EQ(DescribeOf(c.file), c.info) << c.name;
}

TEST_F(DecodeTest, MissingFilesAndNullArguments)
{
    IImage* image = reinterpret_cast<IImage*>(this);  // each failure must clear it
    const WCHAR loneSurrogate[] = {u'/', 0xD800, u'x', 0};
    const std::vector<HRESULT> results = {factory_->CreateImageFromFile(u"/nonexistent/picture.png", &image),
                                          factory_->CreateImageFromFile(loneSurrogate, &image),
                                          factory_->CreateImageFromFile(nullptr, &image),
                                          factory_->CreateImageFromFile(u"x.png", nullptr),
                                          factory_->CreateImageFromStream(nullptr, &image)};
    EXPECT_EQ(results, (std::vector<HRESULT>{STG_E_FILENOTFOUND, STG_E_FILENOTFOUND, E_POINTER, E_POINTER, E_POINTER}));
    EXPECT_EQ(image, nullptr);
}

}  // namespace
