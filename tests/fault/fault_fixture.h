// What the fault and soak tests share: an owner window over the whole screen (so its client and
// screen coordinates agree) that paints a plain background, paints beneath controls when asked,
// hands owner-drawn controls their drawing and lets a test react to every notification it
// receives. It records nothing, so that long runs measure the controls alone.
#pragma once

#include <functional>

#include <windows.h>

#include "support/host_fixture.h"
#include "support/message_log.h"

constexpr COLORREF kOwnerColour = RGB(30, 60, 90);
constexpr COLORREF kTextColour = RGB(255, 40, 40);

class FaultTest : public HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs for WM_COMMAND, WM_NAVLV_ITEMNOTIFY and WM_NAVLV_PAGESCROLL the owner receives.
    std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> onNotify;
    HWND owner = nullptr;

private:
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

void Tap(int x, int y);

// Screen pixels in `area` within a small distance of `colour` in every channel.
int PixelsNear(const RECT& area, COLORREF colour);
