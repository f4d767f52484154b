#include "surface.h"

#include <stdexcept>

namespace artgen {

Surface makeSurface(int width, int height)
{
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing surface");
    return surface;
}

Context makeContext(const Surface& surface)
{
    Context context(cairo_create(surface.get()));
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing context");
    return context;
}

int widthOf(const Surface& surface)
{
    return cairo_image_surface_get_width(surface.get());
}

int heightOf(const Surface& surface)
{
    return cairo_image_surface_get_height(surface.get());
}

}  // namespace artgen
