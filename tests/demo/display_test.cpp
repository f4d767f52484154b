// The SDL2 display the demo's window runs on (SDL's dummy video driver, no desktop).
#include <gtest/gtest.h>

#include <cstdlib>

#include <wincore/host.h>

#include "support/host_fixture.h"
#include "support/message_log.h"

using Display = HostTest;

TEST_F(Display, RefusesTheManualClockAndDoesNothingWhileClosed)
{
    EXPECT_FALSE(wincore::DisplayOpen("test", 1));
    EXPECT_FALSE(wincore::DisplayWait());
    wincore::DisplayClose();
}

TEST_F(Display, SleepsUntilTheNextTimerIsDue)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    wincore::HostConfig config;
    config.manualClock = false;
    wincore::HostStart(config);
    if (!wincore::DisplayOpen("test", 2)) GTEST_SKIP() << "no SDL2 dummy video driver here";
    HWND window = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80);
    SetTimer(window, 7, 40, nullptr);
    DWORD start = wincore::HostNow();
    bool ticked = false;
    int waits = 0;
    for (; !ticked && waits < 100; waits++) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ticked |= msg.message == WM_TIMER;
            DispatchMessageW(&msg);
        }
        ASSERT_TRUE(ticked || wincore::DisplayWait());
    }
    EXPECT_TRUE(ticked);
    EXPECT_GE(wincore::HostNow() - start, 30u);
    EXPECT_LT(waits, 10) << "the loop spun instead of sleeping until the timer";
    DestroyWindow(window);
    wincore::DisplayClose();
    EXPECT_FALSE(wincore::DisplayWait()) << "closed";
}
