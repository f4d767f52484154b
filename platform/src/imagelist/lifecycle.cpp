// Creating and destroying image lists, and their size, count and background colour.
#include "imagelist/imagelist.h"

namespace wincore {

ImageList::~ImageList()
{
    for (pixman_image_t* image : images) pixman_image_unref(image);
}

std::unique_ptr<ImageList> MakeImageList(int cx, int cy, UINT flags)
{
    if (cx <= 0 || cy <= 0 || cx > kMaxBitmapSide || cy > kMaxBitmapSide) return nullptr;
    if (int64_t(cx) * cy > kMaxBitmapPixels) return nullptr;
    auto list = std::make_unique<ImageList>();
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    return list;
}

}  // namespace wincore

using namespace wincore;

WINCORE_API HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int initial, int grow)
{
    if (initial < 0 || grow < 0) return nullptr;
    auto list = MakeImageList(cx, cy, flags);
    if (!list) return nullptr;
    return static_cast<HIMAGELIST>(Register(std::move(list))->handle);
}

WINCORE_API BOOL WINAPI ImageList_Destroy(HIMAGELIST himl)
{
    if (!Lookup<ImageList>(himl)) return FALSE;
    Handles().Remove(himl);
    return TRUE;
}

WINCORE_API BOOL WINAPI ImageList_Remove(HIMAGELIST himl, int index)
{
    ImageList* list = Lookup<ImageList>(himl);
    if (!list || index < -1 || index >= int(list->images.size())) return FALSE;
    if (index == -1) {
        for (pixman_image_t* image : list->images) pixman_image_unref(image);
        list->images.clear();
        return TRUE;
    }
    pixman_image_unref(list->images[size_t(index)]);
    list->images.erase(list->images.begin() + index);
    return TRUE;
}

WINCORE_API BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy)
{
    ImageList* list = Lookup<ImageList>(himl);
    if (!list || !cx || !cy) return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

WINCORE_API int WINAPI ImageList_GetImageCount(HIMAGELIST himl)
{
    ImageList* list = Lookup<ImageList>(himl);
    return list ? int(list->images.size()) : 0;
}

WINCORE_API COLORREF WINAPI ImageList_SetBkColor(HIMAGELIST himl, COLORREF color)
{
    ImageList* list = Lookup<ImageList>(himl);
    if (!list) return CLR_NONE;
    COLORREF previous = list->bkColor;
    list->bkColor = color == CLR_NONE ? CLR_NONE : color & 0xFFFFFF;
    return previous;
}

WINCORE_API COLORREF WINAPI ImageList_GetBkColor(HIMAGELIST himl)
{
    ImageList* list = Lookup<ImageList>(himl);
    return list ? list->bkColor : CLR_NONE;
}
