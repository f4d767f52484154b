// Decoding PNG, BMP (bit fields, runs, the OS/2 header) and JPEG (grey, RGB, CMYK, YCCK): the
// pixels and what the image information reports.
#include <png.h>

#include "imaging/pictures.h"

namespace {

using DecodeTest = ImagingTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
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

TEST_F(DecodeTest, EveryLayoutGivesItsPixels)
{
    const Bytes wide = {0xFF, 0xFF, 0, 0, 0x80, 0x80, /* then */ 0, 0, 0xFF, 0xFF, 0, 0};
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
        {"PNG RGB", EncodePng({2, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0, 0, 255, 0}}), {kRed, kGreen}},
        {"PNG grey", EncodePng({1, 1, kGray, 8, {128}}), {RGB(128, 128, 128)}},
        {"PNG 1-bit grey", EncodePng({2, 1, kGray, 1, {0x80}}), {kWhite, 0}},
        {"PNG grey and alpha", EncodePng({2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {200, 255, 200, 0}}),
         {RGB(200, 200, 200), kBlue}},
        {"PNG 16 bits", EncodePng({2, 1, PNG_COLOR_TYPE_RGB, 16, wide}), {RGB(255, 0, 128), kGreen}},
        // Entry 1 transparent, entry 2 opaque by default.
        {"PNG palette", EncodePng({3, 1, PNG_COLOR_TYPE_PALETTE, 4, {0x01, 0x20}, {255, 0, 0, 0, 255, 0, 255, 255, 255}, {255, 0}}),
         {kRed, kBlue, kWhite}},
        {"BMP bottom-up rows", EncodeBmp({2, 2, 24, {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0}}),
         {kRed, kWhite, kBlue, kGreen}},
        {"BMP 32 bits, no alpha", EncodeBmp({1, -2, 32, {0, 0, 255, 0, 0, 255, 0, 0}}), {kRed, kGreen}},
        {"BMP 4 bits, index past the palette", EncodeBmp({3, 1, 4, {0x01, 0x50, 0, 0}, BI_RGB, two}), {kRed, kGreen, 0}},
        {"BMP 1 bit", EncodeBmp({3, 1, 1, {0x40, 0, 0, 0}, BI_RGB, two}), {kRed, kGreen, kRed}},
        {"BMP 8 bits", EncodeBmp({3, 1, 8, {1, 0, 1, 0}, BI_RGB, two}), {kGreen, kRed, kGreen}},
        {"BMP 5-6-5", EncodeBmp({2, 1, 16, {0x00, 0xF8, 0xE0, 0x07}, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}}),
         {kRed, kGreen}},
        {"BMP 5-5-5", EncodeBmp({2, 1, 16, {0x00, 0x7C, 0x1F, 0x00}}), {kRed, kBlue}},
        {"BMP alpha mask",
         EncodeBmp({1, 1, 32, {0, 0, 0xFF, 0x80}, BI_BITFIELDS, {}, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 124}),
         {RGB(128, 0, 127)}},
        // Empty masks once divided by zero; gapped ones must stay within 0..255.
        {"BMP empty masks", EncodeBmp({2, 1, 16, {0xFF, 0xFF, 0xE0, 0x07}, BI_BITFIELDS, {}, {0, 0x07E0, 0}}),
         {kGreen, kGreen}},
        {"BMP gapped mask", EncodeBmp({2, 1, 32, {1, 1, 0, 0x80, 0, 0, 0, 0}, BI_BITFIELDS, {}, {0x80000001, 0, 0x100}}),
         {RGB(255, 0, 255), 0}},
        // Runs, an absolute run (padded), line ends, a move that skips a pixel, the end of picture.
        {"RLE8", RleBmp(kRle8, 4, 3, {4, 0, 0, 0, 0, 3, 1, 2, 3, 0, 1, 0, 0, 0, 2, 1, 0, 2, 1, 0, 1, 2, 0, 1}),
         {kGreen, kGreen, kBehind, kBlue, kGreen, kBlue, kWhite, kRed, kRed, kRed, kRed, kRed}, kBehind},
        {"RLE4", RleBmp(kRle4, 5, 2, {5, 0x12, 0, 0, 0, 3, 0x30, 0x10, 2, 0x23, 0, 1}),
         {kWhite, kRed, kGreen, kBlue, kWhite, kGreen, kBlue, kGreen, kBlue, kGreen}},
        {"RLE4 odd absolute run", RleBmp(kRle4, 5, 1, {0, 5, 0x01, 0x23, 0x00, 0, 0, 1}), {kRed, kGreen, kBlue, kWhite, kRed}},
        {"OS/2 8 bits", EncodeCoreBmp(3, 2, 8, three, {0, 1, 2, 0, 2, 2, 1, 0}), {kBlue, kBlue, kGreen, kRed, kGreen, kBlue}},
        {"OS/2 1 bit", EncodeCoreBmp(2, 1, 1, {0x000000, 0xFFFFFF}, {0x40, 0, 0, 0}), {0, kWhite}},
        {"OS/2 24 bits", EncodeCoreBmp(2, 1, 24, {}, {0, 0, 255, 255, 0, 0, 0, 0}), {kRed, kBlue}},
        {"JPEG RGB", SolidJpeg(16, {200, 100, 50}), Colors(256, RGB(200, 100, 50)), kBlue, 3},
        {"JPEG grey", SolidJpeg(16, {128}), Colors(256, RGB(128, 128, 128)), kBlue, 3},
        {"JPEG CMYK", SolidJpeg(16, ink), Colors(256, inkColour), kBlue, 3},
        {"JPEG CMYK, Adobe", SolidJpeg(16, ink, InkStorage::Adobe), Colors(256, inkColour), kBlue, 3},
        {"JPEG YCCK", SolidJpeg(16, ink, InkStorage::Ycck), Colors(256, inkColour), kBlue, 3},
    };
    for (const auto& c : cases) {
        Colors pixels = RenderOf(c.file, c.background);
        EXPECT_TRUE(Near(pixels, c.pixels, c.tolerance)) << c.name << ::testing::PrintToString(pixels);
    }
}

TEST_F(DecodeTest, InterlacedPngMatchesPlain)
{
    PngSpec spec = {9, 7, PNG_COLOR_TYPE_RGB, 8};
    for (int i = 0; i < 9 * 7 * 3; i++) spec.rows.push_back(uint8_t(i * 37));
    Colors plain = RenderOf(EncodePng(spec), kBlue);
    spec.interlaced = true;
    EXPECT_EQ(RenderOf(EncodePng(spec), kBlue), plain);
    EXPECT_EQ(plain.size(), 63u);
}

TEST_F(DecodeTest, InformationReportsWhatTheFileHolds)
{
    const Bytes palette = {255, 0, 0, 0, 255, 0}, black = {0, 0, 0}, ink = {0, 128, 255, 64};
    const struct {
        const char* name;
        Bytes file;
        const char* info;
    } cases[] = {
        {"RGBA", RgbaPng(960, 44, std::vector<uint32_t>(960 * 44, 0xFF000000)),
         "PNG 960x44 96x96dpi 25400x1164 alpha rgb realsize"},
        {"grey", EncodePng({1, 1, kGray, 8, {7}}), "PNG 1x1 96x96dpi 26x26 gray realsize"},
        {"grey, 16 bits", EncodePng({1, 1, kGray, 16, {7, 7}}), "PNG 1x1 96x96dpi 26x26 gray realsize"},
        {"grey with a transparent value", EncodePng({1, 1, kGray, 8, {7}, {}, {}, 7}),
         "PNG 1x1 96x96dpi 26x26 alpha gray realsize"},
        {"grey and alpha", EncodePng({1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {7, 7}}),
         "PNG 1x1 96x96dpi 26x26 alpha gray realsize"},
        {"RGB", EncodePng({1, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3}}), "PNG 1x1 96x96dpi 26x26 rgb realsize"},
        {"palette", EncodePng({2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, palette}),
         "PNG 2x1 96x96dpi 53x26 rgb realsize"},
        {"palette with alpha", EncodePng({2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, palette, {128}}),
         "PNG 2x1 96x96dpi 53x26 alpha rgb realsize"},
        {"PNG at 72 dpi", EncodePng({1, 1, kGray, 8, {7}, {}, {}, -1, 2835}),
         "PNG 1x1 72.009x72.009dpi 35x35 gray realsize realdpi"},
        {"PNG at 96 dpi", RgbaPng(1, 1, {0xFF000000}, 3780),
         "PNG 1x1 96.012x96.012dpi 26x26 alpha rgb realsize realdpi"},
        {"PNG, resolution of no unit", EncodePng({1, 1, kGray, 8, {7}, {}, {}, -1, 2835, true}),
         "PNG 1x1 96x96dpi 26x26 gray realsize"},
        {"BMP", EncodeBmp({1, 1, 24, {0, 0, 0, 0}}), "BMP 1x1 96x96dpi 26x26 rgb realsize"},
        {"BMP at 72 dpi", EncodeBmp({1, 1, 24, {0, 0, 0, 0}, BI_RGB, {}, {}, 40, 2835}),
         "BMP 1x1 72.009x72.009dpi 35x35 rgb realsize realdpi"},
        {"RLE8 that skips a pixel", RleBmp(kRle8, 2, 1, {1, 0, 0, 1}), "BMP 2x1 96x96dpi 53x26 alpha rgb realsize"},
        {"RLE8 that covers every pixel", RleBmp(kRle8, 2, 2, {2, 3, 0, 0, 2, 1, 0, 1}),
         "BMP 2x2 96x96dpi 53x53 rgb realsize"},
        {"JPEG at 72 dpi", SolidJpeg(8, black, InkStorage::Plain, 1, 72),
         "JPEG 8x8 72x72dpi 282x282 ycbcr realsize realdpi"},
        {"JPEG in dots per cm", SolidJpeg(8, black, InkStorage::Plain, 2, 40),
         "JPEG 8x8 101.6x101.6dpi 200x200 ycbcr realsize realdpi"},
        {"JPEG of no density", SolidJpeg(8, black), "JPEG 8x8 96x96dpi 212x212 ycbcr realsize"},
        {"JPEG CMYK", SolidJpeg(16, ink), "JPEG 16x16 96x96dpi 423x423 cmyk realsize"},
        {"JPEG CMYK, Adobe", SolidJpeg(16, ink, InkStorage::Adobe), "JPEG 16x16 96x96dpi 423x423 cmyk realsize"},
        {"JPEG YCCK", SolidJpeg(16, ink, InkStorage::Ycck), "JPEG 16x16 96x96dpi 423x423 ycck realsize"},
    };
    for (const auto& c : cases) EXPECT_EQ(DescribeOf(c.file), c.info) << c.name;
}

}  // namespace
