// What tests, benchmarks, fuzzers and the demo use to drive wincore.
#pragma once

#include <windows.h>

#include <vector>

#pragma GCC visibility push(default)
namespace wincore {

struct HostConfig {
    int screenWidth = 800;
    int screenHeight = 480;
    int dpi = 96;
    bool manualClock = true;  // false: real monotonic time
};

void HostStart(const HostConfig& config = HostConfig());  // fresh screen, no windows, clock at 0
void HostStop();  // destroys every window left; clears focus, capture, timers, queue
DWORD HostNow();  // the platform clock in ms (what GetTickCount returns)
void Advance(DWORD ms);  // manual clock: steps to each timer due on the way, in order,
                         // delivering it and pumping after each, then to now + ms
// Dispatches everything pending now: posted, input, paint, due timers. Key messages go the way a
// host's message loop takes them: through IsDialogMessageW of their top-level window when that
// window is a dialog or has WS_EX_CONTROLPARENT, else TranslateMessage and DispatchMessageW.
void Pump();
void PenDown(int x, int y);  // screen coordinates; routed as hardware input, then Pump()
void PenMove(int x, int y);
void PenUp(int x, int y);
// A key as hardware input (a virtual-key code, VK_*): WM_KEYDOWN / WM_KEYUP (WM_SYSKEY* with Alt
// held and for F10) go to the focus window, or the active window when nothing has the focus, with
// a repeat count of 1 and the key's scan code; then Pump().
void KeyDown(UINT vk);
void KeyUp(UINT vk);
COLORREF ScreenPixel(int x, int y);  // the composed screen
bool SaveScreenPng(const char* path);
int LiveGdiObjects();  // created and not yet deleted (stock objects excluded)
int LiveWindows();
int ComInitCount();    // CoInitializeEx calls not yet balanced by CoUninitialize
int LiveComObjects();  // COM objects (factories, images, streams) not yet released
// Bytes the imaging factories keep of the pictures they decoded from streams (pixels and the
// encoded bytes that key them), to share with later images of the same bytes; at most 4 MiB,
// the least recently used dropped first, and no picture of more than 1 MiB. 0 while no factory
// is alive.
size_t DecodedPictureBytes();

// A test hook for running without pictures: FindResourceW (and so LoadBitmapW, image lists and
// picture loads) finds no resource of `type` (RT_BITMAP, "PNG", ...) in `module`, as if the module
// had been built without them, until RestoreResources or HostStop.
void WithholdResources(HMODULE module, LPCWSTR type);
void RestoreResources();

// The composed screen as it is now, row by row, each pixel 0x00RRGGBB.
struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
};
ScreenImage CaptureScreen();
// Screen images as PNG files (8-bit RGB). False when the image is empty or does not match its size,
// or the file cannot be written, read or is larger than 16384 pixels a side; `*image` is then unchanged.
bool SavePng(const char* path, const ScreenImage& image);
bool LoadPng(const char* path, ScreenImage* image);

// The display backend: a desktop window (SDL2) that shows the composed screen, each pixel
// `scale` x `scale`, and turns the mouse's left button and touch into pen input, the keyboard into
// keys (as KeyDown/KeyUp, without pumping) and each notch of the mouse wheel into a press of VK_UP
// (turned away from the user) or VK_DOWN, as an encoder knob reports. Use it with the real clock
// (HostConfig::manualClock = false); HostStart first, since the window takes the screen's size. A
// host drives it with an ordinary message loop:
//     for (;;) {
//         while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
//             if (msg.message == WM_QUIT) return int(msg.wParam);
//             TranslateMessage(&msg);
//             DispatchMessageW(&msg);
//         }
//         DisplayWait();
//     }
bool DisplayOpen(const char* title, int scale = 1);  // false: no display here, no SDL2, or a manual clock
// Shows the screen if it changed since last shown, then sleeps until the next timer is due or the
// display has input, which it queues as pen input and keys; closing the window posts WM_QUIT.
// Returns false (at once) when no display is open.
bool DisplayWait();
void DisplayClose();  // closes the window; harmless when none is open

}  // namespace wincore
#pragma GCC visibility pop
