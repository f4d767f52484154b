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
    return POINT{rect.left + int(input.Word() % unsigned(width)), rect.top + int(input.Word() % unsigned(height))};
}

void Drag(FuzzInput& input, HWND target)
{
    POINT point = PenPoint(input, target);
    wincore::PenDown(point.x, point.y);
    const int moves = input.Range(1, 8);
    for (int i = 0; i < moves; i++) {
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
    POINT point = {0, 0};
    switch (which) {
    case 0:
        point = PenPoint(input, target);
        wincore::PenDown(point.x, point.y);
        break;
    case 1:
        point = PenPoint(input, target);
        wincore::PenMove(point.x, point.y);
        break;
    case 2:
        point = PenPoint(input, target);
        wincore::PenUp(point.x, point.y);
        break;
    case 3:
        point = PenPoint(input, target);
        wincore::PenDown(point.x, point.y);
        wincore::PenUp(point.x, point.y);
        break;
    case 4: Drag(input, target); break;
    case 5:
        point = PenPoint(input, target);
        for (int tap = 0; tap < 2; tap++) {
            wincore::PenDown(point.x, point.y);
            wincore::PenUp(point.x, point.y);
            wincore::Advance(DWORD(input.Range(0, 120)));
        }
        break;
    default: wincore::Advance(DWORD(input.Range(0, 700))); break;
    }
}
