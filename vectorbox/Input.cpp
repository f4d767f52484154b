// The subclass procedure of the "BUTTON" window: pen taps on the arrows, the slide timers and
// the WM_COMMAND notification of each step.
#include <algorithm>
#include <optional>

#include "vectorbox/VectorBoxDefs.h"
#include "kit/FocusCue.h"
#include "kit/Guard.h"
#include "kit/TickedMotion.h"

using namespace vectorbox;

namespace {

// A sixth of the middle field per tick, at least one pixel, so that a field narrower than the
// tick count still ends its slide.
int SlideStep(int middle)
{
    return std::max(middle / kSlideTicks, 1);
}

// One tick of the slide's curve: the offset moves a step towards 0 and stays there. False when
// the tick finds it at 0 already: that tick ends the slide (and still repaints).
bool SlideTick(int& offset, int step, UINT id)
{
    const bool running = offset != 0;
    if (id == kTimerSlideBack)
        offset = std::max(offset - step, 0);
    else if (id == kTimerSlideForward)
        offset = std::min(offset + step, 0);
    return running;
}

}  // namespace

LRESULT CALLBACK CNavVectorBox::BitmapButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* box = reinterpret_cast<CNavVectorBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!box) return 0;
    // Read before handling: the owner may destroy the window while it is notified.
    WNDPROC old = box->oldWndProc;
    const int x = LOWORD(lParam), y = HIWORD(lParam);
    return kit::Guarded(
        [&]() -> LRESULT {
            if (box->focusCue) box->focusCue->Observe(hwnd, message, wParam);
            switch (message) {
            case WM_KILLFOCUS:
                box->pressedPass = -1;
                InvalidateRect(hwnd, nullptr, FALSE);
                break;
            case WM_ERASEBKGND: return 1;
            case WM_DRAWITEM: box->OnDraw(wParam, lParam, nullptr); return 1;
            case WM_TIMER: box->OnTimer(UINT(wParam)); break;
            case WM_CTLCOLORBTN:
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            case WM_LBUTTONDOWN: box->OnLButtonDown(x, y); break;
            case WM_LBUTTONUP: box->OnLButtonUp(x, y); break;
            case WM_LBUTTONDBLCLK: box->OnLButtonDown(x, y); return 1;
            case WM_GETDLGCODE: return box->DialogCode(reinterpret_cast<const MSG*>(lParam));
            // The button underneath must not act on the box's keys too: it clicks on Space itself.
            case WM_KEYDOWN:
                if (!box->OwnsKey(wParam)) break;
                box->OnKeyDown(wParam, lParam);
                return 0;
            case WM_KEYUP:
                if (box->OwnsKey(wParam)) return 0;
                break;
            case WM_NCDESTROY: box->ForgetWindow(); break;
            default: break;
            }
            return CallWindowProcW(old, hwnd, message, wParam, lParam);
        },
        [&] { return CallWindowProcW(old, hwnd, message, wParam, lParam); });
}

void CNavVectorBox::KillSlideTimers()
{
    KillTimer(hWnd, kTimerSlideBack);
    KillTimer(hWnd, kTimerSlideForward);
    slideTimer = 0;
}

int CNavVectorBox::MiddleWidth()
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(hWnd, &client);
    return client.right - client.left - 2 * passWidth;
}

void CNavVectorBox::OnLButtonDown(int x, int y)
{
    KillSlideTimers();
    slideOffset = tickedOffset = 0;
    SetPassControlWidth(passWidth);
    const POINT point = {x, y};
    pressedPass = PtInRect(&passRect[0], point) ? 0 : PtInRect(&passRect[1], point) ? 1 : -1;
    RECT client = {0, 0, 0, 0};
    GetClientRect(hWnd, &client);
    if (PtInRect(&client, point)) SetCapture(hWnd);
    InvalidateRect(hWnd, nullptr, FALSE);
}

// A step happens only when the pen comes up over the arrow on which it went down. It comes last:
// the owner may destroy the box while it is told.
void CNavVectorBox::OnLButtonUp(int x, int y)
{
    const POINT point = {x, y};
    int direction = 0;
    if (pressedPass == 0 && PtInRect(&passRect[0], point))
        direction = -1;
    else if (pressedPass == 1 && PtInRect(&passRect[1], point))
        direction = +1;
    pressedPass = -1;
    if (hWnd && GetCapture() == hWnd) {
        ReleaseCapture();
        InvalidateRect(hWnd, nullptr, TRUE);
    }
    if (direction != 0) Step(direction);
}

// The selection changes at once; the slide that follows is only drawn. The owner reads the new
// selection when it is told.
void CNavVectorBox::Step(int direction)
{
    KillSlideTimers();
    const int middle = MiddleWidth();
    if (direction < 0) {
        curSel = PreviousIndex(curSel);
        StartSlide(kTimerSlideBack, middle);
    } else {
        curSel = NextIndex(curSel);
        StartSlide(kTimerSlideForward, -middle);
    }
    NotifyClick();
}

void CNavVectorBox::NotifyClick()
{
    const WORD id = WORD(GetDlgCtrlID(hWnd));
    SendMessageW(hOwner, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
}

void CNavVectorBox::StartSlide(UINT timer, int offset)
{
    slideOffset = tickedOffset = offset;
    slideTicks = 0;
    slideStart = GetTickCount();
    slideTimer = timer;
    SetTimer(hWnd, timer, kit::FramePeriod(animationInterval, kSlidePeriod), nullptr);
}

void CNavVectorBox::OnTimer(UINT id)
{
    if (animationInterval && id == slideTimer) {
        SlideFrame(id);
        return;
    }
    const bool running = SlideTick(tickedOffset, SlideStep(MiddleWidth()), id);
    if (id == slideTimer) slideTicks++;
    slideOffset = tickedOffset;
    if (!running) KillSlideTimers();
    InvalidateRect(hWnd, nullptr, FALSE);
}

// A frame between the ticks takes the ticks due by now (a late frame takes several) and draws the
// offset on the way from the last one's towards the next one's.
void CNavVectorBox::SlideFrame(UINT id)
{
    const int step = SlideStep(MiddleWidth());
    auto tick = [step, id](int& offset) { return SlideTick(offset, step, id); };
    const DWORD elapsed = GetTickCount() - slideStart;
    const std::optional<int> at =
        kit::FrameAt(tickedOffset, slideTicks, elapsed, kSlidePeriod, tick, [](int offset) { return offset; });
    slideOffset = at.value_or(tickedOffset);
    if (!at) KillSlideTimers();
    InvalidateRect(hWnd, nullptr, FALSE);
}
