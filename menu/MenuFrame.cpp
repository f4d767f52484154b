// The translucent menu frame: loaded from the library's PNG resource, drawn as a nine-part grid.
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "menu/MenuPictures.h"

namespace menu {

void ReleaseFrameImage(CNavImage*& image)
{
    CNavImage* held = image;
    image = nullptr;
    if (!held) return;
    held->Unload();
    delete held;
}

void ReplaceFrameImage(CNavImage*& image)
{
    ReleaseFrameImage(image);
    auto* loaded = new CNavImage;
    if (!loaded->LoadFromResource(kFramePicture, GetModuleInstance(), TEXT("PNG"))) {
        ReleaseFrameImage(loaded);
        return;
    }
    image = loaded;
}

void DrawMenuFrame(CNavImage* image, HDC dc, const RECT& area)
{
    if (!image || !dc) return;
    const int k = kFrameCorner, w = image->GetWidth(), h = image->GetHeight();
    const int l = area.left, t = area.top, r = area.right, b = area.bottom;
    image->DrawStretch(dc, l, t, k, k, 0, 0, k, k);
    image->DrawStretch(dc, r - k, t, k, k, w - k, 0, k, k);
    image->DrawStretch(dc, l, b - k, k, k, 0, h - k, k, k);
    image->DrawStretch(dc, r - k, b - k, k, k, w - k, h - k, k, k);
    image->DrawStretch(dc, l + k, t, r - l - 2 * k, k, k, 0, w - 2 * k, k);
    image->DrawStretch(dc, l + k, b - k, r - l - 2 * k, k, k, h - k, w - 2 * k, k);
    image->DrawStretch(dc, l, t + k, k, b - t - 2 * k, 0, k, k, h - 2 * k);
    image->DrawStretch(dc, r - k, t + k, k, b - t - 2 * k, w - k, k, k, h - 2 * k);
    image->DrawStretch(dc, l + k, t + k, r - l - 2 * k, b - t - 2 * k, k, k, w - 2 * k, h - 2 * k);
}

}  // namespace menu
