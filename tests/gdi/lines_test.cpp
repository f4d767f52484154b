// Lines read back as pictures: which pixels they take, and what bad coordinates do.
#include <functional>

#include "support/owner_fixture.h"

namespace {

using LinesTest = HostTest;

constexpr COLORREF kGrey = RGB(9, 9, 9), kInk = RGB(0, 0, 0);

// Rows joined by '|': '#' ink, '.' the grey background, '?' else.
std::string Picture(const Canvas& canvas, int width, int height)
{
    std::string picture;
    for (int y = 0; y < height; y++) {
        for (COLORREF c : canvas.Row(y, 0, width))
            picture += c == kInk ? '#' : c == kGrey ? '.' : '?';
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

TEST_F(LinesTest, Pictures)
{
    const struct Row {
        const char* name;
        std::function<void(HDC)> draw;
        std::string picture;
    } rows[] = {
        {"end points are left out, a shallow line takes the nearest pixels; Polyline keeps the position",
         [](HDC dc) {
             Path(dc, {{1, 0}, {5, 0}, {5, 3}}), Path(dc, {{4, 6}, {0, 6}}), Path(dc, {{0, 1}, {2, 3}}), Path(dc, {{1, 4}, {7, 6}});
             POINT points[] = {{7, 0}, {7, 2}, {6, 2}}, at;
             EXPECT_TRUE(Polyline(dc, points, 3));
             MoveToEx(dc, 0, 0, &at);
             EXPECT_EQ(at.x * 10 + at.y, 76);
         },
         ".#####.#|#....#.#|.#...#.#|........|.##.....|...###..|.####.#."},
        {"a null pen, no points and a far rectangle draw nothing; a far line fails and leaves the position, a long one is "
         "cut short",
         [](HDC dc) {
             EXPECT_FALSE(Polyline(dc, nullptr, 2) || Rectangle(dc, -2000000000, 0, 2, 2));
             HGDIOBJ pen = SelectObject(dc, GetStockObject(NULL_PEN));
             Path(dc, {{0, 0}, {3, 0}});
             SelectObject(dc, pen);
             MoveToEx(dc, 0, 0, nullptr);
             EXPECT_FALSE(LineTo(dc, 2000000000, 0));
             EXPECT_TRUE(LineTo(dc, 100000000, 100000000));  // without walking its whole length
         },
         "#...|.#..|..#.|...#"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int width = int(row.picture.find('|')), height = int(row.picture.size() + 1) / (width + 1);
        Canvas canvas(width, height, kGrey);
        row.draw(canvas.dc());
        EXPECT_EQ(Picture(canvas, width, height), row.picture);
    }
}

}  // namespace
