// Image lists: equally sized images drawn by index, optionally with transparent pixels.
#pragma once

#include <pixman.h>

#include <functional>
#include <memory>
#include <vector>

#include <commctrl.h>

#include "core/handles.h"
#include "gdi/gdi.h"

namespace wincore {

struct ImageList : Object {
    static constexpr Kind kKind = Kind::ImageList;
    ~ImageList() override;

    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    COLORREF bkColor = CLR_NONE;
    // Premultiplied a8r8g8b8, cx by cy: a masked pixel is all zero, every other one opaque.
    std::vector<pixman_image_t*> images;

    bool Masked() const { return (flags & ILC_MASK) != 0; }
};

// A list of cx by cy images (not yet registered); nullptr for sizes out of range.
std::unique_ptr<ImageList> MakeImageList(int cx, int cy, UINT flags);

// Whether the bitmap pixel at (x, y), of value `pixel` (x8r8g8b8), is to be transparent.
using MaskTest = std::function<bool(int x, int y, uint32_t pixel)>;

// Splits `bitmap` into cx-wide images and appends them; the index of the first, or -1 when no
// image fits or memory runs out (the list is then unchanged). `transparent` applies to masked lists.
int AppendImages(ImageList& list, const Bitmap& bitmap, const MaskTest& transparent);

// The mask test for a colour key: CLR_NONE keys nothing, CLR_DEFAULT the top-left pixel's colour.
MaskTest ColorKey(const Bitmap& bitmap, COLORREF key);

}  // namespace wincore
