// IImage::Draw: HIMETRIC source rectangles, alpha compositing, scaling and clipping.
#include "imaging/pictures.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kGray = RGB(50, 50, 50);

class DrawTest : public ImagingTest {
protected:
    // Three 106-pixel cells, red, green and blue, 4 pixels high.
    IImage* Strip(uint32_t pixelsPerMetre = 0)
    {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 4; y++)
            for (int x = 0; x < 318; x++) pixels.push_back(x < 106 ? 0xFFFF0000 : x < 212 ? 0xFF00FF00 : 0xFF0000FF);
        return Load(RgbaPng(318, 4, pixels, pixelsPerMetre));
    }

    // The source rectangle the controls' wrapper asks for when it draws pixels (x, y, w, h).
    static RECT Source(IImage* image, int x, int y, int width, int height)
    {
        ImageInfo info = {};
        EXPECT_EQ(image->GetImageInfo(&info), S_OK);
        return Rect(ToHimetric(x, info.Xdpi), ToHimetric(y, info.Ydpi), ToHimetric(x + width, info.Xdpi),
                    ToHimetric(y + height, info.Ydpi));
    }

    static int CountOf(const Canvas& canvas, int width, int height, COLORREF color)
    {
        int count = 0;
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++) count += canvas.At(x, y) == color;
        return count;
    }
};

TEST_F(DrawTest, HalfTransparentRedOverBlue)
{
    IImage* image = Load(RgbaPng(3, 1, {0x80FF0000, 0x00FF0000, 0xFFFF0000}));
    ASSERT_NE(image, nullptr);
    Canvas canvas(3, 1, kBlue);
    RECT destination = Rect(0, 0, 3, 1);
    EXPECT_EQ(image->Draw(canvas.dc(), &destination, nullptr), S_OK);
    EXPECT_EQ(canvas.At(0, 0), RGB(128, 0, 127));
    EXPECT_EQ(canvas.At(1, 0), kBlue);
    EXPECT_EQ(canvas.At(2, 0), kRed);
    image->Release();
}

TEST_F(DrawTest, HimetricSourceSelectsOneCellOfAStrip)
{
    EXPECT_EQ(ToHimetric(106, 96.0), 2804);
    EXPECT_EQ(ToHimetric(212, 96.0), 5609);
    for (uint32_t pixelsPerMetre : {0u, 2835u}) {  // 96 dpi, then 72
        IImage* image = Strip(pixelsPerMetre);
        ASSERT_NE(image, nullptr);
        Canvas canvas(106, 4, kGray);
        RECT destination = Rect(0, 0, 106, 4);
        RECT source = Source(image, 106, 0, 106, 4);
        EXPECT_EQ(image->Draw(canvas.dc(), &destination, &source), S_OK);
        EXPECT_EQ(CountOf(canvas, 106, 4, kGreen), 106 * 4) << pixelsPerMetre;
        image->Release();
    }
}

TEST_F(DrawTest, StretchedCellKeepsItsNeighboursOut)
{
    IImage* image = Strip();
    ASSERT_NE(image, nullptr);
    Canvas canvas(212, 8, kGray);
    RECT destination = Rect(0, 0, 212, 8);
    RECT source = Source(image, 106, 0, 106, 4);
    EXPECT_EQ(image->Draw(canvas.dc(), &destination, &source), S_OK);
    EXPECT_EQ(CountOf(canvas, 212, 8, kGreen), 212 * 8);
    image->Release();
}

TEST_F(DrawTest, ScalingIsBilinear)
{
    IImage* image = Load(RgbaPng(2, 1, {0xFF000000, 0xFFFFFFFF}));
    ASSERT_NE(image, nullptr);
    Canvas wide(4, 1, kGray);
    RECT destination = Rect(0, 0, 4, 1);
    EXPECT_EQ(image->Draw(wide.dc(), &destination, nullptr), S_OK);
    EXPECT_EQ(wide.At(0, 0), RGB(0, 0, 0));
    EXPECT_NEAR(GetRValue(wide.At(1, 0)), 64, 1);
    EXPECT_NEAR(GetRValue(wide.At(2, 0)), 191, 1);
    EXPECT_EQ(wide.At(3, 0), RGB(255, 255, 255));

    Canvas narrow(1, 1, kGray);
    destination = Rect(0, 0, 1, 1);
    EXPECT_EQ(image->Draw(narrow.dc(), &destination, nullptr), S_OK);
    EXPECT_NEAR(GetGValue(narrow.At(0, 0)), 128, 1);
    image->Release();
}

TEST_F(DrawTest, SourceBeyondThePictureKeepsTheScale)
{
    IImage* image = Load(RgbaPng(10, 10, std::vector<uint32_t>(100, 0xFFFF0000)));
    ASSERT_NE(image, nullptr);
    Canvas canvas(40, 40, kGray);
    RECT destination = Rect(0, 0, 40, 40);
    RECT source = Source(image, 0, 0, 20, 20);  // twice the picture, drawn at twice its size
    EXPECT_EQ(image->Draw(canvas.dc(), &destination, &source), S_OK);
    EXPECT_EQ(canvas.At(19, 19), kRed);
    EXPECT_EQ(canvas.At(20, 5), kGray);
    EXPECT_EQ(canvas.At(5, 20), kGray);
    EXPECT_EQ(CountOf(canvas, 40, 40, kRed), 400);

    Canvas shifted(20, 1, kGray);
    destination = Rect(0, 0, 20, 1);
    source = Rect(-ToHimetric(10, 96.0), 0, ToHimetric(10, 96.0), ToHimetric(1, 96.0));
    EXPECT_EQ(image->Draw(shifted.dc(), &destination, &source), S_OK);
    EXPECT_EQ(shifted.At(9, 0), kGray);
    EXPECT_EQ(shifted.At(10, 0), kRed);
    EXPECT_EQ(shifted.At(19, 0), kRed);
    image->Release();
}

TEST_F(DrawTest, DestinationIsClippedAndFollowsTheOrigin)
{
    IImage* image = Load(RgbaPng(1, 1, {0xFFFF0000}));
    ASSERT_NE(image, nullptr);
    Canvas canvas(10, 10, kGray);
    RECT offCanvas = Rect(-5, -5, 5, 5);
    EXPECT_EQ(image->Draw(canvas.dc(), &offCanvas, nullptr), S_OK);
    EXPECT_EQ(CountOf(canvas, 10, 10, kRed), 25);

    Canvas clipped(10, 10, kGray);
    IntersectClipRect(clipped.dc(), 2, 2, 4, 4);
    RECT all = Rect(0, 0, 10, 10);
    EXPECT_EQ(image->Draw(clipped.dc(), &all, nullptr), S_OK);
    EXPECT_EQ(CountOf(clipped, 10, 10, kRed), 4);
    EXPECT_EQ(clipped.At(2, 2), kRed);
    EXPECT_EQ(clipped.At(3, 3), kRed);

    Canvas moved(10, 1, kGray);
    SetViewportOrgEx(moved.dc(), 3, 0, nullptr);
    RECT two = Rect(0, 0, 2, 1);
    EXPECT_EQ(image->Draw(moved.dc(), &two, nullptr), S_OK);
    SetViewportOrgEx(moved.dc(), 0, 0, nullptr);
    EXPECT_EQ(CountOf(moved, 10, 1, kRed), 2);
    EXPECT_EQ(moved.At(3, 0), kRed);
    EXPECT_EQ(moved.At(4, 0), kRed);
    image->Release();
}

TEST_F(DrawTest, RefusesEmptyRectanglesAndBadDCs)
{
    IImage* image = Load(RgbaPng(1, 1, {0xFFFF0000}));
    ASSERT_NE(image, nullptr);
    Canvas canvas(4, 4, kGray);
    RECT empty = Rect(0, 0, 0, 4);
    RECT inverted = Rect(4, 4, 0, 0);
    RECT all = Rect(0, 0, 4, 4);
    RECT emptySource = Rect(0, 0, 0, 26);
    RECT insideOnePixel = Rect(0, 0, 10, 10);  // rounds to no pixel at all
    EXPECT_EQ(image->Draw(canvas.dc(), &empty, nullptr), E_INVALIDARG);
    EXPECT_EQ(image->Draw(canvas.dc(), &inverted, nullptr), E_INVALIDARG);
    EXPECT_EQ(image->Draw(canvas.dc(), &all, &emptySource), E_INVALIDARG);
    EXPECT_EQ(image->Draw(canvas.dc(), &all, &insideOnePixel), E_INVALIDARG);
    EXPECT_EQ(image->Draw(canvas.dc(), nullptr, nullptr), E_POINTER);
    EXPECT_TRUE(FAILED(image->Draw(nullptr, &all, nullptr)));
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_TRUE(FAILED(image->Draw(gone, &all, nullptr)));
    EXPECT_EQ(CountOf(canvas, 4, 4, kGray), 16);
    image->Release();
}

}  // namespace
