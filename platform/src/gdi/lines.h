// Pen lines, shared by the line and shape functions.
#pragma once

#include <cstdint>

#include "gdi/gdi.h"

namespace wincore {

struct LinePoint {
    int64_t x = 0;
    int64_t y = 0;
};

// Coordinates beyond this are refused: no device reaches them, and the arithmetic stays exact.
constexpr int64_t kMaxLineCoordinate = int64_t(1) << 27;
bool InLineRange(const LinePoint& point);

// Draws the pen's line from `from` (image coordinates) towards `to`, leaving out `to` itself. A
// dashed pen starts its pattern at `dashPhase` and leaves it where the line ends. Both points must
// be in range.
void DrawLine(DrawTarget& target, const Pen& pen, LinePoint from, LinePoint to, int64_t& dashPhase);

}  // namespace wincore
