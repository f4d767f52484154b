// The host the control tests share: a visible recording window "owner" over the whole screen (its
// client and screen coordinates agree) that shows a backdrop picture, paints it beneath controls
// that ask (WM_NAVLV_PAINTBK, WM_NAVCTRL_PAINTBK), hands owner-drawn controls their WM_DRAWITEM,
// and shows every message it receives to `onMessage`.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/canvas.h"
#include "support/host_fixture.h"
#include "support/message_log.h"

class OwnerTest : public HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Paints the backdrop (white until then) in the owner's client coordinates and shows it.
    void PaintBackdrop(const std::function<void(HDC)>& paint);
    HBITMAP SolidBitmap(int width, int height, COLORREF color);  // released after the test

    HWND owner = nullptr;
    // Sees each message before the owner answers it; it may replace itself.
    std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> onMessage;
    RECT beneath = {0, 0, 0, 0};  // the last area a control asked the owner to paint beneath it

private:
    bool Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    std::unique_ptr<Canvas> backdrop_;
    std::vector<HBITMAP> bitmaps_;
};

void Tap(int x, int y);
std::string Str(const RECT& rect);  // "left,top,right,bottom"
std::string ScreenRect(HWND hwnd);
void Fill(HDC dc, RECT rect, COLORREF color);
// Screen pixels in `area` within `tolerance` of `color` in every channel.
int CountPixels(const RECT& area, COLORREF color, int tolerance = 0);
