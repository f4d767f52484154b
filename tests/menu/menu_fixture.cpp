#include "menu/menu_fixture.h"

void MenuTest::TearDown()
{
    menu_.Destroy();
    for (HIMAGELIST list : imageLists_) ImageList_Destroy(list);
    OwnerTest::TearDown();
}

// Tiles with clipped corners and white bars (three on odd, "hot" images), on the magenta key.
HIMAGELIST MenuTest::TileList(int count, int size)
{
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, count, 0);
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    const int m = size / 4;
    for (int i = 0; i < count; i++) {
        HBITMAP tile = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ old = SelectObject(dc, tile);
        Fill(dc, {0, 0, size, size}, RGB(255, 0, 255));
        Fill(dc, {1, 0, size - 1, size}, TileColour(i));
        Fill(dc, {0, 1, size, size - 1}, TileColour(i));
        Fill(dc, {m, m, size - m, m + 2}, RGB(255, 255, 255));
        Fill(dc, {m, size / 2 - 1, size - m, size / 2 + 1}, RGB(255, 255, 255));
        if (i % 2 == 1) Fill(dc, {m, size - m - 2, size - m, size - m}, RGB(255, 255, 255));
        SelectObject(dc, old);
        ImageList_AddMasked(list, tile, RGB(255, 0, 255));
        DeleteObject(tile);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    imageLists_.push_back(list);
    return list;
}

std::vector<std::string> MenuTest::Commands() const
{
    std::vector<std::string> commands;
    for (const std::string& line : Log().Lines())
        if (line.rfind("owner WM_COMMAND", 0) == 0) commands.push_back(line);
    return commands;
}

RECT MenuTest::Row(int index, int inset)
{
    const RECT menu = WindowRect(menu_.GetSafeHwnd());
    const int top = menu.top + inset + index * (line_ + kGap);
    return RECT{menu.left + inset, top, menu.right - inset, top + line_};
}

COLORREF TileColour(int index)
{
    static const COLORREF colours[] = {RGB(220, 40, 40), RGB(40, 170, 60), RGB(40, 90, 220), RGB(230, 170, 20)};
    return colours[index % 4];
}

SIZE MenuTextSize(const WString& text)
{
    HDC dc = GetDC(nullptr);
    HFONT font = CreateMenuFont(150, 1);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size;
}

RECT WindowRect(HWND hwnd)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rect);
    return rect;
}
