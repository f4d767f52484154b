// Decoding: the product's pictures are RGBA PNGs; BMP, which a host may name for a vector box's
// frame, keeps a row for its pixels and its most dangerous input (the fuzzer covers JPEG). Data that
// is cut short, corrupt or enormous fails cleanly: a failure result, no image.
#include <png.h>

#include "imaging/pictures.h"

namespace {

using DecodeTest = ImagingTest;

constexpr const char* kRefused = "refused";

TEST_F(DecodeTest, EveryLayoutGivesItsPixels)
{
    const struct {
        const char* name;
        Bytes file;
        Colors pixels;
    } cases[] = {
        {"PNG RGBA", RgbaPng(3, 1, {0x80FF0000, 0x00FF0000, 0xFFFF0000}), {RGB(128, 0, 127), kBlue, kRed}},
        {"BMP bottom-up rows", EncodeBmp({2, 2, 24, {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0}}),
         {kRed, kWhite, kBlue, kGreen}},
    };
    for (const auto& c : cases) EXPECT_EQ(RenderOf(c.file, kBlue), c.pixels) << c.name;
}

// What the factory makes of each file: size, resolution and flags, or a clean refusal.
TEST_F(DecodeTest, EveryFileGivesItsInformationOrIsRefused)
{
    const Bytes png = RgbaPng(8, 8, std::vector<uint32_t>(64, 0xFF112233));
    const struct {
        const char* name;
        Bytes file;
        const char* info;
    } cases[] = {
        {"RGBA", RgbaPng(960, 44, std::vector<uint32_t>(960 * 44, 0xFF000000)),
         "PNG 960x44 96x96dpi 25400x1164 alpha rgb realsize"},
        {"PNG at 72 dpi", EncodePng({1, 1, PNG_COLOR_TYPE_GRAY, 8, {7}, 2835}),
         "PNG 1x1 72.009x72.009dpi 35x35 gray realsize realdpi"},
        {"half a PNG", Bytes(png.begin(), png.begin() + png.size() / 2), kRefused},
        {"a PNG of 10000 x 10000", EncodePng({10000, 10000}), "refused: out of memory"},
        {"a BMP run past the row's end",
         EncodeBmp({4, 2, 8, {3, 0, 2, 0, 0, 1}, 1 /* RLE8 */, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}}), kRefused},
    };
    for (const auto& c : cases) EXPECT_EQ(DescribeOf(c.file), c.info) << c.name;
}

TEST_F(DecodeTest, MissingFileIsReported)
{
    IImage* image = reinterpret_cast<IImage*>(this);  // a failure must clear it
    EXPECT_EQ(factory_->CreateImageFromFile(u"/nonexistent/picture.png", &image), STG_E_FILENOTFOUND);
    EXPECT_EQ(image, nullptr);
}

}  // namespace
