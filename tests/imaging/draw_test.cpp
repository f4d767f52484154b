// IImage::Draw: HIMETRIC source rectangles as the controls' wrapper gives them, scaling and clipping.
#include <algorithm>

#include "imaging/pictures.h"

namespace {

constexpr COLORREF kGray = RGB(50, 50, 50);

using DrawTest = ImagingTest;

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
    // Empty rectangles (a source within one pixel rounds to none) draw nothing.
    Canvas canvas(4, 4, kGray);
    const RECT all = {0, 0, 4, 4}, inverted = {4, 4, 0, 0}, insideOnePixel = {0, 0, 10, 10};
    const std::vector<HRESULT> results = {dot->Draw(canvas.dc(), &inverted, nullptr),
                                          dot->Draw(canvas.dc(), &all, &insideOnePixel)};
    EXPECT_EQ(results, (std::vector<HRESULT>{E_INVALIDARG, E_INVALIDARG}));
    EXPECT_EQ(canvas.Pixels(), Colors(16, kGray));
    for (IImage* image : {strip, square, dot}) image->Release();
}

// A picture that does not change along the axis it is stretched on keeps, in each row or column,
// the pixels it draws at 1:1: blended over the canvas, translucent or opaque, within the clip.
TEST_F(DrawTest, PictureFlatAlongTheStretchedAxisKeepsItsOneToOnePixels)
{
    std::vector<uint32_t> translucentRows, opaqueColumns;
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 3; x++) {
            translucentRows.push_back(uint32_t(0x40 + 0x50 * y) << 24 | 0xC08040u >> (4 * y));
            opaqueColumns.push_back(0xFF000000u | uint32_t(0x30 * (x + 1)) << 8);
        }
    IImage* flatAlongX = Load(RgbaPng(3, 3, translucentRows));
    IImage* flatAlongY = Load(RgbaPng(3, 3, opaqueColumns));
    ASSERT_TRUE(flatAlongX && flatAlongY);
    constexpr int kLong = 40, kClipped = 30;
    const struct {
        IImage* image;
        RECT stretched;
        bool alongX;
    } cases[] = {{flatAlongX, {0, 0, kLong, 3}, true}, {flatAlongY, {0, 0, 3, kLong}, false}};
    for (const auto& c : cases) {
        const Colors oneToOne = Render(c.image, kGray);
        Canvas canvas(kLong, kLong, kGray);
        IntersectClipRect(canvas.dc(), 0, 0, kClipped, kClipped);
        EXPECT_EQ(c.image->Draw(canvas.dc(), &c.stretched, nullptr), S_OK);
        for (int along = 0; along < kLong; along++)
            for (int across = 0; across < 3; across++) {
                const COLORREF expected = along >= kClipped ? kGray : oneToOne[c.alongX ? across * 3 : across];
                EXPECT_EQ(c.alongX ? canvas.At(along, across) : canvas.At(across, along), expected)
                    << (c.alongX ? "rows " : "columns ") << along << "," << across;
            }
    }
    for (IImage* image : {flatAlongX, flatAlongY}) image->Release();
}

// A scaled picture drawn again with the same plan keeps its pixels; another of the same size drawn
// alike after it is gone (perhaps in its memory) draws its own: the first's with red and blue swapped.
TEST_F(DrawTest, RepeatedScaledDrawsKeepTheirPixelsAndThePicturesOwn)
{
    std::vector<uint32_t> argb, swapped;
    for (uint32_t i = 0; i < 24; i++) {
        const uint32_t alpha = 0x30 + 0x08 * i, red = 0xF0 - 0x0A * i, blue = (0x25 * i) & 0xFF;
        argb.push_back(alpha << 24 | red << 16 | 0x8000 | blue);
        swapped.push_back(alpha << 24 | blue << 16 | 0x8000 | red);
    }
    const RECT stretched = {3, 2, 43, 22};
    auto drawn = [&](IImage* image) {
        Canvas canvas(48, 24, kGray);
        EXPECT_EQ(image->Draw(canvas.dc(), &stretched, nullptr), S_OK);
        return canvas.Pixels();
    };
    IImage* first = Load(RgbaPng(6, 4, argb));
    ASSERT_TRUE(first);
    const Colors once = drawn(first);
    for (int draw = 2; draw <= 3; draw++) EXPECT_EQ(drawn(first), once) << "draw " << draw;
    first->Release();
    Colors expected;
    for (COLORREF c : once) expected.push_back(RGB(GetBValue(c), GetGValue(c), GetRValue(c)));
    IImage* second = Load(RgbaPng(6, 4, swapped));
    ASSERT_TRUE(second);
    for (int draw = 1; draw <= 3; draw++) EXPECT_EQ(drawn(second), expected) << "second picture, draw " << draw;
    second->Release();
}

}  // namespace
