// Region objects and clip regions: combinations, boxes, hit tests and what drawing reaches.
#include <climits>

#include "support/owner_fixture.h"

namespace {

using RegionTest = HostTest;

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

// "complexity: left,top,right,bottom"
std::string Box(HRGN region)
{
    RECT box = {-1, -1, -1, -1};
    const int complexity = GetRgnBox(region, &box);
    return std::to_string(complexity) + ": " + Str(box);
}

// Also an empty rectangle, and one over the whole coordinate range.
TEST_F(RegionTest, CombinationsGiveTheirBoxComplexityAndPoints)
{
    // a = (0,0)-(10,10), b = (5,5)-(15,15); complexity 2 is simple, 3 complex
    const struct Case {
        const char* name;
        int mode;
        const char* box;
        POINT in, out;
    } cases[] = {
        {"and", RGN_AND, "2: 5,5,10,10", {7, 7}, {2, 2}},
        {"or", RGN_OR, "3: 0,0,15,15", {12, 12}, {12, 2}},
        {"diff", RGN_DIFF, "3: 0,0,10,10", {2, 7}, {7, 7}},
        {"xor", RGN_XOR, "3: 0,0,15,15", {12, 12}, {7, 7}},
        {"copy", RGN_COPY, "2: 0,0,10,10", {9, 9}, {10, 10}},
    };
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(15, 15, 5, 5);  // corners in either order
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    for (const Case& c : cases) {
        EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.box[0] - '0') << c.name;
        EXPECT_EQ(Box(out), c.box) << c.name;
        EXPECT_TRUE(PtInRegion(out, c.in.x, c.in.y)) << c.name;
        EXPECT_FALSE(PtInRegion(out, c.out.x, c.out.y)) << c.name;
    }
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(CombineRgn(out, a, b, 0), ERROR);
    EXPECT_EQ(Box(out), "2: 0,0,10,10") << "a failed combination leaves the region alone";

    HRGN flat = CreateRectRgn(3, 3, 3, 9), whole = CreateRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(Box(flat), "1: 0,0,0,0");
    EXPECT_FALSE(PtInRegion(flat, 3, 3));
    EXPECT_EQ(Box(whole), "2: " + Str({INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
    EXPECT_TRUE(PtInRegion(whole, 0, 0));
    for (HRGN region : {a, b, out, flat, whole}) DeleteObject(region);
}

TEST_F(RegionTest, ClipRegionAndExclusionsLimitDrawing)
{
    Canvas canvas(10, 10, kBlack);
    HDC dc = canvas.dc();
    HRGN region = CreateRectRgn(1, 1, 8, 8);
    EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
    DeleteObject(region);  // the DC keeps a copy
    EXPECT_EQ(ExcludeClipRect(dc, 3, 3, 5, 5), COMPLEXREGION);
    canvas.Fill(kWhite);
    SetViewportOrgEx(dc, 5, 0, nullptr);
    ExcludeClipRect(dc, 0, 0, 1, 10);  // device column 5
    SetViewportOrgEx(dc, 0, 0, nullptr);
    canvas.Fill(kRed);
    EXPECT_EQ(canvas.Row(0, 0, 10), Colors(10, kBlack));
    EXPECT_EQ(canvas.Row(4, 0, 10),
              (Colors{kBlack, kRed, kRed, kBlack, kBlack, kWhite, kRed, kRed, kBlack, kBlack}));
    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    canvas.Fill(kWhite);
    EXPECT_EQ(canvas.Row(9, 0, 10), Colors(10, kWhite));
}

}  // namespace
