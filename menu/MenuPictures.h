// Pictures the menus paint with beyond the kit's: the translucent frame and the sliding panel's
// bitmap skins, and the few handle helpers both menus use.
#pragma once

#include <windows.h>

class CNavImage;

namespace menu {

constexpr int kFrameCorner = 22;      // px, corners of the frame grid
constexpr int kPanelCorner = 10;      // px, corners of the panel skin (it has no bottom ones)
constexpr int kHighlightCorner = 6;   // px, corners of the highlight behind a hot item
constexpr COLORREF kKeyColour = 0x00FF00FF;

// The frame picture, loaded afresh; null when it cannot be loaded.
CNavImage* LoadFrameImage();
// The frame as nine parts over `area`; nothing without DC or picture.
void DrawMenuFrame(CNavImage* image, HDC dc, const RECT& area);

void DeleteBitmap(HBITMAP& bitmap);
bool IsDeviceContext(HDC dc);

}  // namespace menu
