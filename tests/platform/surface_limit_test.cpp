// A top-level window larger than any bitmap: its surface stops at the largest bitmap, and drawing
// beyond it is clipped rather than written past the pixels.
#include "support/owner_fixture.h"

namespace {

using SurfaceLimitTest = HostTest;

// Wider than four bytes a pixel fit in an int.
TEST_F(SurfaceLimitTest, WindowsBeyondTheLargestBitmapDrawOnlyWhatTheirSurfaceKeeps)
{
    constexpr COLORREF kRed = RGB(255, 0, 0);
    HWND wide = CreateRecorder("wide", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    ASSERT_TRUE(MoveWindow(wide, 0, 0, 600000000, 200, TRUE));
    HDC dc = GetDC(wide);
    EXPECT_EQ(SetPixel(dc, 150, 150, kRed), kRed);
    EXPECT_EQ(GetPixel(dc, 150, 150), kRed);
    EXPECT_EQ(SetPixel(dc, 20000, 10, kRed), CLR_INVALID) << "beyond the surface";
    RECT straddling = {16000, 0, 17000, 200};
    EXPECT_TRUE(InvertRect(dc, &straddling));
    MoveToEx(dc, 0, 199, nullptr);
    EXPECT_TRUE(LineTo(dc, 30000, 199));
    ReleaseDC(wide, dc);
    EXPECT_EQ(wincore::ScreenPixel(150, 150), kRed);
}

}  // namespace
