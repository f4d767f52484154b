// Filling image lists: from bitmaps with a mask bitmap or a mask colour, and from bitmap resources.
#include <algorithm>

#include "gdi/bitmap_resource.h"
#include "imagelist/imagelist.h"

namespace wincore {

namespace {

uint32_t PixelAt(const Bitmap& bitmap, int x, int y)
{
    pixman_image_t* image = bitmap.Image();
    auto* data = reinterpret_cast<const uint8_t*>(pixman_image_get_data(image));
    return reinterpret_cast<const uint32_t*>(data + ptrdiff_t(y) * pixman_image_get_stride(image))[x];
}

// One image from the cx-wide column of `bitmap` that starts at `left`. Rows the bitmap lacks are
// transparent in a masked list and black in any other.
pixman_image_t* CutImage(const ImageList& list, const Bitmap& bitmap, int left, const MaskTest& transparent)
{
    pixman_image_t* image = pixman_image_create_bits(PIXMAN_a8r8g8b8, list.cx, list.cy, nullptr, 0);
    if (!image) return nullptr;
    auto* data = reinterpret_cast<uint8_t*>(pixman_image_get_data(image));
    int stride = pixman_image_get_stride(image);
    for (int y = 0; y < list.cy; y++) {
        auto* row = reinterpret_cast<uint32_t*>(data + ptrdiff_t(y) * stride);
        for (int x = 0; x < list.cx; x++) {
            bool present = y < bitmap.height;
            uint32_t pixel = present ? PixelAt(bitmap, left + x, y) : 0;
            if (list.Masked() && (!present || transparent(left + x, y, pixel))) continue;
            row[x] = 0xFF000000u | (pixel & 0xFFFFFF);
        }
    }
    return image;
}

}  // namespace

int AppendImages(ImageList& list, const Bitmap& bitmap, const MaskTest& transparent)
{
    int count = bitmap.width / list.cx;
    if (count == 0) return -1;
    std::vector<pixman_image_t*> added;
    for (int i = 0; i < count; i++) {
        pixman_image_t* image = CutImage(list, bitmap, i * list.cx, transparent);
        if (!image) {
            for (pixman_image_t* made : added) pixman_image_unref(made);
            return -1;
        }
        added.push_back(image);
    }
    int first = int(list.images.size());
    list.images.insert(list.images.end(), added.begin(), added.end());
    return first;
}

MaskTest ColorKey(const Bitmap& bitmap, COLORREF key)
{
    if (key == CLR_NONE) return [](int, int, uint32_t) { return false; };
    uint32_t color = (key == CLR_DEFAULT ? PixelAt(bitmap, 0, 0) : PixelFromColor(key)) & 0xFFFFFF;
    return [color](int, int, uint32_t pixel) { return (pixel & 0xFFFFFF) == color; };
}

}  // namespace wincore

using namespace wincore;

// The mask bitmap marks transparent pixels in any colour but black; where it is smaller than the
// image, the image is opaque.
WINCORE_API int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP image, HBITMAP mask)
{
    ImageList* list = Lookup<ImageList>(himl);
    Bitmap* pixels = Lookup<Bitmap>(image);
    Bitmap* maskPixels = mask ? Lookup<Bitmap>(mask) : nullptr;
    if (!list || !pixels || (mask && !maskPixels)) return -1;
    MaskTest transparent = [maskPixels](int x, int y, uint32_t) {
        if (!maskPixels || x >= maskPixels->width || y >= maskPixels->height) return false;
        return (PixelAt(*maskPixels, x, y) & 0xFFFFFF) != 0;
    };
    return AppendImages(*list, *pixels, transparent);
}

WINCORE_API int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP image, COLORREF mask)
{
    ImageList* list = Lookup<ImageList>(himl);
    Bitmap* pixels = Lookup<Bitmap>(image);
    if (!list || !pixels) return -1;
    return AppendImages(*list, *pixels, ColorKey(*pixels, mask));
}

WINCORE_API HIMAGELIST WINAPI ImageList_LoadImageW(HINSTANCE instance, LPCWSTR name, int cx, int grow, COLORREF mask,
                                                   UINT type, UINT flags)
{
    if (type != IMAGE_BITMAP || (flags & LR_LOADFROMFILE) || grow < 0) return nullptr;
    auto bitmap = BitmapFromResource(instance, name);
    if (!bitmap) return nullptr;
    auto list = MakeImageList(cx, bitmap->height, ILC_COLOR | (mask == CLR_NONE ? 0 : ILC_MASK));
    if (!list || AppendImages(*list, *bitmap, ColorKey(*bitmap, mask)) < 0) return nullptr;
    return static_cast<HIMAGELIST>(Register(std::move(list))->handle);
}
