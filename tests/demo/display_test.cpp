// The SDL2 display the demo's window runs on (SDL's dummy video driver, no desktop).
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#if defined(RKNAV_TEST_SDL2)
#include <SDL.h>
#endif

#include <wincore/host.h>

#include "support/host_fixture.h"
#include "support/message_log.h"

class Display : public HostTest {
protected:
    // The display on SDL's dummy driver with the real clock, and a window of the given size on it;
    // false where SDL2 has no dummy driver.
    bool Open(int scale)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        wincore::HostConfig config;
        config.manualClock = false;
        wincore::HostStart(config);
        return wincore::DisplayOpen("test", scale);
    }
};

TEST_F(Display, RefusesTheManualClockAndDoesNothingWhileClosed)
{
    EXPECT_FALSE(wincore::DisplayOpen("test", 1));
    EXPECT_FALSE(wincore::DisplayWait());
    wincore::DisplayClose();
}

TEST_F(Display, SleepsUntilTheNextTimerIsDue)
{
    if (!Open(2)) GTEST_SKIP() << "no SDL2 dummy video driver here";
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

#if defined(RKNAV_TEST_SDL2)
namespace {

// A key event, or with type SDL_MOUSEWHEEL a wheel turned `key` notches.
SDL_Event Event(Uint32 type, SDL_Keycode key, Uint8 repeat = 0, Uint32 direction = SDL_MOUSEWHEEL_NORMAL)
{
    SDL_Event e = {};
    e.type = type;
    if (type == SDL_MOUSEWHEEL) e.wheel.y = key, e.wheel.direction = direction;
    else e.key.keysym.sym = key, e.key.repeat = repeat;
    return e;
}

}  // namespace

// Keys reach the focus window as KeyDown/KeyUp make them (repeats as more key-downs, keys a
// navigation device lacks not at all); each wheel notch is a press of Up (away) or Down.
TEST_F(Display, TurnsTheKeyboardAndTheWheelIntoKeys)
{
    if (!Open(1)) GTEST_SKIP() << "no SDL2 dummy video driver here";
    HWND window = CreateRecorder("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80);
    SetFocus(window);
    std::vector<std::pair<UINT, WPARAM>> keys;
    SetHandler(window, [&keys](HWND, UINT m, WPARAM wParam, LPARAM, LRESULT&) {
        if (m == WM_KEYDOWN || m == WM_KEYUP) keys.emplace_back(m, wParam);
        return false;
    });
    constexpr UINT kDown = WM_KEYDOWN, kUp = WM_KEYUP;
    struct Case {
        std::vector<SDL_Event> events;
        std::vector<std::pair<UINT, WPARAM>> keys;
    };
    const Case cases[] = {
        {{Event(SDL_KEYDOWN, SDLK_PAGEUP), Event(SDL_KEYUP, SDLK_PAGEUP)}, {{kDown, VK_PRIOR}, {kUp, VK_PRIOR}}},
        {{Event(SDL_KEYDOWN, SDLK_KP_ENTER), Event(SDL_KEYDOWN, SDLK_KP_ENTER, 1), Event(SDL_KEYUP, SDLK_KP_ENTER)},
         {{kDown, VK_RETURN}, {kDown, VK_RETURN}, {kUp, VK_RETURN}}},
        {{Event(SDL_KEYDOWN, SDLK_F12), Event(SDL_KEYDOWN, SDLK_q), Event(SDL_KEYDOWN, SDLK_7),
          Event(SDL_KEYDOWN, SDLK_RCTRL), Event(SDL_KEYDOWN, SDLK_CAPSLOCK)},
         {{kDown, VK_F12}, {kDown, 'Q'}, {kDown, '7'}, {kDown, VK_CONTROL}}},
        {{Event(SDL_MOUSEWHEEL, 2), Event(SDL_MOUSEWHEEL, -1), Event(SDL_MOUSEWHEEL, 1, 0, SDL_MOUSEWHEEL_FLIPPED)},
         {{kDown, VK_UP}, {kUp, VK_UP}, {kDown, VK_UP}, {kUp, VK_UP}, {kDown, VK_DOWN}, {kUp, VK_DOWN},
          {kDown, VK_DOWN}, {kUp, VK_DOWN}}},
    };
    for (const Case& c : cases) {
        keys.clear();
        for (SDL_Event e : c.events) SDL_PushEvent(&e);
        ASSERT_TRUE(wincore::DisplayWait());
        wincore::Pump();
        EXPECT_EQ(keys, c.keys) << "case " << (&c - cases);
    }
    DestroyWindow(window);
    wincore::DisplayClose();
}
#endif
