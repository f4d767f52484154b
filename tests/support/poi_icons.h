// Point-of-interest icons for list scenes (the list's golden pictures, the benchmarks): a strip of
// four 32-px white letters on rounded squares of four colours, magenta around them as the mask.
// Header-only, so that bench/ includes it as "tests/support/poi_icons.h" without the test fixtures.
#pragma once

#include <algorithm>

#include <windows.h>
#include <commctrl.h>

inline constexpr COLORREF kPoiMask = RGB(255, 0, 255);

// `letters`: one UTF-16 unit for each of the four icons.
inline HBITMAP CreatePoiStrip(HFONT font, const WCHAR* letters)
{
    const COLORREF colours[] = {RGB(46, 125, 50), RGB(230, 120, 20), RGB(198, 40, 40), RGB(21, 101, 192)};
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(dc, 128, 32);
    HGDIOBJ old = SelectObject(dc, strip), oldFont = SelectObject(dc, font);
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 128; x++) {
            int dx = std::max({5 - x % 32, x % 32 - 26, 0}), dy = std::max({5 - y, y - 26, 0});
            SetPixel(dc, x, y, dx * dx + dy * dy <= 25 ? colours[x / 32] : kPoiMask);
        }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    for (int i = 0; i < 4; i++) {
        RECT box = {32 * i, 0, 32 * i + 32, 32};
        DrawTextW(dc, &letters[i], 1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, old);
    DeleteDC(dc);
    return strip;
}

inline HIMAGELIST CreatePoiIcons(HBITMAP strip)
{
    HIMAGELIST icons = ImageList_Create(32, 32, ILC_COLOR24 | ILC_MASK, 4, 0);
    ImageList_AddMasked(icons, strip, kPoiMask);
    return icons;
}
