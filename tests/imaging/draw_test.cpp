// IImage::Draw: HIMETRIC source rectangles, scaling and clipping; and 1:1 draws at any resolution
// from the wrapper's truncated rectangles, which must lose no pixel to the round trip.
#include <algorithm>

#include "imaging/pictures.h"

namespace {

constexpr COLORREF kGray = RGB(50, 50, 50);

using DrawTest = ImagingTest;

constexpr int kSide = 41;  // of the resolution sweep's picture

// Each draw goes to a grey canvas; what it paints must be exactly `ink`, all of one colour.
TEST_F(DrawTest, SourceDestinationClipAndOriginPlaceThePixelsOrNone)
{
    std::vector<uint32_t> cells;  // three 106-pixel cells, red, green and blue, 4 pixels high
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 318; x++) cells.push_back(x < 106 ? 0xFFFF0000 : x < 212 ? 0xFF00FF00 : 0xFF0000FF);
    IImage* strip = Load(RgbaPng(318, 4, cells));
    IImage* square = Load(RgbaPng(10, 10, std::vector<uint32_t>(100, 0xFFFF0000)));
    IImage* dot = Load(RgbaPng(1, 1, {0xFFFF0000}));
    ASSERT_TRUE(strip && square && dot);
    // As the controls' wrapper asks for pixels [106, 212) x [0, 4), [0, 20) x [0, 20) and [-10, 10) x [0, 1).
    const RECT cell = {ToHimetric(106), 0, ToHimetric(212), ToHimetric(4)};
    const RECT twice = {0, 0, ToHimetric(20), ToHimetric(20)};
    const RECT leftOfIt = {ToHimetric(-10), 0, ToHimetric(10), ToHimetric(1)};
    const struct {
        const char* name;
        IImage* image;
        SIZE canvas;
        RECT destination;
        const RECT* source;
        RECT ink;
        COLORREF colour;
        RECT clip;
        POINT origin;
    } cases[] = {
        {"the second cell stretched", strip, {212, 8}, {0, 0, 212, 8}, &cell, {0, 0, 212, 8}, kGreen, {}, {}},
        {"a source twice the picture", square, {40, 40}, {0, 0, 40, 40}, &twice, {0, 0, 20, 20}, kRed, {}, {}},
        {"a source left of the picture", square, {20, 1}, {0, 0, 20, 1}, &leftOfIt, {10, 0, 20, 1}, kRed, {}, {}},
        {"a destination off the canvas", dot, {10, 10}, {-5, -5, 5, 5}, nullptr, {0, 0, 5, 5}, kRed, {}, {}},
        {"a clip", dot, {10, 10}, {0, 0, 10, 10}, nullptr, {2, 2, 4, 4}, kRed, {2, 2, 4, 4}, {}},
        {"a viewport origin", dot, {10, 1}, {0, 0, 2, 1}, nullptr, {3, 0, 5, 1}, kRed, {}, {3, 0}},
    };
    for (const auto& c : cases) {
        Canvas canvas(c.canvas.cx, c.canvas.cy, kGray);
        const RECT& clip = c.clip;
        if (clip.right > clip.left) IntersectClipRect(canvas.dc(), clip.left, clip.top, clip.right, clip.bottom);
        SetViewportOrgEx(canvas.dc(), c.origin.x, c.origin.y, nullptr);
        EXPECT_EQ(c.image->Draw(canvas.dc(), &c.destination, c.source), S_OK) << c.name;
        SetViewportOrgEx(canvas.dc(), 0, 0, nullptr);
        RECT ink = canvas.Ink();
        EXPECT_TRUE(EqualRect(&ink, &c.ink))
            << c.name << ": " << ink.left << "," << ink.top << " " << ink.right << "," << ink.bottom;
        Colors pixels = canvas.Pixels();
        LONG area = (c.ink.right - c.ink.left) * (c.ink.bottom - c.ink.top);
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), c.colour), area) << c.name;
    }
    // Empty rectangles (a source within one pixel rounds to none) and bad DCs draw nothing.
    Canvas canvas(4, 4, kGray);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    const RECT all = {0, 0, 4, 4}, inverted = {4, 4, 0, 0}, insideOnePixel = {0, 0, 10, 10};
    const std::vector<HRESULT> results = {
        dot->Draw(canvas.dc(), &inverted, nullptr), dot->Draw(canvas.dc(), &all, &insideOnePixel),
        dot->Draw(canvas.dc(), nullptr, nullptr), dot->Draw(gone, &all, nullptr)};
    EXPECT_EQ(results, (std::vector<HRESULT>{E_INVALIDARG, E_INVALIDARG, E_POINTER, E_HANDLE}));
    EXPECT_EQ(canvas.Pixels(), Colors(16, kGray));
    for (IImage* image : {strip, square, dot}) image->Release();
}

// Draws pixels [at, at + size) of both axes as the wrapper's 1:1 draw asks for them; true when the
// canvas shows exactly the picture's pixels from `shown` (each a colour of its own).
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

TEST_F(DrawTest, OneToOneDrawsCopyEveryPixel)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < kSide; y++)
        for (int x = 0; x < kSide; x++) pixels.push_back(0xFF000080u | uint32_t(x * 6) << 16 | uint32_t(y * 6) << 8);
    // 72 to 3000 dpi, then one pixel a metre up to the most a PNG states (only the whole picture named).
    for (uint32_t pixelsPerMetre :
         {2835u, 3780u, 11811u, 50000u, 51181u, 94488u, 118110u, 1u, 100000000u, 2147483647u}) {
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
