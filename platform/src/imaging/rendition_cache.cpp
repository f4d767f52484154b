#include "imaging/rendition_cache.h"

#include <algorithm>
#include <array>
#include <list>
#include <mutex>
#include <new>
#include <vector>

#include "imaging/scaled_samples.h"

namespace wincore {

namespace {

constexpr size_t kMaxRenditions = 8;
constexpr size_t kMaxBytes = size_t(2) << 20;           // 2 MiB for all renditions
constexpr size_t kMaxRenditionBytes = size_t(1) << 20;  // 1 MiB for one
constexpr size_t kSightings = 8;                        // draws remembered before they are kept

bool Same(const AxisPlan& a, const AxisPlan& b)
{
    return a.dstBegin == b.dstBegin && a.dstEnd == b.dstEnd && a.srcBegin == b.srcBegin && a.srcEnd == b.srcEnd &&
           a.scale == b.scale && a.offset == b.offset;
}

bool Same(const ScaledDraw& a, const ScaledDraw& b)
{
    return a.serial == b.serial && a.pixels == b.pixels && Same(a.x, b.x) && Same(a.y, b.y);
}

struct Rendition {
    ScaledDraw draw;
    std::vector<uint32_t> pixels;
    pixman_image_t* image = nullptr;  // over `pixels`; x8r8g8b8 when opaque, so OVER is a copy

    Rendition() = default;
    Rendition(const Rendition&) = delete;
    Rendition& operator=(const Rendition&) = delete;
    ~Rendition()
    {
        if (image) pixman_image_unref(image);
    }
    size_t bytes() const { return pixels.size() * sizeof(uint32_t); }
};

struct Cache {
    std::mutex lock;
    std::list<Rendition> kept;  // most recently drawn first
    size_t bytes = 0;
    std::array<ScaledDraw, kSightings> seen = {};  // draws made once, not kept yet
    size_t nextSeen = 0;
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

int Width(const ScaledDraw& draw)
{
    return draw.x.dstEnd - draw.x.dstBegin;
}

int Height(const ScaledDraw& draw)
{
    return draw.y.dstEnd - draw.y.dstBegin;
}

size_t Bytes(const ScaledDraw& draw)
{
    return size_t(Width(draw)) * size_t(Height(draw)) * sizeof(uint32_t);
}

// The first sighting of a draw is only remembered: a one-off scaled draw pays nothing more.
bool SeenBefore(Cache& cache, const ScaledDraw& draw)
{
    auto found =
        std::find_if(cache.seen.begin(), cache.seen.end(), [&](const ScaledDraw& seen) { return Same(seen, draw); });
    if (found != cache.seen.end()) {
        *found = ScaledDraw();
        return true;
    }
    cache.seen[cache.nextSeen] = draw;
    cache.nextSeen = (cache.nextSeen + 1) % cache.seen.size();
    return false;
}

// Scales the source as the direct composite would, destination pixel dstBegin at (0, 0).
bool Render(const ScaledDraw& draw, pixman_image_t* source, Rendition& rendition)
{
    rendition.image = SampleScaled(source, Width(draw), Height(draw), rendition.pixels);
    rendition.draw = draw;
    return rendition.image != nullptr;
}

void MakeRoom(Cache& cache, size_t bytes)
{
    while (!cache.kept.empty() && (cache.kept.size() >= kMaxRenditions || cache.bytes + bytes > kMaxBytes)) {
        cache.bytes -= cache.kept.back().bytes();
        cache.kept.pop_back();
    }
}

// The kept rendition of `draw`, made now when the draw was seen once before; null otherwise.
const Rendition* Find(Cache& cache, const ScaledDraw& draw, pixman_image_t* source)
{
    auto found = std::find_if(cache.kept.begin(), cache.kept.end(),
                              [&](const Rendition& kept) { return Same(kept.draw, draw); });
    if (found != cache.kept.end()) {
        cache.kept.splice(cache.kept.begin(), cache.kept, found);
        return &cache.kept.front();
    }
    if (!SeenBefore(cache, draw)) return nullptr;
    MakeRoom(cache, Bytes(draw));
    std::list<Rendition> made(1);
    if (!Render(draw, source, made.front())) return nullptr;
    cache.kept.splice(cache.kept.begin(), made);
    cache.bytes += Bytes(draw);
    return &cache.kept.front();
}

}  // namespace

bool CompositeKept(const ScaledDraw& draw, pixman_image_t* source, pixman_image_t* target)
{
    if (Bytes(draw) > kMaxRenditionBytes) return false;
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> hold(cache.lock);
    const Rendition* rendition = nullptr;
    try {
        rendition = Find(cache, draw, source);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!rendition) return false;
    pixman_image_composite32(PIXMAN_OP_OVER, rendition->image, nullptr, target, 0, 0, 0, 0, draw.x.dstBegin,
                             draw.y.dstBegin, Width(draw), Height(draw));
    return true;
}

void DropRenditions()
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> hold(cache.lock);
    cache.kept.clear();
    cache.bytes = 0;
    cache.seen.fill(ScaledDraw());
    cache.nextSeen = 0;
}

}  // namespace wincore
