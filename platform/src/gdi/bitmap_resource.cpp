// Loading bitmaps from a module's RT_BITMAP resources: LoadBitmapW and LoadImageW.
#include "gdi/bitmap_resource.h"

#include "gdi/dib.h"
#include "gdi/scale.h"

namespace wincore {

std::unique_ptr<Bitmap> BitmapFromPackedDib(const void* data, size_t size)
{
    DibFormat format;
    if (!data || !ReadDibFormat(static_cast<const BITMAPINFO*>(data), size, format)) return nullptr;
    if (size - format.headerBytes < format.ImageBytes()) return nullptr;
    auto bitmap = MakeBitmap(format.width, format.height);
    if (!bitmap) return nullptr;
    const uint8_t* bits = static_cast<const uint8_t*>(data) + format.headerBytes;
    ConvertDib(format, bits, {0, 0, format.width, format.height}, bitmap->Image());
    return bitmap;
}

std::unique_ptr<Bitmap> BitmapFromResource(HINSTANCE instance, LPCWSTR name)
{
    // Without a module Win32 would load one of its predefined bitmaps; there are none here.
    if (!instance || !name) return nullptr;
    HRSRC resource = FindResourceW(instance, name, RT_BITMAP);
    if (!resource) return nullptr;
    const void* data = LockResource(LoadResource(instance, resource));
    return BitmapFromPackedDib(data, SizeofResource(instance, resource));
}

}  // namespace wincore

using namespace wincore;

namespace {

HBITMAP RegisterBitmap(std::unique_ptr<Bitmap> bitmap)
{
    return bitmap ? static_cast<HBITMAP>(Register(std::move(bitmap))->handle) : nullptr;
}

// A loaded picture asked for at another size is scaled to it, as StretchBlt's nearest modes do.
std::unique_ptr<Bitmap> Resized(std::unique_ptr<Bitmap> bitmap, int width, int height)
{
    if (!width) width = bitmap->width;
    if (!height) height = bitmap->height;
    if (width == bitmap->width && height == bitmap->height) return bitmap;
    auto resized = MakeBitmap(width, height);
    if (!resized) return nullptr;
    ScalePixels(resized->Image(), Region(0, 0, unsigned(width), unsigned(height)), {0, 0, width, height},
                {bitmap->Image(), {0, 0, bitmap->width, bitmap->height}}, {0, 0, bitmap->width, bitmap->height},
                ScaleFilter::Nearest);
    return resized;
}

}  // namespace

WINCORE_API HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name)
{
    return RegisterBitmap(BitmapFromResource(instance, name));
}

WINCORE_API HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int width, int height, UINT flags)
{
    if (type != IMAGE_BITMAP || (flags & LR_LOADFROMFILE) || width < 0 || height < 0) return nullptr;
    auto bitmap = BitmapFromResource(instance, name);
    if (!bitmap) return nullptr;
    return RegisterBitmap(Resized(std::move(bitmap), width, height));
}
