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

TEST_F(UpdateRegionTest, InvalidationGrowsAndValidationShrinksTheUpdateBox)
{
    HWND window = CreateRecorder("window", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    wincore::Pump();
    const struct Step {
        const char* what;
        bool invalidate;
        RECT rect;
        const char* box;  // the update box afterwards
    } steps[] = {
        {"a rectangle", true, {10, 10, 20, 20}, "10,10,20,20"},
        {"a second one widens the box", true, {50, 60, 70, 80}, "10,10,70,80"},
        {"what lies beyond the client area is cut off", true, {90, 90, 150, 150}, "10,10,100,100"},
        {"an inverted rectangle adds nothing", true, {40, 40, 30, 30}, "10,10,100,100"},
        {"validating a part", false, {80, 80, 100, 100}, "10,10,70,80"},
        {"the whole coordinate range", true, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, "0,0,100,100"},
        {"validating it", false, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, "none 0,0,0,0"},
    };
    for (const Step& step : steps) {
        if (step.invalidate) InvalidateRect(window, &step.rect, FALSE);
        else ValidateRect(window, &step.rect);
        EXPECT_EQ(UpdateBox(window), step.box) << step.what;
    }
}

}  // namespace
