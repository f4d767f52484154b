// IImage::Draw: HIMETRIC source rectangles, alpha compositing, scaling and clipping.
#include "imaging/pictures.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kGray = RGB(50, 50, 50);

using DrawTest = ImagingTest;

// Each draw goes to a grey canvas; what it paints must be exactly `ink`, all of one colour.
TEST_F(DrawTest, SourceDestinationClipAndOriginPlaceThePixels)
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
    const RECT twice = {0, 0, ToHimetric(20), ToHimetric(20)}, leftOfIt = {ToHimetric(-10), 0, ToHimetric(10), ToHimetric(1)};
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
        {"the second cell", strip, {106, 4}, {0, 0, 106, 4}, &cell, {0, 0, 106, 4}, kGreen, {}, {}},
        {"the second cell stretched", strip, {212, 8}, {0, 0, 212, 8}, &cell, {0, 0, 212, 8}, kGreen, {}, {}},
        {"a source twice the picture", square, {40, 40}, {0, 0, 40, 40}, &twice, {0, 0, 20, 20}, kRed, {}, {}},
        {"a source left of the picture", square, {20, 1}, {0, 0, 20, 1}, &leftOfIt, {10, 0, 20, 1}, kRed, {}, {}},
        {"a destination off the canvas", dot, {10, 10}, {-5, -5, 5, 5}, nullptr, {0, 0, 5, 5}, kRed, {}, {}},
        {"a clip", dot, {10, 10}, {0, 0, 10, 10}, nullptr, {2, 2, 4, 4}, kRed, {2, 2, 4, 4}, {}},
        {"a viewport origin", dot, {10, 1}, {0, 0, 2, 1}, nullptr, {3, 0, 5, 1}, kRed, {}, {3, 0}},
    };
    for (const auto& c : cases) {
        Canvas canvas(c.canvas.cx, c.canvas.cy, kGray);
        if (c.clip.right > c.clip.left) IntersectClipRect(canvas.dc(), c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
        SetViewportOrgEx(canvas.dc(), c.origin.x, c.origin.y, nullptr);
        EXPECT_EQ(c.image->Draw(canvas.dc(), &c.destination, c.source), S_OK) << c.name;
        SetViewportOrgEx(canvas.dc(), 0, 0, nullptr);
        RECT ink = canvas.Ink();
        EXPECT_TRUE(EqualRect(&ink, &c.ink)) << c.name << ": " << ink.left << "," << ink.top << " " << ink.right << "," << ink.bottom;
        Colors pixels = canvas.Pixels();
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), c.colour), (c.ink.right - c.ink.left) * (c.ink.bottom - c.ink.top))
            << c.name;
    }
    for (IImage* image : {strip, square, dot}) image->Release();
}

TEST_F(DrawTest, ScalingIsBilinear)
{
    IImage* image = Load(RgbaPng(2, 1, {0xFF000000, 0xFFFFFFFF}));
    ASSERT_NE(image, nullptr);
    Canvas wide(4, 1, kGray), narrow(1, 1, kGray);
    RECT four = {0, 0, 4, 1}, one = {0, 0, 1, 1};
    EXPECT_EQ(image->Draw(wide.dc(), &four, nullptr), S_OK);
    EXPECT_EQ(image->Draw(narrow.dc(), &one, nullptr), S_OK);
    const int expected[] = {0, 64, 191, 255};
    for (int x = 0; x < 4; x++) EXPECT_NEAR(GetRValue(wide.At(x, 0)), expected[x], 1) << x;
    EXPECT_NEAR(GetGValue(narrow.At(0, 0)), 128, 1);
    image->Release();
}

TEST_F(DrawTest, RefusesEmptyRectanglesAndBadDCs)
{
    IImage* image = Load(RgbaPng(1, 1, {0xFFFF0000}));
    ASSERT_NE(image, nullptr);
    Canvas canvas(4, 4, kGray);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    const RECT all = {0, 0, 4, 4}, empty = {0, 0, 0, 4}, inverted = {4, 4, 0, 0}, emptySource = {0, 0, 0, 26};
    const RECT insideOnePixel = {0, 0, 10, 10};  // rounds to no pixel at all
    const struct {
        HDC dc;
        const RECT* destination;
        const RECT* source;
        HRESULT result;
    } cases[] = {
        {canvas.dc(), &empty, nullptr, E_INVALIDARG},        {canvas.dc(), &inverted, nullptr, E_INVALIDARG},
        {canvas.dc(), &all, &emptySource, E_INVALIDARG},     {canvas.dc(), &all, &insideOnePixel, E_INVALIDARG},
        {canvas.dc(), nullptr, nullptr, E_POINTER},          {nullptr, &all, nullptr, E_HANDLE},
        {gone, &all, nullptr, E_HANDLE},
    };
    for (const auto& c : cases) EXPECT_EQ(image->Draw(c.dc, c.destination, c.source), c.result) << &c - cases;
    EXPECT_EQ(canvas.Pixels(), Colors(16, kGray));
    image->Release();
}

}  // namespace
