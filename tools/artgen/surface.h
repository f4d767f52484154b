// RAII ownership of cairo image surfaces and drawing contexts.
#pragma once

#include <cairo.h>

#include <memory>

namespace artgen {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A fully transparent ARGB32 surface.
Surface makeSurface(int width, int height);
Context makeContext(const Surface& surface);

int widthOf(const Surface& surface);
int heightOf(const Surface& surface);

}  // namespace artgen
