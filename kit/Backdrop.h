// A copy of the pixels behind a control (the drop-down list's snapshot, a menu's backdrop): a
// memory DC, its bitmap and the bitmap that bitmap displaced.
#pragma once

#include <windows.h>

namespace kit {

struct Backdrop {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ displaced = nullptr;
};

// A new backdrop of the given size compatible with `like`; false (and nothing held) on failure.
bool CreateBackdrop(Backdrop& backdrop, HDC like, int width, int height);
// Replaces the backdrop with `area`'s size of `wnd`'s pixels from `area`'s top-left corner; with a
// null `wnd` the screen's.
bool CaptureBackdrop(Backdrop& backdrop, HWND wnd, const RECT& area);
// Safe to enter again while it runs: each handle is forgotten right after its release.
void ReleaseBackdrop(Backdrop& backdrop);

}  // namespace kit
