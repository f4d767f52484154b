// Decoding PNG, BMP and JPEG pictures: pixels, image information and resolution.
#include <png.h>

#include "imaging/pictures.h"

namespace {

using Pixels = std::vector<COLORREF>;

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class DecodeTest : public ImagingTest {
protected:
    Pixels RenderOf(const Bytes& bytes, COLORREF background = kBlue)
    {
        IImage* image = Load(bytes);
        if (!image) return {};
        Pixels pixels = Render(image, background);
        image->Release();
        return pixels;
    }

    ImageInfo InfoOf(const Bytes& bytes)
    {
        ImageInfo info = {};
        IImage* image = Load(bytes);
        if (!image) return info;
        EXPECT_EQ(image->GetImageInfo(&info), S_OK);
        image->Release();
        return info;
    }

    static PngSpec Png(int width, int colorType, int bitDepth, Bytes row)
    {
        PngSpec spec;
        spec.width = width;
        spec.colorType = colorType;
        spec.bitDepth = bitDepth;
        spec.rows = std::move(row);
        return spec;
    }
};

TEST_F(DecodeTest, PngColourTypesAndDepths)
{
    EXPECT_EQ(RenderOf(RgbaPng(2, 1, {0xFFFF0000, 0x0000FF00})), (Pixels{kRed, kBlue}));
    EXPECT_EQ(RenderOf(EncodePng(Png(2, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0, 0, 255, 0}))), (Pixels{kRed, kGreen}));
    EXPECT_EQ(RenderOf(EncodePng(Png(1, PNG_COLOR_TYPE_GRAY, 8, {128}))), (Pixels{RGB(128, 128, 128)}));
    EXPECT_EQ(RenderOf(EncodePng(Png(2, PNG_COLOR_TYPE_GRAY, 1, {0x80}))), (Pixels{RGB(255, 255, 255), 0}));
    EXPECT_EQ(RenderOf(EncodePng(Png(2, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {200, 255, 200, 0}))),
              (Pixels{RGB(200, 200, 200), kBlue}));
    Bytes wide = {0xFF, 0xFF, 0, 0, 0x80, 0x80, /* then */ 0, 0, 0xFF, 0xFF, 0, 0};
    EXPECT_EQ(RenderOf(EncodePng(Png(2, PNG_COLOR_TYPE_RGB, 16, wide))), (Pixels{RGB(255, 0, 128), kGreen}));

    PngSpec palette = Png(3, PNG_COLOR_TYPE_PALETTE, 4, {0x01, 0x20});
    palette.palette = {255, 0, 0, 0, 255, 0, 255, 255, 255};
    palette.transparency = {255, 0};  // entry 1 transparent, entry 2 opaque by default
    EXPECT_EQ(RenderOf(EncodePng(palette)), (Pixels{kRed, kBlue, RGB(255, 255, 255)}));
}

TEST_F(DecodeTest, InterlacedPngMatchesPlain)
{
    PngSpec spec = Png(9, PNG_COLOR_TYPE_RGB, 8, {});
    spec.height = 7;
    for (int i = 0; i < 9 * 7 * 3; i++) spec.rows.push_back(uint8_t(i * 37));
    Pixels plain = RenderOf(EncodePng(spec));
    spec.interlaced = true;
    EXPECT_EQ(RenderOf(EncodePng(spec)), plain);
    EXPECT_EQ(plain.size(), 63u);
}

TEST_F(DecodeTest, ImageInfoAndPngResolution)
{
    ImageInfo info = InfoOf(RgbaPng(960, 44, std::vector<uint32_t>(960 * 44, 0xFF000000)));
    EXPECT_EQ(info.RawDataFormat, ImageFormatPNG);
    EXPECT_EQ(info.PixelFormat, PixelFormat32bppARGB);
    EXPECT_EQ(info.Width, 960u);
    EXPECT_EQ(info.Height, 44u);
    EXPECT_EQ(info.Xdpi, 96.0);
    EXPECT_EQ(info.Ydpi, 96.0);
    EXPECT_TRUE(info.Flags & ImageFlagsHasAlpha);

    EXPECT_NEAR(InfoOf(RgbaPng(1, 1, {0xFF000000}, 2835)).Xdpi, 72.0, 0.01);
    EXPECT_NEAR(InfoOf(RgbaPng(1, 1, {0xFF000000}, 3780)).Ydpi, 96.0, 0.02);
    PngSpec unknownUnit = Png(1, PNG_COLOR_TYPE_GRAY, 8, {0});
    unknownUnit.pixelsPerMetre = 2835;
    unknownUnit.resolutionUnknownUnit = true;
    EXPECT_EQ(InfoOf(EncodePng(unknownUnit)).Xdpi, 96.0);

    IImage* image = Load(RgbaPng(960, 44, std::vector<uint32_t>(960 * 44, 0xFF000000)));
    ASSERT_NE(image, nullptr);
    SIZE size = {};
    EXPECT_EQ(image->GetPhysicalDimension(&size), S_OK);
    EXPECT_EQ(size.cx, 25400);
    EXPECT_EQ(size.cy, 1164);
    image->Release();
}

TEST_F(DecodeTest, PngInfoReportsWhatTheFileHolds)
{
    constexpr UINT kSize = ImageFlagsHasRealPixelSize;
    constexpr UINT kGray = ImageFlagsColorSpaceGRAY | kSize;
    constexpr UINT kRgb = ImageFlagsColorSpaceRGB | kSize;
    constexpr UINT kAlpha = ImageFlagsHasAlpha;
    struct Case {
        const char* what;
        PngSpec spec;
        UINT flags;
    };
    PngSpec palette = Png(2, PNG_COLOR_TYPE_PALETTE, 8, {0, 1});
    palette.palette = {255, 0, 0, 0, 255, 0};
    PngSpec paletteAlpha = palette;
    paletteAlpha.transparency = {128};
    PngSpec grayKey = Png(1, PNG_COLOR_TYPE_GRAY, 8, {7});
    grayKey.transparentGray = 7;
    const Case cases[] = {
        {"grey", Png(1, PNG_COLOR_TYPE_GRAY, 8, {7}), kGray},
        {"grey, 16 bits", Png(1, PNG_COLOR_TYPE_GRAY, 16, {7, 7}), kGray},
        {"grey with a transparent value", grayKey, kGray | kAlpha},
        {"grey and alpha", Png(1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {7, 7}), kGray | kAlpha},
        {"RGB", Png(1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3}), kRgb},
        {"RGBA", Png(1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {1, 2, 3, 4}), kRgb | kAlpha},
        {"palette", palette, kRgb},
        {"palette with alpha", paletteAlpha, kRgb | kAlpha},
    };
    for (const Case& c : cases) EXPECT_EQ(InfoOf(EncodePng(c.spec)).Flags, c.flags) << c.what;
    PngSpec withDpi = Png(1, PNG_COLOR_TYPE_GRAY, 8, {7});
    withDpi.pixelsPerMetre = 2835;
    EXPECT_EQ(InfoOf(EncodePng(withDpi)).Flags, kGray | ImageFlagsHasRealDPI);
}

TEST_F(DecodeTest, BmpLayouts)
{
    BmpSpec bottomUp;  // 24 bits, 2 x 2, rows padded to 8 bytes, bottom row first
    bottomUp.width = 2;
    bottomUp.height = 2;
    bottomUp.rows = {255, 0, 0, 0, 255, 0, 0, 0, /* bottom: blue, green */ 0, 0, 255, 255, 255, 255, 0, 0};
    EXPECT_EQ(RenderOf(EncodeBmp(bottomUp)), (Pixels{kRed, RGB(255, 255, 255), kBlue, kGreen}));

    BmpSpec topDown;  // 32 bits BI_RGB: the fourth byte is not alpha
    topDown.width = 1;
    topDown.height = -2;
    topDown.bits = 32;
    topDown.rows = {0, 0, 255, 0, 0, 255, 0, 0};
    EXPECT_EQ(RenderOf(EncodeBmp(topDown)), (Pixels{kRed, kGreen}));

    BmpSpec indexed;
    indexed.width = 3;
    indexed.bits = 4;
    indexed.palette = {0xFF0000, 0x00FF00};
    indexed.rows = {0x01, 0x50, 0, 0};  // index 5 is past the palette: black
    EXPECT_EQ(RenderOf(EncodeBmp(indexed)), (Pixels{kRed, kGreen, 0}));
    indexed.bits = 1;
    indexed.rows = {0x40, 0, 0, 0};
    EXPECT_EQ(RenderOf(EncodeBmp(indexed)), (Pixels{kRed, kGreen, kRed}));
    indexed.bits = 8;
    indexed.rows = {1, 0, 1, 0};
    EXPECT_EQ(RenderOf(EncodeBmp(indexed)), (Pixels{kGreen, kRed, kGreen}));

    BmpSpec fields;  // 16 bits 5-6-5
    fields.width = 2;
    fields.bits = 16;
    fields.compression = BI_BITFIELDS;
    fields.masks = {0xF800, 0x07E0, 0x001F};
    fields.rows = {0x00, 0xF8, 0xE0, 0x07};
    EXPECT_EQ(RenderOf(EncodeBmp(fields)), (Pixels{kRed, kGreen}));
    fields.compression = BI_RGB;  // 5-5-5
    fields.masks.clear();
    fields.rows = {0x00, 0x7C, 0x1F, 0x00};
    EXPECT_EQ(RenderOf(EncodeBmp(fields)), (Pixels{kRed, kBlue}));

    BmpSpec alpha;  // 32-bit fields in a version 5 header, with an alpha mask
    alpha.width = 1;
    alpha.bits = 32;
    alpha.compression = BI_BITFIELDS;
    alpha.headerSize = 124;
    alpha.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    alpha.rows = {0x00, 0x00, 0xFF, 0x80};
    EXPECT_EQ(RenderOf(EncodeBmp(alpha)), (Pixels{RGB(128, 0, 127)}));
}

TEST_F(DecodeTest, BmpInfoAndResolution)
{
    BmpSpec spec;
    spec.rows = {0, 0, 0, 0};
    ImageInfo info = InfoOf(EncodeBmp(spec));
    EXPECT_EQ(info.RawDataFormat, ImageFormatBMP);
    EXPECT_EQ(info.Xdpi, 96.0);
    spec.pixelsPerMetre = 2835;
    EXPECT_NEAR(InfoOf(EncodeBmp(spec)).Ydpi, 72.0, 0.01);
}

TEST_F(DecodeTest, JpegColoursAndDensity)
{
    Pixels colour = RenderOf(SolidJpeg(16, 16, RGB(200, 100, 50)));
    ASSERT_EQ(colour.size(), 256u);
    for (COLORREF pixel : {colour.front(), colour[136], colour.back()}) {
        EXPECT_NEAR(GetRValue(pixel), 200, 3);
        EXPECT_NEAR(GetGValue(pixel), 100, 3);
        EXPECT_NEAR(GetBValue(pixel), 50, 3);
    }
    Pixels gray = RenderOf(SolidJpeg(8, 8, RGB(128, 0, 0), 0, 1, true));
    ASSERT_EQ(gray.size(), 64u);
    EXPECT_NEAR(GetRValue(gray[9]), 128, 2);
    EXPECT_EQ(GetRValue(gray[9]), GetBValue(gray[9]));

    ImageInfo info = InfoOf(SolidJpeg(8, 8, 0, 1, 72));
    EXPECT_EQ(info.RawDataFormat, ImageFormatJPEG);
    EXPECT_EQ(info.Xdpi, 72.0);
    EXPECT_EQ(info.Ydpi, 72.0);
    EXPECT_NEAR(InfoOf(SolidJpeg(8, 8, 0, 2, 40)).Xdpi, 101.6, 1e-9);
    EXPECT_EQ(InfoOf(SolidJpeg(8, 8, 0, 0, 1)).Xdpi, 96.0);
}

}  // namespace
