// The GDI core the window manager relies on: memory DCs, selection, fills, blits and pixels.
#include "support/owner_fixture.h"

namespace {

using GdiCoreTest = HostTest;

TEST_F(GdiCoreTest, SelectObjectReturnsWhatItDisplacedAndSelectedObjectsAreNotDeleted)
{
    HDC dc = CreateCompatibleDC(nullptr), other = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ stockBitmap = SelectObject(dc, bitmap);
    EXPECT_EQ(GetObjectType(stockBitmap), DWORD(OBJ_BITMAP));
    EXPECT_FALSE(DeleteObject(bitmap)) << "still selected";
    EXPECT_EQ(SelectObject(other, bitmap), nullptr) << "a bitmap lives in one DC at a time";
    EXPECT_EQ(SelectObject(dc, stockBitmap), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap)) << "stale";

    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), brush);
    DeleteObject(brush);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH))) << "stock objects ignore deletion";
    EXPECT_NE(GetStockObject(BLACK_BRUSH), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);
    DeleteDC(other);
    DeleteDC(dc);
}

// Right and bottom edges are exclusive and outside the bitmap there is no pixel; a source partly
// outside is clipped, pixels beyond it stay; an overlapping copy within one bitmap; InvertRect; the
// clip and its removal.
// The host's leak checks rest on this count: everything made counts until it is deleted.
TEST_F(GdiCoreTest, LiveGdiObjectsCountsWhatIsMadeUntilItIsDeleted)
{
    const int before = wincore::LiveGdiObjects();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(wincore::LiveGdiObjects(), before + 3);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(wincore::LiveGdiObjects(), before);
}

TEST_F(GdiCoreTest, FillBlitPixelsAndClipRespectBounds)
{
    constexpr COLORREF kDusk = RGB(10, 20, 30), kRed = RGB(200, 0, 0), kWhite = RGB(255, 255, 255);
    Canvas a(20, 20, kDusk), b(20, 20, RGB(0, 0, 0));
    a.Fill(kRed, {5, 5, 10, 10});
    EXPECT_EQ((Colors{a.At(5, 5), a.At(10, 10), a.At(20, 0), a.At(-1, 0)}), (Colors{kRed, kDusk, CLR_INVALID, CLR_INVALID}));
    EXPECT_TRUE(BitBlt(b.dc(), 0, 0, 10, 10, a.dc(), 5, 5, SRCCOPY));
    EXPECT_EQ(b.Row(0, 0, 6), (Colors{kRed, kRed, kRed, kRed, kRed, kDusk}));
    EXPECT_TRUE(BitBlt(b.dc(), 0, 0, 40, 40, a.dc(), 15, 15, SRCCOPY));
    EXPECT_EQ(b.Row(4, 4, 7), (Colors{kDusk, kDusk, kDusk}));
    BitBlt(a.dc(), 2, 2, 10, 10, a.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(a.At(7, 7), kRed);

    EXPECT_EQ(SetPixel(b.dc(), 3, 4, RGB(1, 2, 3)), RGB(1, 2, 3));
    RECT one = {3, 4, 4, 5};
    EXPECT_TRUE(InvertRect(b.dc(), &one));
    EXPECT_EQ(b.At(3, 4), RGB(254, 253, 252));
    EXPECT_EQ(IntersectClipRect(b.dc(), 2, 2, 5, 5), SIMPLEREGION);
    b.Fill(kWhite);
    EXPECT_EQ(b.Row(4, 1, 6), (Colors{kDusk, kWhite, kWhite, kWhite, kDusk}));
    SelectClipRgn(b.dc(), nullptr);
    b.Fill(RGB(9, 9, 9));
    EXPECT_EQ(b.At(19, 19), RGB(9, 9, 9));
}

// Also what the screen's DC reports.
TEST_F(GdiCoreTest, WindowDcDrawsIntoTheWindowAndPaintDcOnlyIntoTheUpdateRegion)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 100, 100, 50, 50);
    SetHandler(main, [](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m != WM_PAINT) return m == WM_ERASEBKGND;
        PAINTSTRUCT paint;
        Fill(BeginPaint(h, &paint), {0, 0, 50, 50}, RGB(128, 128, 128));
        EndPaint(h, &paint);
        return true;
    });
    wincore::Pump();
    HDC dc = GetDC(main);
    Fill(dc, {0, 0, 50, 50}, RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    ReleaseDC(main, dc);
    RECT part = {0, 0, 10, 10};
    InvalidateRect(main, &part, FALSE);
    wincore::Pump();
    // Inside and outside the update region.
    EXPECT_EQ((Colors{wincore::ScreenPixel(105, 105), wincore::ScreenPixel(115, 115)}),
              (Colors{RGB(128, 128, 128), RGB(0, 0, 0)}));
    EXPECT_EQ(ReleaseDC(main, nullptr), 0);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ((std::vector<int>{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES),
                                GetDeviceCaps(screen, BITSPIXEL), GetSystemMetrics(SM_CXSCREEN)}),
              (std::vector<int>{96, 800, 480, 32, 800}));
    ReleaseDC(nullptr, screen);
}

TEST_F(GdiCoreTest, BadHandlesAndSizesFailSoftly)
{
    HDC dc = CreateCompatibleDC(nullptr);
    for (SIZE size : {SIZE{-5, 10}, SIZE{100000, 100000}})
        EXPECT_EQ(CreateCompatibleBitmap(dc, size.cx, size.cy), nullptr) << size.cx;
    DeleteDC(dc);
    RECT rect = {0, 0, 1, 1};
    const std::vector<LONG_PTR> results = {FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))),
                                           BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY), LONG_PTR(SelectObject(dc, GetStockObject(BLACK_PEN))),
                                           DeleteDC(dc)};
    EXPECT_EQ(results, std::vector<LONG_PTR>(results.size(), 0));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
}

}  // namespace
