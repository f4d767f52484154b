// Pictures at any resolution draw 1:1 from the HIMETRIC rectangles the controls' image wrapper
// makes by truncation: no pixel lost to the round trip, so nothing is stretched or filtered.
#include "imaging/pictures.h"

namespace {

constexpr int kSide = 41;

using ResolutionTest = ImagingTest;

// Draws pixels [at, at + size) on both axes into a canvas of that size, as the wrapper's 1:1 draw
// asks for them; true when the canvas shows exactly the picture's pixels from `shown`, which are
// each a colour of their own.
bool DrawsOneToOne(IImage* image, double dpi, int at, int size, int shown)
{
    Canvas canvas(size, size, RGB(1, 2, 3));
    RECT destination = {0, 0, size, size};
    LONG from = ToHimetric(at, dpi), to = ToHimetric(at + size, dpi);
    RECT source = {from, from, to, to};
    EXPECT_EQ(image->Draw(canvas.dc(), &destination, &source), S_OK);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
            if (canvas.At(x, y) != RGB((shown + x) * 6, (shown + y) * 6, 0x80)) return false;
    return true;
}

TEST_F(ResolutionTest, OneToOneDrawsCopyEveryPixel)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < kSide; y++)
        for (int x = 0; x < kSide; x++) pixels.push_back(0xFF000080u | uint32_t(x * 6) << 16 | uint32_t(y * 6) << 8);
    // Pixels a metre: 72 to 3000 dpi, then from one pixel a metre to the most a PNG can state, where
    // every pixel shares one HIMETRIC value and only the whole picture can be asked for.
    for (uint32_t pixelsPerMetre : {2835u, 3780u, 11811u, 50000u, 51181u, 94488u, 118110u, 1u, 100000000u, 2147483647u}) {
        IImage* image = Load(RgbaPng(kSide, kSide, pixels, pixelsPerMetre));
        ASSERT_NE(image, nullptr);
        ImageInfo info = {};
        EXPECT_EQ(image->GetImageInfo(&info), S_OK);
        const double dpi = info.Xdpi;
        EXPECT_DOUBLE_EQ(dpi, pixelsPerMetre * 0.0254);
        EXPECT_TRUE(DrawsOneToOne(image, dpi, 0, kSide, 0)) << "the whole picture at " << dpi << " dpi";
        for (int at = 0; at < kSide && dpi < 1e5; at++)
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
}

}  // namespace
