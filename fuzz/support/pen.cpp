#include "support/pen.h"

#include <wincore/host.h>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 480;
constexpr int kMargin = 12;

POINT PenPoint(FuzzInput& input, HWND target)
{
    RECT rect = {0, 0, kScreenWidth, kScreenHeight};
    if (input.Byte() < 224 && IsWindow(target)) {
        GetWindowRect(target, &rect);
        InflateRect(&rect, kMargin, kMargin);
    }
    const int width = rect.right > rect.left ? int(rect.right - rect.left) : 1;
    const int height = rect.bottom > rect.top ? int(rect.bottom - rect.top) : 1;
    // A braced list is read left to right.
    return POINT{rect.left + int(input.Word() % unsigned(width)), rect.top + int(input.Word() % unsigned(height))};
}

void Tap(POINT point)
{
    wincore::PenDown(point.x, point.y);
    wincore::PenUp(point.x, point.y);
}

void Drag(FuzzInput& input, POINT point)
{
    wincore::PenDown(point.x, point.y);
    for (int moves = input.Range(1, 8); moves > 0; moves--) {
        point.x += input.Range(-40, 40);
        point.y += input.Range(-90, 90);
        wincore::Advance(DWORD(input.Range(0, 60)));
        wincore::PenMove(point.x, point.y);
    }
    wincore::PenUp(point.x, point.y);
}

}  // namespace

void PenGesture(FuzzInput& input, int which, HWND target)
{
    if (which >= 6) {
        wincore::Advance(DWORD(input.Range(0, 700)));
        return;
    }
    const POINT point = PenPoint(input, target);
    switch (which) {
    case 0: wincore::PenDown(point.x, point.y); break;
    case 1: wincore::PenMove(point.x, point.y); break;
    case 2: wincore::PenUp(point.x, point.y); break;
    case 3: Tap(point); break;
    case 4: Drag(input, point); break;
    default:
        for (int tap = 0; tap < 2; tap++) {
            Tap(point);
            wincore::Advance(DWORD(input.Range(0, 120)));
        }
        break;
    }
}
