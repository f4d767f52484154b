// The translucent menu frame, loaded from the library's PNG resource, and handle helpers.
#include "menu/MenuPictures.h"

#include "frame/Module.h"
#include "frame/NavImage.h"
#include "NavHandles.h"
#include "kit/NinePart.h"
#include "resources/resource.h"

namespace menu {

CNavImage* LoadFrameImage()
{
    auto* image = new CNavImage;
    if (image->LoadFromResource(IDR_MENU_FRAME, GetModuleInstance(), TEXT("PNG"))) return image;
    navctrl::ReleasePicture()(image);
    return nullptr;
}

void DrawMenuFrame(CNavImage* image, HDC dc, const RECT& area)
{
    if (image && dc) kit::DrawNinePart(*image, dc, area, kFrameCorner);
}

void DeleteBitmap(HBITMAP& bitmap)
{
    HBITMAP held = bitmap;
    bitmap = nullptr;
    if (held) DeleteObject(held);
}

bool IsDeviceContext(HDC dc)
{
    DWORD type = GetObjectType(dc);
    return type == OBJ_DC || type == OBJ_MEMDC;
}

}  // namespace menu
