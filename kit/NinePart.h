// Frames drawn as nine parts: fixed corners, edges stretched along, the centre stretched both
// ways, so that one picture frames an area of any size.
#pragma once

#include <windows.h>

#include "RKNavCtrlExApi.h"

class CNavImage;

namespace kit {

// A PNG frame over `area` with corners of `corner` pixels: corners first, then edges, then the
// centre, each blended over what is there. Exported for the benchmarks.
RKNAVCTRLEX_API void DrawNinePart(CNavImage& frame, HDC dc, const RECT& area, int corner);

// A bitmap skin over `area` with corners of `corner` pixels, copied (no blending): centre, edges,
// then corners. Without bottom corners (`bottomCorners` false) the side strips run down to the
// area's bottom edge. A part squeezed to nothing is left out rather than drawn mirrored.
void DrawBitmapGrid(HDC dc, HBITMAP skin, const RECT& area, int corner, bool bottomCorners);

}  // namespace kit
