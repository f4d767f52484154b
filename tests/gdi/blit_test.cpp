// A new compatible bitmap is black wherever its first drawings leave it: the clear skipped under
// opaque fills and copies must still happen wherever they spare a pixel.
#include "support/canvas.h"
#include "support/host_fixture.h"

namespace {

using BlitTest = HostTest;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0);

TEST_F(BlitTest, NewBitmapIsBlackWhereItsFirstDrawingLeavesIt)
{
    Canvas source(4, 1, kRed);
    HBRUSH red = CreateSolidBrush(kRed);
    const struct Case {
        const char* name;
        void (*draw)(HDC target, HDC source, HBRUSH red);
        Colors expected;
    } cases[] = {
        {"fill of all", [](HDC dc, HDC, HBRUSH b) { RECT r = {0, 0, 4, 1}; FillRect(dc, &r, b); },
         {kRed, kRed, kRed, kRed}},
        {"fill of a part", [](HDC dc, HDC, HBRUSH b) { RECT r = {0, 0, 3, 1}; FillRect(dc, &r, b); },
         {kRed, kRed, kRed, kBlack}},
        {"fill of all shifted by the viewport",
         [](HDC dc, HDC, HBRUSH b) {
             SetViewportOrgEx(dc, 1, 0, nullptr);
             RECT r = {0, 0, 4, 1};
             FillRect(dc, &r, b);
             SetViewportOrgEx(dc, 0, 0, nullptr);
         },
         {kBlack, kRed, kRed, kRed}},
        {"fill of all through a clip",
         [](HDC dc, HDC, HBRUSH b) {
             HRGN clip = CreateRectRgn(1, 0, 4, 1);
             SelectClipRgn(dc, clip);
             DeleteObject(clip);
             RECT r = {0, 0, 4, 1};
             FillRect(dc, &r, b);
             SelectClipRgn(dc, nullptr);
         },
         {kBlack, kRed, kRed, kRed}},
        {"copy of all", [](HDC dc, HDC s, HBRUSH) { BitBlt(dc, 0, 0, 4, 1, s, 0, 0, SRCCOPY); },
         {kRed, kRed, kRed, kRed}},
        {"copy reaching past the source", [](HDC dc, HDC s, HBRUSH) { BitBlt(dc, 0, 0, 4, 1, s, 2, 0, SRCCOPY); },
         {kRed, kRed, kBlack, kBlack}},
        {"two stretched halves, mirrored",
         [](HDC dc, HDC s, HBRUSH) {
             StretchBlt(dc, 2, 0, -2, 1, s, 0, 0, 1, 1, SRCCOPY);
             StretchBlt(dc, 2, 0, 2, 1, s, 0, 0, 4, 1, SRCCOPY);
         },
         {kRed, kRed, kRed, kRed}},
        {"a stretch, then a fill that reads nothing", [](HDC dc, HDC s, HBRUSH b) {
             StretchBlt(dc, 1, 0, 2, 1, s, 0, 0, 1, 1, SRCCOPY);
             RECT r = {2, 0, 3, 1};
             FillRect(dc, &r, b);
         },
         {kBlack, kRed, kRed, kBlack}},
    };
    for (const Case& c : cases) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 1);
        HGDIOBJ old = SelectObject(dc, bitmap);
        c.draw(dc, source.dc(), red);
        Colors row;
        for (int x = 0; x < 4; x++) row.push_back(GetPixel(dc, x, 0));
        EXPECT_EQ(row, c.expected) << c.name;
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    DeleteObject(red);
}

}  // namespace
