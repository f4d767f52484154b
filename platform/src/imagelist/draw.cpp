// Drawing one image of an image list.
#include "imagelist/imagelist.h"

using namespace wincore;

namespace {

constexpr int64_t kReach = int64_t(1) << 30;

bool Reachable(int64_t x, int64_t y)
{
    return x > -kReach && x < kReach && y > -kReach && y < kReach;
}

}  // namespace

WINCORE_API BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int index, HDC dc, int x, int y, UINT style)
{
    ImageList* list = Lookup<ImageList>(himl);
    if (!list || index < 0 || index >= int(list->images.size())) return FALSE;
    DrawTarget target(dc);
    if (!target.valid()) return FALSE;
    int64_t left = int64_t(x) + target.dx, top = int64_t(y) + target.dy;
    if (!Reachable(left, top)) return TRUE;
    // A masked list shows the destination through its transparent pixels unless it has a
    // background colour and the caller did not ask for transparency.
    if (list->Masked() && list->bkColor != CLR_NONE && !(style & ILD_TRANSPARENT))
        FillSolid(target, {int(left), int(top), int(left) + list->cx, int(top) + list->cy}, list->bkColor);
    pixman_image_composite32(PIXMAN_OP_OVER, list->images[size_t(index)], nullptr, target.image, 0, 0, 0, 0,
                             int(left), int(top), list->cx, list->cy);
    return TRUE;
}
