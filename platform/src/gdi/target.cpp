// Resolving a DC to the pixels it draws on and reads from.
#include <cstdint>
#include <utility>

#include "gdi/device.h"
#include "gdi/gdi.h"

namespace wincore {

namespace {

Region ImageBounds(pixman_image_t* image)
{
    return Region(0, 0, pixman_image_get_width(image), pixman_image_get_height(image));
}

// Whether `overwritten` (logical) takes in every pixel of the bitmap, with no clip to spare any.
bool CoversBitmap(const DC& dc, const Bitmap& bitmap, const RECT* overwritten)
{
    if (!overwritten || dc.clip) return false;
    const int64_t x = dc.viewportOrg.x, y = dc.viewportOrg.y;
    return overwritten->left + x <= 0 && overwritten->top + y <= 0 && overwritten->right + x >= bitmap.width &&
           overwritten->bottom + y >= bitmap.height;
}

}  // namespace

DrawTarget::DrawTarget(HDC handle, const RECT* overwritten)
{
    dc = Lookup<DC>(handle);
    if (!dc) return;

    POINT device = {0, 0};  // image position of the DC's device origin
    pixman_image_t* found = nullptr;
    switch (dc->type) {
    case DC::Type::Memory: {
        Bitmap* bitmap = Lookup<Bitmap>(dc->bitmap);
        if (!bitmap) return;
        found = CoversBitmap(*dc, *bitmap, overwritten) ? bitmap->ImageToOverwrite() : bitmap->Image();
        clip = ImageBounds(found);
        break;
    }
    case DC::Type::Window:
    case DC::Type::Paint: {
        WindowArea area;
        if (!WindowDrawArea(dc->window, area)) return;
        found = area.surface;
        device = area.origin;
        clip = std::move(area.visible);
        // A window larger than its surface draws only what the surface keeps.
        clip.Intersect(ImageBounds(found));
        if (dc->paintClip) clip.Intersect(dc->paintClip->Translated(device.x, device.y));
        break;
    }
    case DC::Type::Screen:
        found = ComposedScreen();
        if (!found) return;
        clip = ImageBounds(found);
        break;
    }
    if (dc->clip) clip.Intersect(dc->clip->Translated(device.x, device.y));
    image = found;
    dx = device.x + dc->viewportOrg.x;
    dy = device.y + dc->viewportOrg.y;
    pixman_image_set_clip_region32(image, &clip);
}

DrawTarget::~DrawTarget()
{
    if (!image) return;
    pixman_image_set_clip_region32(image, nullptr);
    if (dc->type == DC::Type::Window || dc->type == DC::Type::Paint) MarkScreenDirty();
}

bool ReadSource(HDC handle, SourceView& view)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc) return false;
    POINT device = {0, 0};
    switch (dc->type) {
    case DC::Type::Memory: {
        Bitmap* bitmap = Lookup<Bitmap>(dc->bitmap);
        if (!bitmap) return false;
        view.image = bitmap->Image();
        view.bounds = {0, 0, bitmap->width, bitmap->height};
        break;
    }
    case DC::Type::Window:
    case DC::Type::Paint: {
        WindowArea area;
        if (!WindowDrawArea(dc->window, area)) return false;
        view.image = area.surface;
        device = area.origin;
        RECT client = {device.x, device.y, device.x + area.client.cx, device.y + area.client.cy};
        RECT surface = {0, 0, pixman_image_get_width(view.image), pixman_image_get_height(view.image)};
        IntersectRect(&view.bounds, &client, &surface);
        break;
    }
    case DC::Type::Screen:
        view.image = ComposedScreen();
        if (!view.image) return false;
        view.bounds = {0, 0, pixman_image_get_width(view.image), pixman_image_get_height(view.image)};
        break;
    }
    view.dx = device.x + dc->viewportOrg.x;
    view.dy = device.y + dc->viewportOrg.y;
    return true;
}

void FillSolid(DrawTarget& target, const pixman_box32_t& rect, COLORREF color)
{
    if (rect.x1 >= rect.x2 || rect.y1 >= rect.y2) return;
    pixman_color_t fill = PixmanColor(color);
    pixman_image_fill_boxes(PIXMAN_OP_SRC, target.image, &fill, 1, &rect);
}

}  // namespace wincore
