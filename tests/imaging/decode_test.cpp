// Decoding: the product's pictures are RGBA PNGs; BMP and JPEG, which no product code decodes here,
// keep a row each for their pixels and their most dangerous input. Data that is no picture, cut
// short, corrupt or enormous fails cleanly: a failure result, no image, nothing left allocated.
#include <cstdlib>

#include <png.h>

#include "imaging/pictures.h"

namespace {

using DecodeTest = ImagingTest;

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

Bytes Cut(Bytes bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

TEST_F(DecodeTest, EveryLayoutGivesItsPixels)
{
    const struct {
        const char* name;
        Bytes file;
        Colors pixels;
        int tolerance = 0;
    } cases[] = {
        {"PNG RGBA", RgbaPng(3, 1, {0x80FF0000, 0x00FF0000, 0xFFFF0000}), {RGB(128, 0, 127), kBlue, kRed}},
        {"BMP bottom-up rows", EncodeBmp({2, 2, 24, {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0}}),
         {kRed, kWhite, kBlue, kGreen}},
        {"JPEG RGB", SolidJpeg(16, {200, 100, 50}), Colors(256, RGB(200, 100, 50)), 3},
    };
    for (const auto& c : cases) {
        Colors pixels = RenderOf(c.file, kBlue);
        EXPECT_TRUE(Near(pixels, c.pixels, c.tolerance)) << c.name << ::testing::PrintToString(pixels);
    }
}

// What the factory makes of each file: size, resolution and flags, or a clean refusal.
TEST_F(DecodeTest, EveryFileGivesItsInformationOrIsRefused)
{
    const Bytes png = RgbaPng(8, 8, std::vector<uint32_t>(64, 0xFF112233));
    Bytes corruptPng = png;
    corruptPng[png.size() - 20] ^= 0x5A;  // inside the image data: its checksum no longer matches
    Bytes jpegWithoutFrame = {0xFF, 0xD8, 0xFF};  // libjpeg's fatal error, not a warning
    jpegWithoutFrame.resize(200, 0);
    const struct {
        const char* name;
        Bytes file;
        const char* info;
    } cases[] = {
        {"RGBA", RgbaPng(960, 44, std::vector<uint32_t>(960 * 44, 0xFF000000)),
         "PNG 960x44 96x96dpi 25400x1164 alpha rgb realsize"},
        {"PNG at 72 dpi", EncodePng({1, 1, PNG_COLOR_TYPE_GRAY, 8, {7}, 2835}),
         "PNG 1x1 72.009x72.009dpi 35x35 gray realsize realdpi"},
        {"nothing", {}, kRefused},
        {"half a PNG", Cut(png, png.size() / 2), kRefused},
        {"a PNG of a wrong checksum", corruptPng, kRefused},
        {"a PNG of 10000 x 10000", EncodePng({10000, 10000}), "refused: out of memory"},
        {"a JPEG without a frame", jpegWithoutFrame, kRefused},
        {"a BMP run past the row's end", RleBmp(4, 2, {3, 0, 2, 0, 0, 1}), kRefused},
    };
    for (const auto& c : cases) EXPECT_EQ(DescribeOf(c.file), c.info) << c.name;
}

TEST_F(DecodeTest, MissingFilesAndNullArguments)
{
    IImage* image = reinterpret_cast<IImage*>(this);  // each failure must clear it
    const std::vector<HRESULT> results = {factory_->CreateImageFromFile(u"/nonexistent/picture.png", &image),
                                          factory_->CreateImageFromFile(nullptr, &image),
                                          factory_->CreateImageFromStream(nullptr, &image)};
    EXPECT_EQ(results, (std::vector<HRESULT>{STG_E_FILENOTFOUND, E_POINTER, E_POINTER}));
    EXPECT_EQ(image, nullptr);
}

}  // namespace
