// The SDL2 display: a desktop window showing the composed screen, mouse and touch as the pen, the
// keyboard as keys and the mouse wheel as a rotary knob.
#if defined(WINCORE_HAVE_SDL2)

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "window/manager.h"

namespace wincore {

namespace {

constexpr int kLargestScale = 8;
// A wheel event of more notches than this is cut down to it, so that a runaway report cannot
// flood the queue.
constexpr int kMostNotchesPerWheelEvent = 32;

// SDL keycodes first..last as the virtual keys vk.. (a single key has first == last).
struct KeyRange {
    SDL_Keycode first;
    SDL_Keycode last;
    UINT vk;
};

constexpr KeyRange kKeys[] = {
    {SDLK_UP, SDLK_UP, VK_UP},           {SDLK_DOWN, SDLK_DOWN, VK_DOWN},
    {SDLK_LEFT, SDLK_LEFT, VK_LEFT},     {SDLK_RIGHT, SDLK_RIGHT, VK_RIGHT},
    {SDLK_PAGEUP, SDLK_PAGEUP, VK_PRIOR}, {SDLK_PAGEDOWN, SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_HOME, SDLK_HOME, VK_HOME},     {SDLK_END, SDLK_END, VK_END},
    {SDLK_RETURN, SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, SDLK_KP_ENTER, VK_RETURN},
    {SDLK_ESCAPE, SDLK_ESCAPE, VK_ESCAPE}, {SDLK_TAB, SDLK_TAB, VK_TAB},
    {SDLK_SPACE, SDLK_SPACE, VK_SPACE},  {SDLK_BACKSPACE, SDLK_BACKSPACE, VK_BACK},
    {SDLK_F1, SDLK_F12, VK_F1},          {SDLK_a, SDLK_z, 'A'},
    {SDLK_0, SDLK_9, '0'},               {SDLK_LSHIFT, SDLK_LSHIFT, VK_LSHIFT},
    {SDLK_RSHIFT, SDLK_RSHIFT, VK_RSHIFT}, {SDLK_LCTRL, SDLK_LCTRL, VK_LCONTROL},
    {SDLK_RCTRL, SDLK_RCTRL, VK_RCONTROL}, {SDLK_LALT, SDLK_LALT, VK_LMENU},
    {SDLK_RALT, SDLK_RALT, VK_RMENU},
};

struct Display {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int scale = 1;
    int width = 0;
    int height = 0;
    std::vector<DWORD> shown;  // what the window shows now
    bool stale = true;         // the window lost its picture (first show, exposure)
    bool fingerDown = false;
    SDL_FingerID finger = 0;
};

Display& TheDisplay()
{
    static Display display;
    return display;
}

bool IsOpen()
{
    return TheDisplay().window != nullptr;
}

void PresentIfChanged()
{
    Display& d = TheDisplay();
    ScreenImage screen = CaptureScreen();
    if (!d.stale && screen.pixels == d.shown) return;
    SDL_UpdateTexture(d.texture, nullptr, screen.pixels.data(), screen.width * 4);
    SDL_RenderClear(d.renderer);
    SDL_RenderCopy(d.renderer, d.texture, nullptr, nullptr);
    SDL_RenderPresent(d.renderer);
    d.shown = std::move(screen.pixels);
    d.stale = false;
}

POINT FromWindow(int x, int y)
{
    const Display& d = TheDisplay();
    return POINT{std::clamp(x / d.scale, 0, d.width - 1), std::clamp(y / d.scale, 0, d.height - 1)};
}

POINT FromTouch(float x, float y)
{
    const Display& d = TheDisplay();
    return POINT{std::clamp(int(x * float(d.width)), 0, d.width - 1),
                 std::clamp(int(y * float(d.height)), 0, d.height - 1)};
}

void Queue(InputEvent::Type type, POINT point)
{
    QueuePen(type, point.x, point.y);
}

// SDL also reports touches as mouse events; those come from the finger handling instead.
void TranslateMouse(const SDL_Event& e)
{
    if (e.type == SDL_MOUSEMOTION) {
        if (e.motion.which == SDL_TOUCH_MOUSEID || !(e.motion.state & SDL_BUTTON_LMASK)) return;
        Queue(InputEvent::Type::Move, FromWindow(e.motion.x, e.motion.y));
        return;
    }
    if (e.button.which == SDL_TOUCH_MOUSEID || e.button.button != SDL_BUTTON_LEFT) return;
    auto type = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::Down : InputEvent::Type::Up;
    Queue(type, FromWindow(e.button.x, e.button.y));
}

// The first finger down is the pen until it lifts; other fingers are ignored.
void TranslateFinger(const SDL_Event& e)
{
    Display& d = TheDisplay();
    POINT point = FromTouch(e.tfinger.x, e.tfinger.y);
    if (e.type == SDL_FINGERDOWN) {
        if (d.fingerDown) return;
        d.fingerDown = true;
        d.finger = e.tfinger.fingerId;
        Queue(InputEvent::Type::Down, point);
        return;
    }
    if (!d.fingerDown || e.tfinger.fingerId != d.finger) return;
    if (e.type == SDL_FINGERUP) d.fingerDown = false;
    Queue(e.type == SDL_FINGERUP ? InputEvent::Type::Up : InputEvent::Type::Move, point);
}

// The virtual key of an SDL keycode, or 0 for a key a navigation device does not have.
UINT VirtualKeyOf(SDL_Keycode key)
{
    for (const KeyRange& range : kKeys)
        if (key >= range.first && key <= range.last) return range.vk + UINT(key - range.first);
    return 0;
}

// SDL's key repeat is another key-down, as a keyboard's is.
void TranslateKey(const SDL_Event& e)
{
    UINT vk = VirtualKeyOf(e.key.keysym.sym);
    if (vk) QueueKey(vk, e.type == SDL_KEYDOWN);
}

// Each notch is a press of Up (away from the user) or Down, the way an encoder's driver reports
// a knob's turn.
void TranslateWheel(const SDL_Event& e)
{
    int notches = std::clamp(e.wheel.y, -kMostNotchesPerWheelEvent, kMostNotchesPerWheelEvent);
    if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
    UINT vk = notches > 0 ? VK_UP : VK_DOWN;
    for (int i = 0; i < std::abs(notches); i++) {
        QueueKey(vk, true);
        QueueKey(vk, false);
    }
}

void Translate(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_QUIT: PostQuitMessage(0); break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) TheDisplay().stale = true;
        break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: TranslateMouse(e); break;
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP: TranslateFinger(e); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: TranslateKey(e); break;
    case SDL_MOUSEWHEEL: TranslateWheel(e); break;
    default: break;
    }
}

// Milliseconds until the next timer is due; -1 when no timer runs.
int TimeToNextTimer()
{
    DWORD due = 0;
    if (!EarliestTimer(&due)) return -1;
    DWORD now = Now();
    return due > now ? int(std::min<DWORD>(due - now, INT_MAX)) : 0;
}

// SDL falls back to drivers that show nothing (offscreen, dummy) when there is no display; those
// count only when asked for by name in SDL_VIDEODRIVER.
bool ShowsAnything()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return false;
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return true;
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return asked && std::strcmp(asked, driver) == 0;
}

bool CreateWindowAndRenderer(const char* title)
{
    Display& d = TheDisplay();
    d.window = SDL_CreateWindow(title ? title : "", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                d.width * d.scale, d.height * d.scale, SDL_WINDOW_SHOWN);
    if (!d.window) return false;
    d.renderer = SDL_CreateRenderer(d.window, -1, 0);
    if (!d.renderer) return false;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    d.texture = SDL_CreateTexture(d.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, d.width,
                                  d.height);
    return d.texture != nullptr;
}

void Release()
{
    Display& d = TheDisplay();
    if (d.texture) SDL_DestroyTexture(d.texture);
    if (d.renderer) SDL_DestroyRenderer(d.renderer);
    if (d.window) SDL_DestroyWindow(d.window);
    d = Display();
}

}  // namespace

bool DisplayOpen(const char* title, int scale)
{
    // Timers due on the manual clock never come due in real time.
    if (WM().config.manualClock) return false;
    if (IsOpen()) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    if (!ShowsAnything()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    Display& d = TheDisplay();
    pixman_image_t* screen = ComposedScreen();
    d.width = pixman_image_get_width(screen);
    d.height = pixman_image_get_height(screen);
    d.scale = std::clamp(scale, 1, kLargestScale);
    d.stale = true;
    d.fingerDown = false;
    if (CreateWindowAndRenderer(title)) return true;
    Release();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
}

bool DisplayWait()
{
    if (!IsOpen()) return false;
    PresentIfChanged();
    SDL_Event event;
    int timeout = TimeToNextTimer();
    bool got = timeout < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, timeout) != 0;
    if (!got) return true;
    do
        Translate(event);
    while (SDL_PollEvent(&event));
    return true;
}

void DisplayClose()
{
    if (!IsOpen()) return;
    Release();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace wincore

#endif
