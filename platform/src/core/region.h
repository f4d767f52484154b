// A pixman region that owns its storage, so that no code pairs pixman's init and fini by hand.
#pragma once

#include <pixman.h>

#include <utility>

namespace wincore {

// A Region is a pixman_region32_t: `&region` goes to pixman's functions as it is. Only its own
// constructors and destructor init or fini it.
class Region : public pixman_region32_t {
public:
    Region() { pixman_region32_init(this); }
    // Empty when the width or height is zero.
    Region(int x, int y, unsigned width, unsigned height) { pixman_region32_init_rect(this, x, y, width, height); }
    explicit Region(const pixman_box32_t& box) { pixman_region32_init_rects(this, &box, 1); }
    Region(const Region& other) : Region() { pixman_region32_copy(this, &other); }
    Region(Region&& other) noexcept : pixman_region32_t(other) { pixman_region32_init(&other); }
    Region& operator=(Region other) noexcept
    {
        std::swap(static_cast<pixman_region32_t&>(*this), static_cast<pixman_region32_t&>(other));
        return *this;
    }
    ~Region() { pixman_region32_fini(this); }

    void Intersect(const pixman_region32_t& other) { pixman_region32_intersect(this, this, &other); }
    void Subtract(const pixman_region32_t& other) { pixman_region32_subtract(this, this, &other); }
    Region Translated(int dx, int dy) const
    {
        Region moved(*this);
        pixman_region32_translate(&moved, dx, dy);
        return moved;
    }
};

}  // namespace wincore
