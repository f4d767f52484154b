// Glyph coverage masks: rendered once by FreeType, kept in pixman's glyph cache and composited
// from there with a solid source of the text colour.
#include <algorithm>
#include <cstring>

#include "text/paint.h"

namespace wincore {

namespace {

// pixman bounds the cache by glyph count; this bounds it by bytes too, for very large sizes.
constexpr size_t kMaxCachedBytes = 32u << 20;

struct GlyphImages {
    pixman_glyph_cache_t* cache = nullptr;
    size_t bytes = 0;
    ~GlyphImages()
    {
        if (cache) pixman_glyph_cache_destroy(cache);
    }
};

GlyphImages& Images()
{
    static GlyphImages images;
    return images;
}

void* GlyphKey(const Glyph& glyph)
{
    // Offset by one: a null key would name glyph 0, the missing-glyph box, ambiguously.
    return reinterpret_cast<void*>(uintptr_t(glyph.index) + 1);
}

const uint8_t* BitmapRow(const FT_Bitmap& bitmap, unsigned row)
{
    if (bitmap.pitch >= 0) return bitmap.buffer + size_t(row) * bitmap.pitch;
    return bitmap.buffer + size_t(bitmap.rows - 1 - row) * size_t(-bitmap.pitch);
}

const void* RenderGlyph(const Glyph& glyph)
{
    FT_GlyphSlot slot = LoadGlyph(*glyph.face, glyph.index);
    if (!slot || FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return nullptr;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return nullptr;

    pixman_image_t* image = pixman_image_create_bits(PIXMAN_a8, int(bitmap.width), int(bitmap.rows), nullptr, 0);
    if (!image) return nullptr;
    auto* pixels = reinterpret_cast<uint8_t*>(pixman_image_get_data(image));
    int stride = pixman_image_get_stride(image);
    for (unsigned row = 0; row < bitmap.rows; row++) {
        std::memcpy(pixels + size_t(row) * stride, BitmapRow(bitmap, row), bitmap.width);
    }
    GlyphImages& images = Images();
    const void* cached = pixman_glyph_cache_insert(images.cache, glyph.face->cacheKey, GlyphKey(glyph),
                                                   -slot->bitmap_left, slot->bitmap_top, image);
    images.bytes += size_t(stride) * bitmap.rows;
    pixman_image_unref(image);
    return cached;
}

}  // namespace

void FlushGlyphImages()
{
    GlyphImages& images = Images();
    if (images.cache) pixman_glyph_cache_destroy(images.cache);
    images.cache = nullptr;
    images.bytes = 0;
}

GlyphRun::GlyphRun()
{
    GlyphImages& images = Images();
    if (images.bytes > kMaxCachedBytes) FlushGlyphImages();
    if (!images.cache) images.cache = pixman_glyph_cache_create();
    if (images.cache) pixman_glyph_cache_freeze(images.cache);
}

GlyphRun::~GlyphRun()
{
    // Thawing lets pixman evict the least recently used glyphs once it holds too many.
    if (Images().cache) pixman_glyph_cache_thaw(Images().cache);
}

void GlyphRun::Add(const Glyph& glyph, int x, int y)
{
    pixman_glyph_cache_t* cache = Images().cache;
    if (!cache || !glyph.face || !glyph.ink) return;
    const void* cached = pixman_glyph_cache_lookup(cache, glyph.face->cacheKey, GlyphKey(glyph));
    if (!cached) cached = RenderGlyph(glyph);
    if (cached) glyphs_.push_back({x, y, cached});
}

void GlyphRun::Composite(pixman_image_t* image, const pixman_box32_t& bounds, COLORREF color)
{
    pixman_glyph_cache_t* cache = Images().cache;
    if (!cache || glyphs_.empty()) return;
    pixman_box32_t box;
    pixman_glyph_get_extents(cache, int(glyphs_.size()), glyphs_.data(), &box);
    box.x1 = std::max(box.x1, bounds.x1);
    box.y1 = std::max(box.y1, bounds.y1);
    box.x2 = std::min(box.x2, bounds.x2);
    box.y2 = std::min(box.y2, bounds.y2);
    if (box.x1 >= box.x2 || box.y1 >= box.y2) return;

    pixman_color_t fill = PixmanColor(color);
    pixman_image_t* source = pixman_image_create_solid_fill(&fill);
    if (!source) return;
    // The mask covers only the visible part of the run, however long the text.
    pixman_composite_glyphs(PIXMAN_OP_OVER, source, image, PIXMAN_a8, 0, 0, box.x1, box.y1, box.x1, box.y1,
                            box.x2 - box.x1, box.y2 - box.y1, cache, int(glyphs_.size()), glyphs_.data());
    pixman_image_unref(source);
}

}  // namespace wincore
