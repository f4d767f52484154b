// The update region: what invalidation adds, validation takes away and a parent passes to its children.
#include <climits>

#include "support/owner_fixture.h"

namespace {

using UpdateRegionTest = HostTest;

std::string UpdateBox(HWND hwnd)
{
    RECT box = {-1, -1, -1, -1};
    const bool any = GetUpdateRect(hwnd, &box, FALSE);
    return (any ? "" : "none ") + Str(box);
}

// Invalidation widens the update box within the client area (an inverted rectangle adds nothing),
// validation narrows it; the whole coordinate range neither overflows nor wraps.
TEST_F(UpdateRegionTest, InvalidationGrowsAndValidationShrinksTheUpdateBox)
{
    HWND window = CreateRecorder("window", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    wincore::Pump();
    const RECT whole = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const std::pair<bool, RECT> steps[] = {{true, {10, 10, 20, 20}}, {true, {50, 60, 70, 80}}, {true, {90, 90, 150, 150}},
                                           {true, {40, 40, 30, 30}},  {false, {80, 80, 100, 100}}, {true, whole},
                                           {false, whole}};
    std::string boxes;
    for (const auto& [invalidate, rect] : steps) {
        if (invalidate) InvalidateRect(window, &rect, FALSE);
        else ValidateRect(window, &rect);
        boxes += UpdateBox(window) + " | ";
    }
    EXPECT_EQ(boxes, "10,10,20,20 | 10,10,70,80 | 10,10,100,100 | 10,10,100,100 | 10,10,70,80 | 0,0,100,100 | "
                     "none 0,0,0,0 | ");
}

}  // namespace
