#include "support/owner_fixture.h"

#include <cstdlib>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"

namespace {

constexpr int kScreenWidth = 800, kScreenHeight = 480;  // px

}  // namespace

void OwnerTest::SetUp()
{
    HostTest::SetUp();
    backdrop_ = std::make_unique<Canvas>(kScreenWidth, kScreenHeight);
    owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth, kScreenHeight);
    SetHandler(owner, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (onMessage) {
            auto seen = onMessage;
            seen(message, wParam, lParam);
        }
        return Answer(message, wParam, lParam, result);
    });
    wincore::Pump();
    Log().Clear();
}

void OwnerTest::TearDown()
{
    onMessage = nullptr;
    DestroyWindow(owner);
    backdrop_.reset();
    for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
    HostTest::TearDown();
}

bool OwnerTest::Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HDC dc = reinterpret_cast<HDC>(wParam);
    switch (message) {
    case WM_ERASEBKGND: return result = 1, true;  // WM_PAINT shows the backdrop
    case WM_PAINT: {
        PAINTSTRUCT paint;
        dc = BeginPaint(owner, &paint);
        const RECT& area = paint.rcPaint;
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, backdrop_->dc(), area.left,
               area.top, SRCCOPY);
        EndPaint(owner, &paint);
        return result = 0, true;
    }
    case WM_NAVLV_PAINTBK:
    case WM_NAVCTRL_PAINTBK:
        beneath = *reinterpret_cast<const RECT*>(lParam);
        BitBlt(dc, 0, 0, beneath.right - beneath.left, beneath.bottom - beneath.top, backdrop_->dc(), beneath.left,
               beneath.top, SRCCOPY);
        return result = 1, true;
    case WM_DRAWITEM:
        result = SendMessageW(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam);
        return true;
    default: return false;
    }
}

void OwnerTest::PaintBackdrop(const std::function<void(HDC)>& paint)
{
    paint(backdrop_->dc());
    InvalidateRect(owner, nullptr, TRUE);
    wincore::Pump();
}

HBITMAP OwnerTest::SolidBitmap(int width, int height, COLORREF color)
{
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    Fill(dc, RECT{0, 0, width, height}, color);
    SelectObject(dc, old);
    DeleteDC(dc);
    bitmaps_.push_back(bitmap);
    return bitmap;
}

void Tap(int x, int y)
{
    wincore::PenDown(x, y);
    wincore::PenUp(x, y);
}

std::string Str(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

std::string ScreenRect(HWND hwnd)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rect);
    return Str(rect);
}

void Fill(HDC dc, RECT rect, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

int CountPixels(const RECT& area, COLORREF color, int tolerance)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++) {
            const COLORREF at = wincore::ScreenPixel(x, y);
            count += std::abs(GetRValue(at) - GetRValue(color)) <= tolerance &&
                     std::abs(GetGValue(at) - GetGValue(color)) <= tolerance &&
                     std::abs(GetBValue(at) - GetBValue(color)) <= tolerance;
        }
    return count;
}
