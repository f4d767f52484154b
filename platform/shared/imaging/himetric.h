// HIMETRIC (0.01 mm) source coordinates back to a picture's whole pixels, for the images of both
// imaging services. Header-only and free of platform types.
//
// Callers make HIMETRIC from whole pixels by truncation. Rounding that back loses a pixel above
// 1270 dpi, where one pixel spans more than half a unit; inverting the truncation does not.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace himetric {

constexpr double kPerInch = 2540.0;
constexpr double kInchesPerMillimetre = 0.03937007874015748;
constexpr double kLongMax = 2147483647.0;
constexpr double kLongMin = -2147483648.0;
constexpr int kMaxHalvings = 64;

// Whole pixels to HIMETRIC as the controls' image wrapper computes them: through millimetres per
// pixel, truncated toward zero, held within LONG. The order of operations makes the figures.
inline int64_t FromPixels(double pixels, double dpi)
{
    double pixelsPerMillimetre = dpi * kInchesPerMillimetre;
    double millimetresPerPixel = 1.0 / pixelsPerMillimetre;
    double units = (pixels * millimetresPerPixel) * 100.0;
    if (units >= kLongMax) return int64_t(kLongMax);
    if (units <= kLongMin) return int64_t(kLongMin);
    return int64_t(units);
}

// The first whole pixel whose HIMETRIC value is at least `target`: a bisection between pixels
// two units below and above it, so it stays exact however many pixels share one unit.
inline double FirstPixelFrom(int64_t target, double dpi)
{
    double pixelsPerUnit = dpi / kPerInch;
    double below = std::floor(double(target - 2) * pixelsPerUnit) - 1;
    double above = std::ceil(double(target + 2) * pixelsPerUnit) + 1;
    if (FromPixels(below, dpi) >= target) return below;  // only at LONG's lower limit
    // Each step halves the range: 64 narrow any range below 2^64 pixels to one, and the bound ends
    // the search where doubles no longer tell neighbouring pixels apart.
    for (int step = 0; step < kMaxHalvings && above - below > 1; step++) {
        double middle = std::floor((below + above) / 2);
        if (FromPixels(middle, dpi) < target)
            below = middle;
        else
            above = middle;
    }
    return above;
}

// The pixels whose HIMETRIC value is `target`: one below 2540 dpi, possibly several above. A value
// that no whole pixel truncates to (a host that rounds) gives the nearest pixel.
struct Pixels {
    double first, last;
};

inline Pixels PixelsAt(int64_t target, double dpi)
{
    Pixels pixels = {FirstPixelFrom(target, dpi), FirstPixelFrom(target + 1, dpi) - 1};
    if (pixels.first > pixels.last) pixels.first = pixels.last = std::round(double(target) * dpi / kPerInch);
    return pixels;
}

// Of the pixels from `low` to `high`, the one nearest zero. Truncation toward zero gives 0 to the
// pixels on both sides of 0; this keeps 0 the picture's first pixel, and is symmetric about it.
inline double NearestZero(double low, double high)
{
    return std::min(std::max(0.0, low), high);
}

// A source span [begin, end) in pixels from its HIMETRIC edges. Where the edges leave a choice,
// a span as wide as the destination wins, so that 1:1 stays 1:1.
struct Span {
    double begin, end;
};

inline Span SourceSpan(int64_t begin, int64_t end, double dpi, double destinationSize)
{
    Pixels first = PixelsAt(begin, dpi);
    Pixels last = PixelsAt(end, dpi);
    double low = std::max(first.first, last.first - destinationSize);
    double high = std::min(first.last, last.last - destinationSize);
    if (low <= high) {
        double left = NearestZero(low, high);
        return {left, left + destinationSize};
    }
    return {NearestZero(first.first, first.last), NearestZero(last.first, last.last)};
}

}  // namespace himetric
