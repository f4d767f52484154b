// Lines with coordinates far outside the picture: what they draw, and that they end.
#include <string>

#include "support/canvas.h"
#include "support/host_fixture.h"

namespace {

using LinesTest = HostTest;

constexpr COLORREF kGrey = RGB(9, 9, 9), kInk = RGB(0, 0, 0);

// A line that cannot be placed fails and leaves the position; a very long one is cut short at the
// picture without walking its whole length. Rows joined by '|': '#' ink, '.' the background.
TEST_F(LinesTest, FarCoordinatesFailOrAreCutShort)
{
    Canvas canvas(4, 4, kGrey);
    HDC dc = canvas.dc();
    MoveToEx(dc, 0, 0, nullptr);
    EXPECT_FALSE(LineTo(dc, 2000000000, 0));
    EXPECT_TRUE(LineTo(dc, 100000000, 100000000));
    std::string picture;
    for (int y = 0; y < 4; y++) {
        for (COLORREF c : canvas.Row(y, 0, 4)) picture += c == kInk ? '#' : c == kGrey ? '.' : '?';
        picture += y < 3 ? "|" : "";
    }
    EXPECT_EQ(picture, "#...|.#..|..#.|...#");
}

}  // namespace
