// What every example shares and what is not its lesson: the screen it runs on, its window class
// and its message loop. At a display a person taps; with --headless, or where no display opens,
// the example checks itself on the manual clock, and the program's result is that check's.
#pragma once

#include <cstdio>
#include <cstring>

#include <windows.h>
#include <wincore/host.h>

namespace example {

class Screen {
public:
    static constexpr int kWidth = 480;   // px
    static constexpr int kHeight = 272;  // px
    static constexpr int kScale = 2;     // display pixels per screen pixel

    Screen(int argc, char** argv, const char* title)
    {
        const bool headless = argc > 1 && std::strcmp(argv[1], "--headless") == 0;
        wincore::HostConfig config;
        config.screenWidth = kWidth;
        config.screenHeight = kHeight;
        config.manualClock = headless;
        wincore::HostStart(config);
        shown_ = !headless && wincore::DisplayOpen(title, kScale);
        if (!headless && !shown_) {  // no display: run as the check, on the manual clock
            wincore::HostStop();
            config.manualClock = true;
            wincore::HostStart(config);
        }
        gdiAtStart_ = wincore::LiveGdiObjects();
    }

    ~Screen()
    {
        wincore::DisplayClose();
        wincore::HostStop();
    }

    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool Shown() const { return shown_; }

    // The host's top-level window, the whole screen, white where it draws nothing.
    HWND CreateHostWindow(WNDPROC proc, const WCHAR* className)
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = className;
        RegisterClassW(&windowClass);
        return CreateWindowExW(0, className, TEXT(""), WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    }

    // The loop README shows: the display sleeps between messages and closing its window quits.
    void RunUntilClosed()
    {
        MSG msg;
        for (;;) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) return;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            wincore::DisplayWait();
        }
    }

    // The program's result once the host has destroyed what it made: 1 when the check failed
    // or a GDI object is left.
    int Finish(const char* name, bool failed) const
    {
        if (wincore::LiveGdiObjects() == gdiAtStart_) return failed ? 1 : 0;
        std::printf("%s: GDI objects leaked\n", name);
        return 1;
    }

private:
    bool shown_ = false;
    int gdiAtStart_ = 0;
};

}  // namespace example
