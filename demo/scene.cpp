#include "scene.h"

#include <imaging.h>
#include <objbase.h>

#include <cstring>

#include "demo_resources.h"

namespace demo {

namespace {

// A stream over a copy of a PNG resource of the demo.
IStream* ResourceStream(HINSTANCE instance, int id)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), TEXT("PNG"));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return nullptr;
    DWORD size = SizeofResource(instance, found);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    void* bytes = copy ? GlobalLock(copy) : nullptr;
    if (!bytes) {
        if (copy) GlobalFree(copy);
        return nullptr;
    }
    memcpy(bytes, data, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    return stream;
}

// Draws a PNG resource of the demo over `dc`, scaled to `size`, keeping its alpha.
bool DrawPicture(IImagingFactory* factory, HINSTANCE instance, int id, HDC dc, const RECT& size)
{
    IStream* stream = ResourceStream(instance, id);
    if (!stream) return false;
    IImage* image = nullptr;
    HRESULT created = factory->CreateImageFromStream(stream, &image);
    stream->Release();
    if (FAILED(created)) return false;
    bool drawn = SUCCEEDED(image->Draw(dc, &size, nullptr));
    image->Release();
    return drawn;
}

// Desktop Windows may have the imaging service unregistered: then it is the one beside the program.
IImagingFactory* OpenImagingFactory()
{
#if defined(_WIN32) && !defined(_WIN32_WCE)
    return CreateImagingFactory(nullptr);
#else
    IImagingFactory* factory = nullptr;
    CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                     reinterpret_cast<void**>(&factory));
    return factory;
#endif
}

}  // namespace

bool Scene::Load(HINSTANCE instance, int width, int height)
{
    Release();
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!dc_ || !bitmap_) {
        Release();
        return false;
    }
    oldBitmap_ = SelectObject(dc_, bitmap_);
    IImagingFactory* factory = OpenImagingFactory();
    if (!factory) {
        Release();
        return false;
    }
    RECT all = {0, 0, width, height};
    bool drawn = DrawPicture(factory, instance, IDR_MAP, dc_, all) && DrawPicture(factory, instance, IDR_CHROME, dc_, all);
    factory->Release();
    if (!drawn) Release();
    return drawn;
}

void Scene::Release()
{
    if (dc_ && oldBitmap_) SelectObject(dc_, oldBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    oldBitmap_ = nullptr;
}

void Scene::Copy(HDC dc, int x, int y, const RECT& area) const
{
    if (!dc_ || !dc) return;
    BitBlt(dc, x, y, area.right - area.left, area.bottom - area.top, dc_, area.left, area.top, SRCCOPY);
}

}  // namespace demo
