// Region objects: combinations, boxes and hit tests (clip regions: lines_test.cpp).
#include <climits>

#include "support/owner_fixture.h"

namespace {

using RegionTest = HostTest;

// "complexity: left,top,right,bottom", then which of `in` and `out` the region holds
std::string Describe(HRGN region, POINT in, POINT out)
{
    RECT box = {-1, -1, -1, -1};
    const int complexity = GetRgnBox(region, &box);
    return std::to_string(complexity) + ": " + Str(box) + (PtInRegion(region, in.x, in.y) ? " in" : " -") +
           (PtInRegion(region, out.x, out.y) ? " in" : " -");
}

// a = (0,0)-(10,10), b = (5,5)-(15,15) given corners first; complexity 1 empty, 2 simple, 3 complex.
// A failed combination leaves its region alone.
TEST_F(RegionTest, CombinationsGiveTheirBoxComplexityAndPoints)
{
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(15, 15, 5, 5), out = CreateRectRgn(0, 0, 0, 0);
    const struct Case {
        int mode;
        HRGN second;
        int result;
        POINT in, out;
        const char* described;
    } cases[] = {
        {RGN_AND, b, 2, {7, 7}, {2, 2}, "2: 5,5,10,10 in -"},    {RGN_OR, b, 3, {12, 12}, {12, 2}, "3: 0,0,15,15 in -"},
        {RGN_DIFF, b, 3, {2, 7}, {7, 7}, "3: 0,0,10,10 in -"},   {RGN_XOR, b, 3, {12, 12}, {7, 7}, "3: 0,0,15,15 in -"},
        {RGN_COPY, b, 2, {9, 9}, {10, 10}, "2: 0,0,10,10 in -"}, {RGN_AND, nullptr, ERROR, {9, 9}, {10, 10}, "2: 0,0,10,10 in -"},
        {0, b, ERROR, {9, 9}, {10, 10}, "2: 0,0,10,10 in -"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CombineRgn(out, a, c.second, c.mode), c.result) << c.mode;
        EXPECT_EQ(Describe(out, c.in, c.out), c.described) << c.mode;
    }
    HRGN flat = CreateRectRgn(3, 3, 3, 9), whole = CreateRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(Describe(flat, {3, 3}, {3, 3}), "1: 0,0,0,0 - -");
    EXPECT_EQ(Describe(whole, {0, 0}, {0, 0}), "2: " + Str({INT_MIN, INT_MIN, INT_MAX, INT_MAX}) + " in in");
    for (HRGN region : {a, b, out, flat, whole}) DeleteObject(region);
}

}  // namespace
