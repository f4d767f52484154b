// A top-level window larger than any bitmap: its surface stops at the largest bitmap, and drawing
// beyond it is clipped rather than written past the pixels.
#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using SurfaceLimitTest = HostTest;

constexpr COLORREF kRed = RGB(255, 0, 0);

TEST_F(SurfaceLimitTest, AWindowWiderThanAnyBitmapDrawsOnlyWhatItsSurfaceKeeps)
{
    HWND wide = CreateRecorder("wide", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    // Four bytes a pixel of this width do not fit an int.
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

TEST_F(SurfaceLimitTest, AWindowOfMoreThanTheLargestBitmapsPixelsStillDraws)
{
    HWND huge = CreateRecorder("huge", WS_POPUP | WS_VISIBLE, 0, 0, 100000, 100000);
    HDC dc = GetDC(huge);
    RECT corner = {0, 0, 10, 10};
    FillRect(dc, &corner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 90000), CLR_INVALID);
    ReleaseDC(huge, dc);
}

}  // namespace
