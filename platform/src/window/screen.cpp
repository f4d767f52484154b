// The screen: composition of the visible top-level surfaces, read by GetDC(NULL) and the host.
#include <cstdio>
#include <vector>

#include "gdi/gdi.h"
#include "window/manager.h"

namespace wincore {

namespace {

constexpr COLORREF kDesktopColor = RGB(0, 0, 0);

void EnsureScreen()
{
    Manager& wm = WM();
    if (wm.screen) return;
    int width = std::max(wm.config.screenWidth, 1), height = std::max(wm.config.screenHeight, 1);
    wm.screen = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, nullptr, width * 4);
    wm.screenDirty = true;
}

}  // namespace

void MarkScreenDirty()
{
    WM().screenDirty = true;
}

void ResetScreen()
{
    Manager& wm = WM();
    if (wm.screen) pixman_image_unref(wm.screen);
    wm.screen = nullptr;
    EnsureScreen();
}

pixman_image_t* ComposedScreen()
{
    EnsureScreen();
    Manager& wm = WM();
    if (!wm.screenDirty) return wm.screen;
    // The desktop shows only where no window lies: a full-screen window leaves nothing to fill.
    pixman_region32_t desktopArea;
    pixman_region32_init_rect(&desktopArea, 0, 0, unsigned(pixman_image_get_width(wm.screen)),
                              unsigned(pixman_image_get_height(wm.screen)));
    for (auto it = wm.topLevels.rbegin(); it != wm.topLevels.rend(); ++it) {
        Window* window = FindWindow(*it);
        if (!window->Visible() || !window->surface) continue;
        pixman_image_composite32(PIXMAN_OP_SRC, window->surface, nullptr, wm.screen, 0, 0, 0, 0, window->rect.left,
                                 window->rect.top, window->Width(), window->Height());
        pixman_region32_t covered;
        pixman_region32_init_rect(&covered, window->rect.left, window->rect.top, unsigned(std::max(window->Width(), 0)),
                                  unsigned(std::max(window->Height(), 0)));
        pixman_region32_subtract(&desktopArea, &desktopArea, &covered);
        pixman_region32_fini(&covered);
    }
    int boxes = 0;
    pixman_box32_t* uncovered = pixman_region32_rectangles(&desktopArea, &boxes);
    pixman_color_t desktop = PixmanColor(kDesktopColor);
    if (boxes > 0) pixman_image_fill_boxes(PIXMAN_OP_SRC, wm.screen, &desktop, boxes, uncovered);
    pixman_region32_fini(&desktopArea);
    wm.screenDirty = false;
    return wm.screen;
}

COLORREF ScreenPixel(int x, int y)
{
    pixman_image_t* screen = ComposedScreen();
    if (x < 0 || y < 0 || x >= pixman_image_get_width(screen) || y >= pixman_image_get_height(screen))
        return CLR_INVALID;
    uint32_t* data = pixman_image_get_data(screen);
    return ColorFromPixel(data[y * (pixman_image_get_stride(screen) / 4) + x]);
}

}  // namespace wincore
