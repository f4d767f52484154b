// Shared by the menu tests: a recording owner over the whole screen (client and screen
// coordinates agree), item styles, pen taps, text measuring in the menu font, pictures.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "RKNaviMenu.h"
#include "support/host_fixture.h"
#include "support/message_log.h"

constexpr tagMW_FontStysle kWhiteText = {0x00FFFFFF, 150};
constexpr tagMW_FontStysle kRedText = {0x000000FF, 150};
constexpr UINT kPlain = MWF_ENABLED | MWF_TEXT;
constexpr int kFrame = 22;  // px of frame around the pop-up's items
constexpr int kGap = 5;     // px between items
constexpr int kTick = 100;  // ms, the sliding panel's timers

class MenuTest : public HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    HIMAGELIST TileList(int count, int size);                   // tiles in TileColour(i)
    HBITMAP SolidBitmap(int width, int height, COLORREF color);  // freed after the test
    void PaintOwnerAsMap();
    std::vector<std::string> Commands() const;  // the owner's WM_COMMAND lines

    HWND owner_ = nullptr;
    std::vector<HIMAGELIST> imageLists_;
    std::vector<HBITMAP> bitmaps_;
};

COLORREF TileColour(int index);
SIZE MenuTextSize(const WString& text, int nSize = 150);
void Tap(int x, int y);
RECT WindowRect(HWND hwnd);
int Width(const RECT& rect);
int Height(const RECT& rect);
bool Near(COLORREF a, COLORREF b, int tolerance);
// Pixels of the screen in `area` within `tolerance` of `color` in every channel.
int CountPixels(const RECT& area, COLORREF color, int tolerance = 40);
bool operator==(const RECT& a, const RECT& b);
void PrintTo(const RECT& rect, std::ostream* out);
