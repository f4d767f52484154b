// The menu tests' host: the shared owner, a menu, item styles, tile icons, text measures.
#pragma once

#include <string>
#include <vector>

#include "RKNaviMenu.h"
#include "support/owner_fixture.h"

constexpr tagMW_FontStysle kWhiteText = {0x00FFFFFF, 150};
constexpr tagMW_FontStysle kRedText = {0x000000FF, 150};
constexpr UINT kPlain = MWF_ENABLED | MWF_TEXT;
constexpr int kFrame = 22;  // px of frame around the pop-up's items
constexpr int kGap = 5;     // px between items
constexpr int kTick = 100;  // ms, the sliding panel's timers
constexpr int kNear = 40;   // per channel: antialiased text still counts as its colour

COLORREF TileColour(int index);
SIZE MenuTextSize(const WString& text);
RECT WindowRect(HWND hwnd);

class MenuTest : public OwnerTest {
protected:
    void TearDown() override;  // destroys menu_ first, so that the leak check sees its window go
    HIMAGELIST TileList(int count, int size);  // tiles in TileColour(i)
    std::vector<std::string> Commands() const;  // the owner's WM_COMMAND lines
    // Item `index`'s row on the screen, `inset` px inside menu_'s window, all items one line high.
    RECT Row(int index, int inset);

    CRKNaviMenu menu_;
    const int line_ = MenuTextSize(TEXT("Home")).cy;

private:
    std::vector<HIMAGELIST> imageLists_;
};

