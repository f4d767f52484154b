// Lines and rectangles: end points, pens, brushes, inversion, viewport and clip.
#include "support/canvas.h"
#include "support/host_fixture.h"

namespace {

using LinesTest = HostTest;
using Rows = std::vector<std::string>;

constexpr COLORREF kGrey = RGB(9, 9, 9), kInk = RGB(0, 0, 0), kRed = RGB(255, 0, 0);

// Canvas rows as text: '#' for ink, 'o' for red, '.' for anything else.
Rows Picture(const Canvas& canvas, int width, int height)
{
    Rows rows;
    for (int y = 0; y < height; y++) {
        std::string row;
        for (COLORREF c : canvas.Row(y, 0, width)) row += c == kInk ? '#' : c == kRed ? 'o' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST_F(LinesTest, LinesLeaveOutTheirEndPointAndMoveTheCurrentPosition)
{
    Canvas canvas(8, 7, kGrey);
    HDC dc = canvas.dc();
    MoveToEx(dc, 1, 0, nullptr);
    EXPECT_TRUE(LineTo(dc, 5, 0));
    EXPECT_TRUE(LineTo(dc, 5, 3));  // from where the last one ended
    MoveToEx(dc, 4, 6, nullptr);
    LineTo(dc, 0, 6);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 2, 3);
    MoveToEx(dc, 1, 4, nullptr);
    LineTo(dc, 7, 6);  // shallow: one pixel per column, nearest the true line
    POINT position;
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position.x, 7);
    EXPECT_EQ(position.y, 6);
    POINT points[] = {{7, 0}, {7, 2}, {6, 2}};
    EXPECT_TRUE(Polyline(dc, points, 3));
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position.x, 0) << "Polyline leaves the position alone";
    EXPECT_EQ(Picture(canvas, 8, 7), (Rows{".#####.#", "#....#.#", ".#...#.#", "........", ".##.....", "...###..",
                                           ".####.#."}));
}

TEST_F(LinesTest, RectangleOutlinesWithThePenAndFillsWithTheBrushFrameRectWithTheBrush)
{
    Canvas canvas(12, 4, kGrey);
    HDC dc = canvas.dc();
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ oldBrush = SelectObject(dc, red);
    EXPECT_TRUE(Rectangle(dc, 4, 4, 0, 0));  // corners in either order
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    EXPECT_TRUE(Rectangle(dc, 4, 0, 8, 4));  // without a pen: a pixel short on the right and bottom
    RECT frame = {8, 0, 12, 4};
    EXPECT_EQ(FrameRect(dc, &frame, red), 1);
    EXPECT_EQ(Picture(canvas, 12, 4), (Rows{"####ooo.oooo", "#oo#ooo.o..o", "#oo#ooo.o..o", "####....oooo"}));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(red);
    EXPECT_EQ(FrameRect(dc, &frame, red), 0) << "stale brush";
    EXPECT_EQ(FrameRect(dc, nullptr, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
}

TEST_F(LinesTest, ViewportOriginAndClipApplyToLinesShapesAndInversion)
{
    constexpr COLORREF kLeaf = RGB(10, 200, 30);
    Canvas canvas(8, 5, kLeaf);
    HDC dc = canvas.dc();
    SetViewportOrgEx(dc, 2, 1, nullptr);
    IntersectClipRect(dc, 0, 0, 3, 3);  // image columns 2..4, rows 1..3
    MoveToEx(dc, -2, 0, nullptr);
    EXPECT_TRUE(LineTo(dc, 6, 0));
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(dc, red);
    EXPECT_TRUE(Rectangle(dc, -2, 1, 6, 5));
    SelectObject(dc, old);
    DeleteObject(red);
    RECT all = {-2, -1, 6, 4};
    EXPECT_TRUE(InvertRect(dc, &all));
    EXPECT_FALSE(InvertRect(dc, nullptr));
    SetViewportOrgEx(dc, 0, 0, nullptr);
    const COLORREF white = RGB(255, 255, 255), cyan = RGB(0, 255, 255);  // inverted ink and fill
    EXPECT_EQ(canvas.Row(1, 0, 6), (Colors{kLeaf, kLeaf, white, white, white, kLeaf}));
    EXPECT_EQ(canvas.Row(3, 0, 6), (Colors{kLeaf, kLeaf, cyan, cyan, cyan, kLeaf}));
    EXPECT_EQ(canvas.Row(4, 0, 6), Colors(6, kLeaf));
}

TEST_F(LinesTest, StraightLinesOfWideAndDashedPensInEitherDirection)
{
    Canvas canvas(26, 9, kGrey);
    HDC dc = canvas.dc();
    HPEN wide = CreatePen(PS_SOLID, 3, kInk), dashed = CreatePen(PS_DASH, 1, kRed);
    HGDIOBJ old = SelectObject(dc, wide);
    MoveToEx(dc, 4, 1, nullptr);
    LineTo(dc, 1, 1);  // leftwards: squares centred on x 4, 3, 2
    MoveToEx(dc, 25, 1, nullptr);
    LineTo(dc, 25, 4);  // downwards, cut by the canvas's right edge
    IntersectClipRect(dc, 0, 0, 26, 6);
    MoveToEx(dc, 12, 7, nullptr);
    LineTo(dc, 12, 3);  // upwards, its lower end clipped away
    SelectClipRgn(dc, nullptr);
    SelectObject(dc, dashed);
    MoveToEx(dc, 0, 8, nullptr);
    LineTo(dc, 26, 8);  // 18 on, 6 off (background colour, opaque mode), on again
    SelectObject(dc, old);
    DeleteObject(wide);
    DeleteObject(dashed);
    EXPECT_EQ(Picture(canvas, 26, 9), (Rows{
                                          ".#####..................##",
                                          ".#####..................##",
                                          ".#####..................##",
                                          "...........###..........##",
                                          "...........###..........##",
                                          "...........###............",
                                          "..........................",
                                          "..........................",
                                          "oooooooooooooooooo......oo",
                                      }));
}

TEST_F(LinesTest, NullPensBadHandlesAndFarCoordinates)
{
    Canvas canvas(4, 4, kGrey);
    HDC dc = canvas.dc();
    HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    EXPECT_TRUE(LineTo(dc, 3, 0));
    SelectObject(dc, old);
    EXPECT_EQ(canvas.Row(0, 0, 4), Colors(4, kGrey));

    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_FALSE(MoveToEx(stale, 0, 0, nullptr));
    EXPECT_FALSE(LineTo(stale, 1, 1));
    EXPECT_FALSE(Rectangle(stale, 0, 0, 2, 2));
    EXPECT_FALSE(Polyline(dc, nullptr, 2));
    MoveToEx(dc, 0, 0, nullptr);
    EXPECT_FALSE(LineTo(dc, 2000000000, 0));
    EXPECT_FALSE(Rectangle(dc, -2000000000, 0, 2, 2));
    // A long line across the canvas is drawn without walking its whole length.
    EXPECT_TRUE(LineTo(dc, 100000000, 100000000));
    EXPECT_EQ(Picture(canvas, 4, 4), (Rows{"#...", ".#..", "..#.", "...#"}));
}

}  // namespace
