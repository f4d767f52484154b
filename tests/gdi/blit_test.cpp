// A new compatible bitmap is black wherever its first drawings leave it: the clear skipped under
// opaque fills and copies must still happen wherever they spare a pixel.
#include "support/canvas.h"
#include "support/host_fixture.h"

namespace {

using BlitTest = HostTest;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0);

// Fills [left, right) of the row with red.
void FillRed(HDC dc, int left, int right)
{
    HBRUSH red = CreateSolidBrush(kRed);
    RECT r = {left, 0, right, 1};
    FillRect(dc, &r, red);
    DeleteObject(red);
}

TEST_F(BlitTest, NewBitmapIsBlackWhereItsFirstDrawingLeavesIt)
{
    Canvas source(4, 1, kRed);
    const struct Case {
        const char* name;
        void (*draw)(HDC target, HDC source);
        Colors expected;
    } cases[] = {
        {"fill of all", [](HDC dc, HDC) { FillRed(dc, 0, 4); }, {kRed, kRed, kRed, kRed}},
        {"fill of a part", [](HDC dc, HDC) { FillRed(dc, 0, 3); }, {kRed, kRed, kRed, kBlack}},
        {"fill of all shifted by the viewport",
         [](HDC dc, HDC) { SetViewportOrgEx(dc, 1, 0, nullptr), FillRed(dc, 0, 4), SetViewportOrgEx(dc, 0, 0, nullptr); },
         {kBlack, kRed, kRed, kRed}},
        {"fill of all through a clip",
         [](HDC dc, HDC) { IntersectClipRect(dc, 1, 0, 4, 1), FillRed(dc, 0, 4), SelectClipRgn(dc, nullptr); },
         {kBlack, kRed, kRed, kRed}},
        {"copy of all", [](HDC dc, HDC s) { BitBlt(dc, 0, 0, 4, 1, s, 0, 0, SRCCOPY); }, {kRed, kRed, kRed, kRed}},
        {"copy reaching past the source", [](HDC dc, HDC s) { BitBlt(dc, 0, 0, 4, 1, s, 2, 0, SRCCOPY); },
         {kRed, kRed, kBlack, kBlack}},
        {"two stretched halves, mirrored",
         [](HDC dc, HDC s) { StretchBlt(dc, 2, 0, -2, 1, s, 0, 0, 1, 1, SRCCOPY), StretchBlt(dc, 2, 0, 2, 1, s, 0, 0, 4, 1, SRCCOPY); },
         {kRed, kRed, kRed, kRed}},
        {"a stretch, then a fill that reads nothing",
         [](HDC dc, HDC s) { StretchBlt(dc, 1, 0, 2, 1, s, 0, 0, 1, 1, SRCCOPY), FillRed(dc, 2, 3); },
         {kBlack, kRed, kRed, kBlack}},
    };
    for (const Case& c : cases) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 1);
        HGDIOBJ old = SelectObject(dc, bitmap);
        c.draw(dc, source.dc());
        EXPECT_EQ((Colors{GetPixel(dc, 0, 0), GetPixel(dc, 1, 0), GetPixel(dc, 2, 0), GetPixel(dc, 3, 0)}), c.expected) << c.name;
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
}

}  // namespace
