// The update region: what invalidation adds, validation takes away and a parent passes to its children.
#include <climits>

#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using UpdateRegionTest = HostTest;

::testing::AssertionResult UpdateBoxIs(HWND hwnd, const RECT& expected)
{
    RECT box;
    BOOL any = GetUpdateRect(hwnd, &box, FALSE);
    if (any == !IsRectEmpty(&expected) && EqualRect(&box, &expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "any " << any << " box " << box.left << "," << box.top << ","
                                         << box.right << "," << box.bottom;
}

TEST_F(UpdateRegionTest, InvalidationGrowsAndValidationShrinksTheUpdateBox)
{
    HWND window = CreateRecorder("window", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    wincore::Pump();
    struct Step {
        const char* what;
        bool invalidate;
        RECT rect;
        RECT box;  // the update box afterwards
    };
    const Step steps[] = {
        {"a rectangle", true, {10, 10, 20, 20}, {10, 10, 20, 20}},
        {"a second one widens the box", true, {50, 60, 70, 80}, {10, 10, 70, 80}},
        {"what lies beyond the client area is cut off", true, {90, 90, 150, 150}, {10, 10, 100, 100}},
        {"an inverted rectangle adds nothing", true, {40, 40, 30, 30}, {10, 10, 100, 100}},
        {"validating a part", false, {80, 80, 100, 100}, {10, 10, 70, 80}},
        {"the whole coordinate range", true, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 100, 100}},
        {"validating it", false, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 0, 0}},
        {"again", true, {10, 10, 20, 20}, {10, 10, 20, 20}},
        {"validating the rest", false, {0, 0, 100, 100}, {0, 0, 0, 0}},
    };
    for (const Step& step : steps) {
        if (step.invalidate)
            InvalidateRect(window, &step.rect, FALSE);
        else
            ValidateRect(window, &step.rect);
        EXPECT_TRUE(UpdateBoxIs(window, step.box)) << step.what;
    }
}

TEST_F(UpdateRegionTest, WithoutClipChildrenAChildGetsTheOverlapInItsOwnCoordinates)
{
    HWND parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = CreateRecorder("child", WS_CHILD | WS_VISIBLE, 30, 30, 20, 20, parent);
    wincore::Pump();
    RECT part = {35, 40, 60, 45};
    InvalidateRect(parent, &part, FALSE);
    EXPECT_TRUE(UpdateBoxIs(child, {5, 10, 20, 15}));

    HWND clipping = CreateRecorder("clipping", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100);
    HWND sheltered = CreateRecorder("sheltered", WS_CHILD | WS_VISIBLE, 30, 30, 20, 20, clipping);
    wincore::Pump();
    InvalidateRect(clipping, &part, FALSE);
    EXPECT_TRUE(UpdateBoxIs(sheltered, {0, 0, 0, 0}));
}

}  // namespace
