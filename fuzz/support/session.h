// One fuzz input's run of the wincore host, the host's own windows and pictures, and how a fuzzer
// reports a broken invariant.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

// Prints what went wrong and aborts, so that libFuzzer keeps the input that did it.
[[noreturn]] void Fault(const char* what);
inline void Check(bool holds, const char* what)
{
    if (!holds) Fault(what);
}

// Runs `run` on a fresh host (screen, manual clock); once it has released everything, no window
// and no GDI or COM object that it made may be alive. Returns 0, what libFuzzer expects.
int OnFreshHost(const std::function<void()>& run);

// A window that stands for the host application: it paints itself and what lies beneath a control
// when asked, hands an owner-drawn item's drawing back to its control, and runs the notify handler
// for every notification a control sends it (WM_COMMAND and the list's messages).
HWND CreateOwner(DWORD style, int x, int y, int width, int height, HWND parent);
void SetNotifyHandler(std::function<void()> handler);

// A font of `height` pixels, and a bitmap filled with a stock brush; the caller deletes them.
HFONT CreateTextFont(int height);
HBITMAP SolidBitmap(int width, int height, int stockBrush);

// A memory DC with a grey 32-bit top-down DIB section of its own, whose pixels are read from memory.
class Offscreen {
public:
    Offscreen(int width, int height);
    ~Offscreen();
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    HDC dc() const { return dc_; }
    uint32_t At(int x, int y) const { return pixels_[y * width_ + x]; }

private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ displaced_ = nullptr;
    const uint32_t* pixels_ = nullptr;
};
