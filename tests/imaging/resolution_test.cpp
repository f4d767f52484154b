// Pictures at any resolution draw 1:1 from the HIMETRIC rectangles the controls' image wrapper
// makes by truncation: no pixel lost to the round trip, so nothing is stretched or filtered.
#include <cmath>

#include "imaging/pictures.h"

namespace {

constexpr int kSide = 41;

// Every pixel a colour of its own.
uint32_t PixelOf(int x, int y)
{
    return 0xFF000080u | uint32_t(x * 6) << 16 | uint32_t(y * 6) << 8;
}

class ResolutionDrawTest : public ImagingTest {
protected:
    IImage* Picture(uint32_t pixelsPerMetre)
    {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < kSide; y++)
            for (int x = 0; x < kSide; x++) pixels.push_back(PixelOf(x, y));
        return Load(RgbaPng(kSide, kSide, pixels, pixelsPerMetre));
    }

    static double DpiOf(IImage* image)
    {
        ImageInfo info = {};
        EXPECT_EQ(image->GetImageInfo(&info), S_OK);
        return info.Xdpi;
    }

    // Draws pixels [at, at + size) on both axes into a canvas of that size, as the wrapper's 1:1
    // draw asks for them; true when the canvas shows exactly the picture's pixels from `shown`.
    static bool DrawsOneToOne(IImage* image, double dpi, int at, int size, int shown)
    {
        Canvas canvas(size, size, RGB(1, 2, 3));
        RECT destination = Rect(0, 0, size, size);
        RECT source = Rect(ToHimetric(at, dpi), ToHimetric(at, dpi), ToHimetric(at + size, dpi),
                           ToHimetric(at + size, dpi));
        EXPECT_EQ(image->Draw(canvas.dc(), &destination, &source), S_OK);
        for (int y = 0; y < size; y++)
            for (int x = 0; x < size; x++) {
                uint32_t expected = PixelOf(shown + x, shown + y);
                COLORREF want = RGB(expected >> 16 & 0xFF, expected >> 8 & 0xFF, expected & 0xFF);
                if (canvas.At(x, y) != want) return false;
            }
        return true;
    }
};

class ResolutionTest : public ResolutionDrawTest, public ::testing::WithParamInterface<double> {};

TEST_P(ResolutionTest, OneToOneDrawsCopyEveryPixel)
{
    IImage* image = Picture(uint32_t(std::lround(GetParam() / 0.0254)));
    ASSERT_NE(image, nullptr);
    const double dpi = DpiOf(image);
    EXPECT_NEAR(dpi, GetParam(), 0.02);
    EXPECT_TRUE(DrawsOneToOne(image, dpi, 0, kSide, 0)) << "the whole picture";
    for (int at = 0; at < kSide; at++)
        for (int size : {1, 6, kSide - at}) {
            if (at + size > kSide) continue;
            // Above 2540 dpi two pixels can share one HIMETRIC value. Where both edges name two
            // pixels the draw is still 1:1, from the first of the pixels they name.
            bool shared = at > 0 && ToHimetric(at - 1, dpi) == ToHimetric(at, dpi) &&
                          ToHimetric(at + size - 1, dpi) == ToHimetric(at + size, dpi);
            EXPECT_TRUE(DrawsOneToOne(image, dpi, at, size, at) ||
                        (shared && DrawsOneToOne(image, dpi, at, size, at - 1)))
                << "pixels " << at << ".." << at + size << " at " << dpi << " dpi";
        }
    image->Release();
}

// From one pixel a metre to the most a PNG can state, where every pixel shares one HIMETRIC value.
TEST_F(ResolutionDrawTest, ExtremeResolutionsDrawTheWholePictureOneToOne)
{
    for (uint32_t pixelsPerMetre : {1u, 100000000u, 2147483647u}) {
        IImage* image = Picture(pixelsPerMetre);
        ASSERT_NE(image, nullptr);
        EXPECT_DOUBLE_EQ(DpiOf(image), pixelsPerMetre * 0.0254);
        EXPECT_TRUE(DrawsOneToOne(image, DpiOf(image), 0, kSide, 0)) << pixelsPerMetre << " pixels a metre";
        image->Release();
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, ResolutionTest, ::testing::Values(72.0, 96.0, 300.0, 1270.0, 1300.0, 2400.0, 3000.0));

}  // namespace
