// Resolving a DC to the pixels it draws on and reads from.
#include <algorithm>
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

int Clamped(int64_t value)
{
    return int(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int ClampedSum(LONG a, int b)
{
    return Clamped(int64_t(a) + b);
}

}  // namespace

RECT SpanRect(int x, int y, int width, int height)
{
    const int64_t right = int64_t(x) + width, bottom = int64_t(y) + height;
    return RECT{Clamped(std::min<int64_t>(x, right)), Clamped(std::min<int64_t>(y, bottom)),
                Clamped(std::max<int64_t>(x, right)), Clamped(std::max<int64_t>(y, bottom))};
}

bool ReadsWholly(const SourceView& view, int x, int y, int width, int height)
{
    const RECT span = SpanRect(x, y, width, height);
    const int64_t left = int64_t(span.left) + view.dx, top = int64_t(span.top) + view.dy;
    const int64_t right = int64_t(span.right) + view.dx, bottom = int64_t(span.bottom) + view.dy;
    return left < right && top < bottom && left >= view.bounds.left && top >= view.bounds.top &&
           right <= view.bounds.right && bottom <= view.bounds.bottom;
}

pixman_image_t* DrawTarget::PreparedPixels(Bitmap& bitmap, const RECT* overwritten) const
{
    if (!overwritten || overwritten->left >= overwritten->right || overwritten->top >= overwritten->bottom)
        return bitmap.Image();
    Region written(pixman_box32_t{ClampedSum(overwritten->left, dx), ClampedSum(overwritten->top, dy),
                                  ClampedSum(overwritten->right, dx), ClampedSum(overwritten->bottom, dy)});
    written.Intersect(clip);
    return bitmap.ImageToOverwrite(written);
}

DrawTarget::DrawTarget(HDC handle, const RECT* overwritten)
{
    dc = Lookup<DC>(handle);
    if (!dc) return;

    POINT device = {0, 0};  // image position of the DC's device origin
    pixman_image_t* found = nullptr;
    Bitmap* memory = nullptr;
    switch (dc->type) {
    case DC::Type::Memory: {
        memory = Lookup<Bitmap>(dc->bitmap);
        if (!memory) return;
        clip = Region(0, 0, unsigned(memory->width), unsigned(memory->height));
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
    dx = device.x + dc->viewportOrg.x;
    dy = device.y + dc->viewportOrg.y;
    image = memory ? PreparedPixels(*memory, overwritten) : found;
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
