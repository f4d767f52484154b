// Region objects: combinations, boxes and hit tests (clip regions: lines_test.cpp).
#include <climits>

#include "support/owner_fixture.h"

namespace {

using RegionTest = HostTest;

// "complexity: box " and which of (7,7), (12,12), (2,2) and (12,2) the region holds
std::string Describe(HRGN region)
{
    RECT box = {-1, -1, -1, -1};
    std::string described = std::to_string(GetRgnBox(region, &box));
    described += ": " + Str(box) + " ";
    for (POINT p : {POINT{7, 7}, {12, 12}, {2, 2}, {12, 2}}) described += PtInRegion(region, p.x, p.y) ? '#' : '-';
    return described;
}

// a = (0,0)-(10,10), b = (5,5)-(15,15) given corners first: each combination's result and region
// (complexity 1 empty, 2 simple, 3 complex); then a bad mode and a missing region, which fail and
// leave the region alone.
TEST_F(RegionTest, CombinationsGiveTheirBoxComplexityAndPoints)
{
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(15, 15, 5, 5), out = CreateRectRgn(0, 0, 0, 0);
    std::string results;
    for (int mode : {RGN_AND, RGN_OR, RGN_DIFF, RGN_XOR, RGN_COPY, 0, -1}) {
        results += std::to_string(CombineRgn(out, a, mode < 0 ? nullptr : b, mode < 0 ? RGN_AND : mode));
        results += " " + Describe(out) + "|";
    }
    EXPECT_EQ(results, "2 2: 5,5,10,10 #---|3 3: 0,0,15,15 ###-|3 3: 0,0,10,10 --#-|3 3: 0,0,15,15 -##-|"
                       "2 2: 0,0,10,10 #-#-|0 2: 0,0,10,10 #-#-|0 2: 0,0,10,10 #-#-|");
    HRGN flat = CreateRectRgn(3, 3, 3, 9), whole = CreateRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(Describe(flat), "1: 0,0,0,0 ----");
    EXPECT_EQ(Describe(whole), "2: " + Str({INT_MIN, INT_MIN, INT_MAX, INT_MAX}) + " ####");
    for (HRGN region : {a, b, out, flat, whole}) DeleteObject(region);
}

}  // namespace
