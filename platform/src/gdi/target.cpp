// Resolving a DC to the pixels it draws on and reads from.
#include "gdi/gdi.h"
#include "window/window.h"

namespace wincore {

namespace {

void SetBoundsRegion(pixman_region32_t* region, pixman_image_t* image)
{
    pixman_region32_init_rect(region, 0, 0, pixman_image_get_width(image), pixman_image_get_height(image));
}

}  // namespace

DrawTarget::DrawTarget(HDC handle)
{
    pixman_region32_init(&clip);
    dc = Lookup<DC>(handle);
    if (!dc) return;

    POINT device = {0, 0};  // image position of the DC's device origin
    pixman_image_t* found = nullptr;
    switch (dc->type) {
    case DC::Type::Memory: {
        Bitmap* bitmap = Lookup<Bitmap>(dc->bitmap);
        if (!bitmap) return;
        found = bitmap->image;
        SetBoundsRegion(&clip, found);
        break;
    }
    case DC::Type::Window:
    case DC::Type::Paint: {
        if (!WindowDrawArea(dc->window, &found, &device, &clip)) return;
        // A window larger than its surface draws only what the surface keeps.
        pixman_region32_t bounds;
        SetBoundsRegion(&bounds, found);
        pixman_region32_intersect(&clip, &clip, &bounds);
        pixman_region32_fini(&bounds);
        if (dc->hasPaintClip) {
            pixman_region32_t paint;
            pixman_region32_init(&paint);
            pixman_region32_copy(&paint, &dc->paintClip);
            pixman_region32_translate(&paint, device.x, device.y);
            pixman_region32_intersect(&clip, &clip, &paint);
            pixman_region32_fini(&paint);
        }
        break;
    }
    case DC::Type::Screen:
        found = ComposedScreen();
        if (!found) return;
        SetBoundsRegion(&clip, found);
        break;
    }
    if (dc->hasClip) {
        pixman_region32_t user;
        pixman_region32_init(&user);
        pixman_region32_copy(&user, &dc->clip);
        pixman_region32_translate(&user, device.x, device.y);
        pixman_region32_intersect(&clip, &clip, &user);
        pixman_region32_fini(&user);
    }
    image = found;
    dx = device.x + dc->viewportOrg.x;
    dy = device.y + dc->viewportOrg.y;
    pixman_image_set_clip_region32(image, &clip);
}

DrawTarget::~DrawTarget()
{
    if (image) {
        pixman_image_set_clip_region32(image, nullptr);
        if (dc->type == DC::Type::Window || dc->type == DC::Type::Paint) MarkScreenDirty();
    }
    pixman_region32_fini(&clip);
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
        view.image = bitmap->image;
        view.bounds = {0, 0, bitmap->width, bitmap->height};
        break;
    }
    case DC::Type::Window:
    case DC::Type::Paint: {
        pixman_region32_t visible;
        pixman_region32_init(&visible);
        bool ok = WindowDrawArea(dc->window, &view.image, &device, &visible);
        pixman_region32_fini(&visible);
        if (!ok) return false;
        Window* window = FindWindow(dc->window);
        RECT client = {device.x, device.y, device.x + window->Width(), device.y + window->Height()};
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
