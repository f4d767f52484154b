#include "film.h"

#include <algorithm>
#include <cmath>

#include <wincore/host.h>

namespace demo {

namespace {

constexpr int kLastFrameHold = 2000;  // ms before the animation starts again
constexpr double kPenRadius = 13;

DWORD Blend(DWORD under, DWORD over, double alpha)
{
    DWORD result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        double a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
        result |= DWORD(std::lround(a + (b - a) * alpha)) << shift;
    }
    return result;
}

}  // namespace

void DrawPen(std::vector<DWORD>& pixels, int width, int height, POINT at)
{
    const int reach = int(kPenRadius) + 2;
    for (int y = std::max(0, int(at.y) - reach); y <= std::min(height - 1, int(at.y) + reach); y++)
        for (int x = std::max(0, int(at.x) - reach); x <= std::min(width - 1, int(at.x) + reach); x++) {
            double d = std::hypot(x - at.x, y - at.y);
            double inside = std::clamp(kPenRadius + 0.5 - d, 0.0, 1.0);
            if (inside <= 0) continue;
            DWORD& p = pixels[size_t(y) * width + x];
            double rim = std::clamp(d - (kPenRadius - 3), 0.0, 1.0);
            p = Blend(p, 0x101820, 0.35 * inside);
            p = Blend(p, 0xFFFFFF, 0.9 * rim * inside);
        }
}

void TourFilm::Capture(DWORD now, POINT pen, bool penDown)
{
    wincore::ScreenImage screen = wincore::CaptureScreen();
    if (!writer_) writer_ = std::make_unique<ApngWriter>(screen.width, screen.height);
    if (penDown) DrawPen(screen.pixels, screen.width, screen.height, pen);
    if (!pending_.empty() && now == pendingTime_) {
        pending_ = std::move(screen.pixels);
        return;
    }
    if (screen.pixels == pending_) return;
    if (!pending_.empty()) writer_->AddFrame(pending_, int(now - pendingTime_));
    pending_ = std::move(screen.pixels);
    pendingTime_ = now;
}

bool TourFilm::Write(const std::string& path)
{
    if (!writer_) return false;
    if (!pending_.empty()) writer_->AddFrame(pending_, kLastFrameHold);
    pending_.clear();
    return writer_->Write(path);
}

int TourFilm::Frames() const
{
    return (writer_ ? writer_->Frames() : 0) + (pending_.empty() ? 0 : 1);
}

}  // namespace demo
