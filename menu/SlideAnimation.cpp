// The panel's opening (growing past its height and settling back with a small bounce) and its
// closing (shrinking by a fifth of its height per tick until it is gone).
#include <cstdlib>

#include "menu/SlideMenuWnd.h"
#include "menu/SlideTimers.h"

namespace {

constexpr int kOpeningSteps = 5;   // the first growth reaches a little more than the height in five ticks
constexpr int kOpeningExtra = 20;  // px that the first growth aims beyond the height
constexpr int kSettleDivisor = 3;  // after an overshoot the panel grows back by a third of it
constexpr int kClosingSteps = 5;
constexpr int kClosedExtent = 10;  // px at or below which the closing panel is destroyed

}  // namespace

void CSlideMenuWnd::OnTimer(UINT_PTR id)
{
    if (id == slide::kOpeningTimer)
        OpeningStep();
    else
        ClosingStep();
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
    const int diff = extent - height;
    if (std::abs(diff) <= 1 || !animate) {
        KillTimer(hWnd, slide::kOpeningTimer);
        MoveWindow(hWnd, rcMenu.left, rcMenu.top, rcMenu.right - rcMenu.left, height, TRUE);
        ShowWindow(hWnd, SW_SHOW);
        InvalidateRect(hWnd, nullptr, TRUE);
        extent = height;
        return;
    }
    if (extent >= height) {
        extent = height - diff / 2;
        overshoot = diff;
    } else {
        extent += overshoot ? overshoot / kSettleDivisor : (height + kOpeningExtra) / kOpeningSteps;
    }
    RECT shown = ShownRect();
    MoveWindow(hWnd, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, TRUE);
    ShowWindow(hWnd, SW_SHOW);
    InvalidateRect(hWnd, nullptr, TRUE);
    UpdateWindow(hWnd);
}

void CSlideMenuWnd::ClosingStep()
{
    if (extent <= kClosedExtent) {
        KillTimer(hWnd, slide::kClosingTimer);
        Destroy();
        return;
    }
    extent -= (rcMenu.bottom - rcMenu.top) / kClosingSteps;
    RECT shown = ShownRect();
    MoveWindow(hWnd, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, TRUE);
    ShowWindow(hWnd, SW_SHOW);
}
