// Lines and rectangles: end points, pens, brushes, inversion, viewport and clip.
#include "gdi/canvas.h"

namespace {

using LinesTest = HostTest;
using Colors = std::vector<COLORREF>;

constexpr COLORREF kGrey = RGB(9, 9, 9);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Canvas rows as text: '#' where the pixel is `ink`, 'o' where `fill`, '.' elsewhere.
std::vector<std::string> Picture(const Canvas& canvas, int width, int height, COLORREF ink = kInk,
                                 COLORREF fill = kRed)
{
    std::vector<std::string> rows;
    for (int y = 0; y < height; y++) {
        std::string row;
        for (COLORREF c : canvas.Row(y, 0, width)) row += c == ink ? '#' : c == fill ? 'o' : '.';
        rows.push_back(row);
    }
    return rows;
}

using Rows = std::vector<std::string>;

TEST_F(LinesTest, LinesLeaveOutTheirEndPointAndMoveTheCurrentPosition)
{
    Canvas canvas(7, 7, kGrey);
    HDC dc = canvas.dc();
    POINT previous = {-1, -1};
    EXPECT_TRUE(MoveToEx(dc, 1, 0, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_TRUE(LineTo(dc, 5, 0));  // rightwards
    EXPECT_TRUE(LineTo(dc, 5, 4));  // downwards, from where the last one ended
    MoveToEx(dc, 4, 6, nullptr);
    EXPECT_TRUE(LineTo(dc, 0, 6));  // leftwards
    MoveToEx(dc, 0, 1, nullptr);
    EXPECT_TRUE(LineTo(dc, 3, 4));  // diagonal
    MoveToEx(dc, 0, 0, &previous);
    EXPECT_EQ(previous.x, 3);
    EXPECT_EQ(previous.y, 4);
    EXPECT_EQ(Picture(canvas, 7, 7), (Rows{
                                         ".#####.",
                                         "#....#.",
                                         ".#...#.",
                                         "..#..#.",
                                         ".......",
                                         ".......",
                                         ".####..",
                                     }));
}

TEST_F(LinesTest, ShallowLinesTakeOnePixelPerColumnNearestTheTrueLine)
{
    Canvas canvas(8, 3, kGrey);
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 6, 2);
    EXPECT_EQ(Picture(canvas, 8, 3), (Rows{
                                         "##......",
                                         "..###...",
                                         ".....#..",
                                     }));
}

TEST_F(LinesTest, PolylineDrawsEverySegmentButTheLastPointAndKeepsThePosition)
{
    Canvas canvas(6, 6, kGrey);
    HDC dc = canvas.dc();
    MoveToEx(dc, 5, 5, nullptr);
    POINT points[] = {{1, 1}, {4, 1}, {4, 4}};
    EXPECT_TRUE(Polyline(dc, points, 3));
    EXPECT_EQ(Picture(canvas, 6, 6), (Rows{
                                         "......",
                                         ".####.",
                                         "....#.",
                                         "....#.",
                                         "......",
                                         "......",
                                     }));
    POINT position;
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position.x, 5);
    EXPECT_FALSE(Polyline(dc, points, 1));
    EXPECT_FALSE(Polyline(dc, nullptr, 3));
}

TEST_F(LinesTest, PensNullWideAndDashed)
{
    Canvas canvas(30, 5, kGrey);
    HDC dc = canvas.dc();
    HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    EXPECT_TRUE(LineTo(dc, 30, 0));
    EXPECT_EQ(canvas.Row(0, 0, 30), Colors(30, kGrey));

    HPEN wide = CreatePen(PS_SOLID, 3, kRed);
    SelectObject(dc, wide);
    MoveToEx(dc, 1, 2, nullptr);
    LineTo(dc, 5, 2);
    EXPECT_EQ(Picture(canvas, 7, 5), (Rows{".......", "oooooo.", "oooooo.", "oooooo.", "......."}))
        << "squares centred on the path";

    HPEN dashed = CreatePen(PS_DASH, 1, kInk);
    SelectObject(dc, dashed);
    canvas.Fill(kGrey);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 30, 0);
    Colors row = canvas.Row(0, 0, 30);
    EXPECT_EQ(Colors(row.begin(), row.begin() + 18), Colors(18, kInk));
    EXPECT_EQ(Colors(row.begin() + 18, row.begin() + 24), Colors(6, kGrey)) << "transparent gaps";
    EXPECT_EQ(row[24], kInk);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kRed);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 30, 1);
    EXPECT_EQ(GetPixel(dc, 20, 1), kRed) << "opaque gaps take the background colour";

    SelectObject(dc, old);
    DeleteObject(wide);
    DeleteObject(dashed);
}

TEST_F(LinesTest, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    Canvas canvas(7, 5, kGrey);
    HDC dc = canvas.dc();
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ oldBrush = SelectObject(dc, red);
    EXPECT_TRUE(Rectangle(dc, 5, 4, 1, 0));  // corners in either order
    EXPECT_EQ(Picture(canvas, 7, 5), (Rows{
                                         ".####..",
                                         ".#oo#..",
                                         ".#oo#..",
                                         ".####..",
                                         ".......",
                                     }));
    canvas.Fill(kGrey);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    EXPECT_TRUE(Rectangle(dc, 1, 0, 5, 4));
    EXPECT_EQ(Picture(canvas, 7, 5), (Rows{
                                         ".ooo...",
                                         ".ooo...",
                                         ".ooo...",
                                         ".......",
                                         ".......",
                                     })) << "without a pen the figure ends a pixel short";
    canvas.Fill(kGrey);
    SelectObject(dc, oldPen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Rectangle(dc, 1, 0, 4, 3));
    EXPECT_EQ(Picture(canvas, 5, 3), (Rows{".###.", ".#.#.", ".###."}));
    SelectObject(dc, oldBrush);
    DeleteObject(red);
}

TEST_F(LinesTest, FrameRectDrawsAOnePixelBrushBorder)
{
    Canvas canvas(6, 5, kGrey);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT rect = {1, 1, 5, 4};
    EXPECT_EQ(FrameRect(canvas.dc(), &rect, red), 1);
    EXPECT_EQ(Picture(canvas, 6, 5), (Rows{
                                         "......",
                                         ".oooo.",
                                         ".o..o.",
                                         ".oooo.",
                                         "......",
                                     }));
    RECT empty = {3, 3, 3, 5};
    EXPECT_EQ(FrameRect(canvas.dc(), &empty, red), 1);
    EXPECT_EQ(FrameRect(canvas.dc(), nullptr, red), 0);
    DeleteObject(red);
    EXPECT_EQ(FrameRect(canvas.dc(), &rect, red), 0) << "stale brush";
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 4), kGrey);
}

TEST_F(LinesTest, InvertRectFlipsEveryChannelAndTwiceRestores)
{
    Canvas canvas(4, 4, RGB(10, 200, 30));
    RECT rect = {1, 1, 3, 3};
    EXPECT_TRUE(InvertRect(canvas.dc(), &rect));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), RGB(245, 55, 225));
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 3), RGB(10, 200, 30)) << "right and bottom are exclusive";
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 1), RGB(10, 200, 30));
    SetViewportOrgEx(canvas.dc(), 1, 1, nullptr);
    RECT shifted = {0, 0, 2, 2};
    EXPECT_TRUE(InvertRect(canvas.dc(), &shifted));
    SetViewportOrgEx(canvas.dc(), 0, 0, nullptr);
    EXPECT_EQ(GetPixel(canvas.dc(), 2, 2), RGB(10, 200, 30));
    EXPECT_FALSE(InvertRect(canvas.dc(), nullptr));
}

TEST_F(LinesTest, DrawingFollowsViewportOriginAndStaysInsideTheClip)
{
    Canvas canvas(8, 5, kGrey);
    HDC dc = canvas.dc();
    SetViewportOrgEx(dc, 2, 1, nullptr);
    IntersectClipRect(dc, 0, 0, 3, 3);  // image columns 2..4, rows 1..3
    MoveToEx(dc, -2, 0, nullptr);
    EXPECT_TRUE(LineTo(dc, 6, 0));
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(dc, red);
    EXPECT_TRUE(Rectangle(dc, -2, 1, 6, 5));
    RECT all = {-2, -1, 6, 4};
    InvertRect(dc, &all);
    InvertRect(dc, &all);
    SelectObject(dc, old);
    DeleteObject(red);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    EXPECT_EQ(Picture(canvas, 8, 5), (Rows{
                                         "........",
                                         "..###...",
                                         "..###...",
                                         "..ooo...",
                                         "........",
                                     }));
}

TEST_F(LinesTest, BadHandlesAndOutOfRangeCoordinatesFail)
{
    Canvas canvas(4, 4, kGrey);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_FALSE(MoveToEx(stale, 0, 0, nullptr));
    EXPECT_FALSE(LineTo(stale, 1, 1));
    EXPECT_FALSE(Rectangle(stale, 0, 0, 2, 2));
    MoveToEx(canvas.dc(), 1, 1, nullptr);
    EXPECT_FALSE(LineTo(canvas.dc(), 2000000000, 1));
    POINT position;
    MoveToEx(canvas.dc(), 0, 0, &position);
    EXPECT_EQ(position.x, 1) << "a refused line does not move the position";
    EXPECT_FALSE(Rectangle(canvas.dc(), -2000000000, 0, 2, 2));
    // A long line that crosses the canvas is drawn without walking its whole length.
    EXPECT_TRUE(LineTo(canvas.dc(), 100000000, 100000000));
    EXPECT_EQ(Picture(canvas, 4, 4), (Rows{"#...", ".#..", "..#.", "...#"}));
}

}  // namespace
