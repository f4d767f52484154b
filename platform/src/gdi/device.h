// The display device as GDI sees it: the pixels of windows and of the screen, and the resolution.
// The window manager implements these; GDI knows windows only by handle, through them.
#pragma once

#include <pixman.h>

#include <windows.h>

#include "core/region.h"

namespace wincore {

// The pixels a window's DC draws on: its top-level surface, the client origin and size within it
// and the visible region in surface coordinates.
struct WindowArea {
    pixman_image_t* surface = nullptr;
    POINT origin = {0, 0};
    SIZE client = {0, 0};
    Region visible;
};
// False when the window cannot be drawn on.
bool WindowDrawArea(HWND hwnd, WindowArea& area);

// The composed screen, brought up to date.
pixman_image_t* ComposedScreen();
void MarkScreenDirty();
int ScreenDpi();

}  // namespace wincore
