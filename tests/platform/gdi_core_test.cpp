// The GDI core the window manager relies on: memory DCs, selection, fills, blits and pixels.
#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using GdiCoreTest = HostTest;

struct MemoryCanvas {
    MemoryCanvas(int width, int height)
    {
        // Compatible with the screen: a new memory DC holds a monochrome bitmap, and so would
        // a bitmap made compatible with it.
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
    }
    ~MemoryCanvas()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void Fill(const RECT& rect, COLORREF color)
    {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

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

TEST_F(GdiCoreTest, FillBlitAndPixelsRespectBoundsAndViewport)
{
    MemoryCanvas a(20, 20), b(20, 20);
    a.Fill(RECT{0, 0, 20, 20}, RGB(10, 20, 30));
    a.Fill(RECT{5, 5, 10, 10}, RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(a.dc, 5, 5), RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(a.dc, 10, 10), RGB(10, 20, 30)) << "right and bottom edges are exclusive";
    EXPECT_EQ(GetPixel(a.dc, 20, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(a.dc, -1, 0), CLR_INVALID);

    b.Fill(RECT{0, 0, 20, 20}, RGB(0, 0, 0));
    EXPECT_TRUE(BitBlt(b.dc, 0, 0, 10, 10, a.dc, 5, 5, SRCCOPY));
    EXPECT_EQ(GetPixel(b.dc, 0, 0), RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(b.dc, 5, 5), RGB(10, 20, 30));
    EXPECT_TRUE(BitBlt(b.dc, 0, 0, 40, 40, a.dc, 15, 15, SRCCOPY)) << "a source partly outside is clipped";
    EXPECT_EQ(GetPixel(b.dc, 4, 4), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(b.dc, 6, 6), RGB(10, 20, 30)) << "pixels beyond the source stay as they were";

    BitBlt(a.dc, 2, 2, 10, 10, a.dc, 0, 0, SRCCOPY);  // overlapping copy within one bitmap
    EXPECT_EQ(GetPixel(a.dc, 7, 7), RGB(200, 0, 0));

    SetViewportOrgEx(b.dc, 3, 4, nullptr);
    EXPECT_EQ(SetPixel(b.dc, 0, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
    SetViewportOrgEx(b.dc, 0, 0, nullptr);
    EXPECT_EQ(GetPixel(b.dc, 3, 4), RGB(1, 2, 3));

    RECT one = {3, 4, 4, 5};
    EXPECT_TRUE(InvertRect(b.dc, &one));
    EXPECT_EQ(GetPixel(b.dc, 3, 4), RGB(254, 253, 252));
}

TEST_F(GdiCoreTest, ClipRectanglesLimitDrawing)
{
    MemoryCanvas a(10, 10);
    a.Fill(RECT{0, 0, 10, 10}, RGB(0, 0, 0));
    EXPECT_EQ(IntersectClipRect(a.dc, 2, 2, 5, 5), SIMPLEREGION);
    a.Fill(RECT{0, 0, 10, 10}, RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(a.dc, 2, 2), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(a.dc, 5, 5), RGB(0, 0, 0));
    RECT box;
    EXPECT_EQ(GetClipBox(a.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right, 5);
    SelectClipRgn(a.dc, nullptr);
    a.Fill(RECT{0, 0, 10, 10}, RGB(9, 9, 9));
    EXPECT_EQ(GetPixel(a.dc, 9, 9), RGB(9, 9, 9));
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
