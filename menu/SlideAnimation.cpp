// The panel's opening (growing past its height and settling back with a small bounce) and its
// closing (shrinking by a fifth of its height per tick until it is gone), on their 100 ms ticks or
// on shorter frames placed on the same curve by the time elapsed.
#include <cstdlib>
#include <optional>

#include "kit/TickedMotion.h"
#include "menu/SlideMenuWnd.h"
#include "menu/SlideTimers.h"

namespace {

constexpr int kOpeningSteps = 5;   // the first growth reaches a little more than the height in five ticks
constexpr int kOpeningExtra = 20;  // px that the first growth aims beyond the height
constexpr int kSettleDivisor = 3;  // after an overshoot the panel grows back by a third of it
constexpr int kClosingSteps = 5;
constexpr int kClosedExtent = 10;  // px at or below which the closing panel is destroyed

// One tick of the opening. False when it ends the opening, at the full height (at the first tick
// without the animation).
bool OpeningTick(slide::Curve& curve, int height, bool animated)
{
    const int diff = curve.extent - height;
    if (std::abs(diff) <= 1 || !animated) {
        curve.extent = height;
        return false;
    }
    if (curve.extent >= height) {
        curve.extent = height - diff / 2;
        curve.overshoot = diff;
    } else {
        curve.extent += curve.overshoot ? curve.overshoot / kSettleDivisor : (height + kOpeningExtra) / kOpeningSteps;
    }
    return true;
}

// One tick of the closing. False when it ends the closing: the panel is then destroyed.
bool ClosingTick(slide::Curve& curve, int height)
{
    if (curve.extent <= kClosedExtent) return false;
    curve.extent -= height / kClosingSteps;
    return true;
}

int ExtentOf(const slide::Curve& curve)
{
    return curve.extent;
}

// One timer message of a movement: on the ticks (interval 0) one tick, on shorter frames the
// ticks due by the time elapsed. The extent to show, or nothing when a tick ended the movement.
template <class Tick>
std::optional<int> Advance(slide::Curve& curve, int& taken, DWORD start, int interval, Tick tick)
{
    if (interval) return kit::FrameAt(curve, taken, GetTickCount() - start, slide::kTimerPeriod, tick, ExtentOf);
    taken++;
    if (!tick(curve)) return std::nullopt;
    return curve.extent;
}

}  // namespace

void CSlideMenuWnd::OnTimer(UINT_PTR id)
{
    if (id == slide::kOpeningTimer)
        OpeningStep();
    else
        ClosingStep();
}

// A movement starts from the extent shown.
void CSlideMenuWnd::StartMotion(UINT_PTR timer)
{
    curve.extent = extent;
    curveTicks = 0;
    motionStart = GetTickCount();
    motionTimer = timer;
    SetTimer(hWnd, timer, kit::FramePeriod(animationInterval, slide::kTimerPeriod), nullptr);
}

// An opening still running ends where it is.
void CSlideMenuWnd::StartClosing()
{
    KillTimer(hWnd, slide::kOpeningTimer);
    StartMotion(slide::kClosingTimer);
}

void CSlideMenuWnd::SetAnimationInterval(int ms)
{
    const bool changed = ms != animationInterval;
    CMenuWndCommon::SetAnimationInterval(ms);
    if (changed && motionTimer && IsWindow(hWnd))
        SetTimer(hWnd, motionTimer, kit::FramePeriod(ms, slide::kTimerPeriod), nullptr);
}

// The part of the panel shown at the current extent, anchored at the edge it grows from.
RECT CSlideMenuWnd::ShownRect() const
{
    switch (moveDir) {
    case MOVE_UP: return RECT{rcMenu.left, rcMenu.bottom - extent, rcMenu.right, rcMenu.bottom};
    case MOVE_DOWN: return RECT{rcMenu.left, rcMenu.top, rcMenu.right, rcMenu.top + extent};
    default: return rcMenu;
    }
}

void CSlideMenuWnd::OpeningStep()
{
    const int height = rcMenu.bottom - rcMenu.top;
    const bool animated = animate != 0;
    auto tick = [height, animated](slide::Curve& state) { return OpeningTick(state, height, animated); };
    const std::optional<int> shown = Advance(curve, curveTicks, motionStart, animationInterval, tick);
    if (!shown) {
        FinishOpening();
        return;
    }
    // The panel stays hidden until a frame has something of it to show, as until the first tick.
    if (animationInterval && *shown <= 0 && !IsWindowVisible(hWnd)) return;
    extent = *shown;
    RECT rect = ShownRect();
    MoveWindow(hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    ShowWindow(hWnd, SW_SHOW);
    InvalidateRect(hWnd, nullptr, TRUE);
    UpdateWindow(hWnd);
}

void CSlideMenuWnd::FinishOpening()
{
    KillTimer(hWnd, slide::kOpeningTimer);
    motionTimer = 0;
    const int height = rcMenu.bottom - rcMenu.top;
    MoveWindow(hWnd, rcMenu.left, rcMenu.top, rcMenu.right - rcMenu.left, height, TRUE);
    ShowWindow(hWnd, SW_SHOW);
    InvalidateRect(hWnd, nullptr, TRUE);
    extent = height;
}

void CSlideMenuWnd::ClosingStep()
{
    const int height = rcMenu.bottom - rcMenu.top;
    auto tick = [height](slide::Curve& state) { return ClosingTick(state, height); };
    const std::optional<int> shown = Advance(curve, curveTicks, motionStart, animationInterval, tick);
    if (!shown) {
        KillTimer(hWnd, slide::kClosingTimer);
        Destroy();
        return;
    }
    extent = *shown;
    RECT rect = ShownRect();
    MoveWindow(hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    ShowWindow(hWnd, SW_SHOW);
}
