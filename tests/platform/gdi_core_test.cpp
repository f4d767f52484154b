// The GDI core the window manager relies on: memory DCs, selection, fills, blits and pixels.
#include "support/canvas.h"
#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using GdiCoreTest = HostTest;

TEST_F(GdiCoreTest, SelectObjectReturnsWhatItDisplacedAndSelectedObjectsAreNotDeleted)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ stockBitmap = SelectObject(dc, bitmap);
    EXPECT_NE(stockBitmap, nullptr);
    EXPECT_EQ(GetObjectType(stockBitmap), DWORD(OBJ_BITMAP));
    EXPECT_FALSE(DeleteObject(bitmap)) << "still selected";
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(other, bitmap), nullptr) << "a bitmap lives in one DC at a time";
    EXPECT_EQ(SelectObject(dc, stockBitmap), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap)) << "stale";

    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    EXPECT_EQ(oldBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, oldBrush), brush);
    DeleteObject(brush);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH))) << "stock objects ignore deletion";
    EXPECT_NE(GetStockObject(BLACK_BRUSH), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);
    DeleteDC(other);
    DeleteDC(dc);
}

TEST_F(GdiCoreTest, FillBlitPixelsAndClipRespectBoundsAndViewport)
{
    constexpr COLORREF kDusk = RGB(10, 20, 30), kRed = RGB(200, 0, 0);
    Canvas a(20, 20, kDusk), b(20, 20, RGB(0, 0, 0));
    a.Fill(kRed, {5, 5, 10, 10});
    EXPECT_EQ(a.At(5, 5), kRed);
    EXPECT_EQ(a.At(10, 10), kDusk) << "right and bottom edges are exclusive";
    EXPECT_EQ(a.At(20, 0), CLR_INVALID);
    EXPECT_EQ(a.At(-1, 0), CLR_INVALID);

    EXPECT_TRUE(BitBlt(b.dc(), 0, 0, 10, 10, a.dc(), 5, 5, SRCCOPY));
    EXPECT_EQ(b.Row(0, 0, 6), (Colors{kRed, kRed, kRed, kRed, kRed, kDusk}));
    EXPECT_TRUE(BitBlt(b.dc(), 0, 0, 40, 40, a.dc(), 15, 15, SRCCOPY)) << "a source partly outside is clipped";
    EXPECT_EQ(b.Row(4, 4, 7), (Colors{kDusk, kDusk, kDusk})) << "pixels beyond the source stay as they were";
    BitBlt(a.dc(), 2, 2, 10, 10, a.dc(), 0, 0, SRCCOPY);  // overlapping copy within one bitmap
    EXPECT_EQ(a.At(7, 7), kRed);

    SetViewportOrgEx(b.dc(), 3, 4, nullptr);
    EXPECT_EQ(SetPixel(b.dc(), 0, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
    SetViewportOrgEx(b.dc(), 0, 0, nullptr);
    RECT one = {3, 4, 4, 5};
    EXPECT_TRUE(InvertRect(b.dc(), &one));
    EXPECT_EQ(b.At(3, 4), RGB(254, 253, 252));

    EXPECT_EQ(IntersectClipRect(b.dc(), 2, 2, 5, 5), SIMPLEREGION);
    b.Fill(RGB(255, 255, 255));
    EXPECT_EQ(b.Row(4, 1, 6), (Colors{kDusk, RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), kDusk}));
    RECT box, clip = {2, 2, 5, 5};
    EXPECT_EQ(GetClipBox(b.dc(), &box), SIMPLEREGION);
    EXPECT_TRUE(EqualRect(&box, &clip));
    SelectClipRgn(b.dc(), nullptr);
    b.Fill(RGB(9, 9, 9));
    EXPECT_EQ(b.At(19, 19), RGB(9, 9, 9));
}

TEST_F(GdiCoreTest, WindowDcDrawsIntoTheWindowAndPaintDcOnlyIntoTheUpdateRegion)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 100, 100, 50, 50);
    SetHandler(main, [](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_ERASEBKGND) return true;
        if (m != WM_PAINT) return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(h, &paint);
        RECT all = {0, 0, 50, 50};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(h, &paint);
        return true;
    });
    wincore::Pump();
    HDC dc = GetDC(main);
    RECT all = {0, 0, 50, 50};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    ReleaseDC(main, dc);
    RECT part = {0, 0, 10, 10};
    InvalidateRect(main, &part, FALSE);
    wincore::Pump();
    EXPECT_EQ(wincore::ScreenPixel(105, 105), RGB(128, 128, 128));
    EXPECT_EQ(wincore::ScreenPixel(115, 115), RGB(0, 0, 0)) << "outside the update region";
    EXPECT_EQ(ReleaseDC(main, nullptr), 0);
}

TEST_F(GdiCoreTest, BadHandlesAndSizesFailSoftly)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, -5, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 100000, 100000), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 10, 10), nullptr);
    DeleteDC(dc);
    RECT rect = {0, 0, 1, 1};
    EXPECT_EQ(FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
}

TEST_F(GdiCoreTest, DeviceCapsDescribeTheScreen)
{
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 800);
    EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 480);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
}

}  // namespace
