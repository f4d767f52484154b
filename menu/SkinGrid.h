// The sliding panel's bitmap skins drawn as grids.
#pragma once

#include <windows.h>

namespace menu {

// The dark panel over `area`: 10-pixel top corners, side strips down to the bottom edge.
void DrawPanelGrid(HDC dc, HBITMAP panel, const RECT& area);
// The gold bar behind a hot item: 6-pixel corners, stretched edges and centre.
void DrawHighlightGrid(HDC dc, HBITMAP highlight, const RECT& area);

}  // namespace menu
