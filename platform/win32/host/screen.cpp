// The screen as the host's windows compose it: whole captures and single pixels, read from each
// top-level window's own DC in Win32's z-order. Reading the screen DC instead would show what the
// X server has been given so far, which under Wine lags behind the windows' drawing.
#include <vector>

#include <wincore/host.h>

namespace wincore {

namespace {

// The process's visible top-level windows, the bottom one first.
std::vector<HWND> ShownWindowsBottomUp()
{
    std::vector<HWND> shown;
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(hwnd)) shown.insert(shown.begin(), hwnd);
    }
    return shown;
}

ScreenImage Capture()
{
    ScreenImage image;
    image.width = GetSystemMetrics(SM_CXSCREEN);
    image.height = GetSystemMetrics(SM_CYSCREEN);
    HDC desktop = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(desktop);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(desktop, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && section) {
        HGDIOBJ old = SelectObject(memory, section);
        PatBlt(memory, 0, 0, image.width, image.height, BLACKNESS);
        for (HWND hwnd : ShownWindowsBottomUp()) {
            RECT rect = {};
            GetWindowRect(hwnd, &rect);
            HDC window = GetWindowDC(hwnd);
            BitBlt(memory, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, window, 0, 0, SRCCOPY);
            ReleaseDC(hwnd, window);
        }
        GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        image.pixels.assign(pixels, pixels + size_t(image.width) * image.height);
        for (DWORD& pixel : image.pixels) pixel &= 0x00FFFFFF;
        SelectObject(memory, old);
    }
    if (section) DeleteObject(section);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, desktop);
    return image;
}

}  // namespace

ScreenImage CaptureScreen()
{
    return Capture();
}

// What the topmost visible top-level window at the point holds there.
COLORREF ScreenPixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= GetSystemMetrics(SM_CXSCREEN) || y >= GetSystemMetrics(SM_CYSCREEN))
        return CLR_INVALID;
    HWND desktop = GetDesktopWindow();
    HWND top = ChildWindowFromPointEx(desktop, POINT{x, y}, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!top) top = desktop;
    RECT rect = {};
    GetWindowRect(top, &rect);
    HDC dc = GetWindowDC(top);
    COLORREF pixel = GetPixel(dc, x - rect.left, y - rect.top);
    ReleaseDC(top, dc);
    return pixel;
}

}  // namespace wincore
