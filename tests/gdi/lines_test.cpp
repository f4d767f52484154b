// Lines, shapes, inversion and clipping, read back as pictures.
#include <functional>

#include "support/owner_fixture.h"

namespace {

using LinesTest = HostTest;

constexpr COLORREF kGrey = RGB(9, 9, 9), kInk = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);

// Rows joined by '|': '#' ink, 'o' red, 'w' white, 'c' cyan (inverted red), '.' the background, '?' else.
std::string Picture(const Canvas& canvas, int width, int height, COLORREF background)
{
    std::string picture;
    for (int y = 0; y < height; y++) {
        for (COLORREF c : canvas.Row(y, 0, width))
            picture += c == kInk ? '#' : c == kRed ? 'o' : c == kWhite ? 'w' : c == RGB(0, 255, 255) ? 'c'
                     : c == background ? '.' : '?';
        picture += y + 1 < height ? "|" : "";
    }
    return picture;
}

// Moves to the first point and draws to each of the others.
void Path(HDC dc, std::initializer_list<POINT> points)
{
    MoveToEx(dc, points.begin()->x, points.begin()->y, nullptr);
    for (const POINT* point = points.begin() + 1; point != points.end(); point++) LineTo(dc, point->x, point->y);
}

// Draws with `pen` and `brush` selected, then puts the DC's own back and deletes them.
void With(HDC dc, HGDIOBJ pen, HGDIOBJ brush, const std::function<void()>& draw)
{
    HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
    draw();
    DeleteObject(SelectObject(dc, oldPen));
    DeleteObject(SelectObject(dc, oldBrush));
}

TEST_F(LinesTest, Pictures)
{
    const struct Row {
        const char* name;
        COLORREF background;
        std::function<void(HDC)> draw;
        std::string picture;
    } rows[] = {
        {"end points are left out, a shallow line takes the nearest pixels; Polyline keeps the position", kGrey,
         [](HDC dc) {
             Path(dc, {{1, 0}, {5, 0}, {5, 3}}), Path(dc, {{4, 6}, {0, 6}}), Path(dc, {{0, 1}, {2, 3}}), Path(dc, {{1, 4}, {7, 6}});
             POINT points[] = {{7, 0}, {7, 2}, {6, 2}}, at;
             EXPECT_TRUE(Polyline(dc, points, 3));
             MoveToEx(dc, 0, 0, &at);
             EXPECT_EQ(at.x * 10 + at.y, 76);
         },
         ".#####.#|#....#.#|.#...#.#|........|.##.....|...###..|.####.#."},
        {"Rectangle: pen outline (corners in either order), brush fill, without a pen a pixel short; FrameRect", kGrey,
         [](HDC dc) {
             With(dc, GetStockObject(BLACK_PEN), CreateSolidBrush(kRed), [dc] { EXPECT_TRUE(Rectangle(dc, 4, 4, 0, 0)); });
             With(dc, GetStockObject(NULL_PEN), CreateSolidBrush(kRed), [dc] { EXPECT_TRUE(Rectangle(dc, 4, 0, 8, 4)); });
             const RECT frame = {8, 0, 12, 4};
             With(dc, GetStockObject(BLACK_PEN), CreateSolidBrush(kRed), [dc, &frame] {
                 EXPECT_EQ(FrameRect(dc, &frame, HBRUSH(GetCurrentObject(dc, OBJ_BRUSH))), 1);
             });
         },
         "####ooo.oooo|#oo#ooo.o..o|#oo#ooo.o..o|####....oooo"},
        {"wide pens centre squares on each point in any direction, clipped; dashes 18 on, 6 off in the background colour",
         kGrey,
         [](HDC dc) {
             With(dc, CreatePen(PS_SOLID, 3, kInk), GetStockObject(WHITE_BRUSH), [dc] {
                 Path(dc, {{4, 1}, {1, 1}}), Path(dc, {{25, 1}, {25, 4}});  // the second cut by the right edge
                 IntersectClipRect(dc, 0, 0, 26, 6);
                 Path(dc, {{12, 7}, {12, 3}});
                 SelectClipRgn(dc, nullptr);
             });
             With(dc, CreatePen(PS_DASH, 1, kRed), GetStockObject(WHITE_BRUSH), [dc] { Path(dc, {{0, 8}, {26, 8}}); });
         },
         ".#####..................##|.#####..................##|.#####..................##|"
         "...........###..........##|...........###..........##|...........###............|"
         "..........................|..........................|oooooooooooooooooowwwwwwoo"},
        {"the viewport origin and the clip (image columns 2..4, rows 1..3) apply to lines, shapes and inversion", kGrey,
         [](HDC dc) {
             SetViewportOrgEx(dc, 2, 1, nullptr);
             IntersectClipRect(dc, 0, 0, 3, 3);
             Path(dc, {{-2, 0}, {6, 0}});
             With(dc, GetStockObject(BLACK_PEN), CreateSolidBrush(kRed), [dc] { Rectangle(dc, -2, 1, 6, 5); });
             const RECT all = {-2, -1, 6, 4};
             EXPECT_TRUE(InvertRect(dc, &all));
             SetViewportOrgEx(dc, 0, 0, nullptr);
         },
         "......|..www.|..www.|..ccc.|......"},
        {"a clip region less exclusions (column 5 through a viewport); selecting none clips nothing", kInk,
         [](HDC dc) {
             HRGN region = CreateRectRgn(1, 1, 8, 8);
             EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
             DeleteObject(region);  // the DC keeps a copy
             EXPECT_EQ(ExcludeClipRect(dc, 3, 3, 5, 5), COMPLEXREGION);
             Fill(dc, {0, 0, 10, 10}, kWhite);
             SetViewportOrgEx(dc, 5, 0, nullptr);
             ExcludeClipRect(dc, 0, 0, 1, 10);
             SetViewportOrgEx(dc, 0, 0, nullptr);
             Fill(dc, {0, 0, 10, 10}, kRed);
             EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
             const RECT last = {0, 9, 10, 10};
             InvertRect(dc, &last);
         },
         "##########|#oooowoo##|#oooowoo##|#oo##woo##|#oo##woo##|#oooowoo##|#oooowoo##|#oooowoo##|##########|"
         "wwwwwwwwww"},
        {"a null pen, no points and a far rectangle draw nothing; a far line fails and leaves the position, a long one is "
         "cut short", kGrey,
         [](HDC dc) {
             EXPECT_FALSE(Polyline(dc, nullptr, 2) || Rectangle(dc, -2000000000, 0, 2, 2));
             With(dc, GetStockObject(NULL_PEN), GetStockObject(WHITE_BRUSH), [dc] { Path(dc, {{0, 0}, {3, 0}}); });
             MoveToEx(dc, 0, 0, nullptr);
             EXPECT_FALSE(LineTo(dc, 2000000000, 0));
             EXPECT_TRUE(LineTo(dc, 100000000, 100000000));  // without walking its whole length
         },
         "#...|.#..|..#.|...#"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int width = int(row.picture.find('|')), height = int(row.picture.size() + 1) / (width + 1);
        Canvas canvas(width, height, row.background);
        row.draw(canvas.dc());
        EXPECT_EQ(Picture(canvas, width, height, row.background), row.picture);
    }
}

}  // namespace
