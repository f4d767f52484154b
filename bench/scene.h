// What the cases share: a host session with the manual clock, an owner window over a map-like
// picture, and the fonts, icons and rows of an ordinary destinations list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "NavListViewEx.h"
#include "tests/support/poi_icons.h"

namespace bench {

// A fresh wincore host (manual clock) for one run of a case, stopped when the run ends.
class Session {
public:
    explicit Session(int width = 800, int height = 480);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
};

// A visible top-level window covering the screen. It shows a map-like picture, paints the same
// picture beneath controls that ask for their background and hands WM_DRAWITEM to the control
// named in it, as a host does.
class Owner {
public:
    Owner(int width, int height);
    ~Owner();
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    HWND hwnd = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PaintBeneath(HDC dc, const RECT& inOwner);

    HDC picture = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
};

// The list's three fonts: a bold title, a regular detail and a CJK address.
struct Fonts {
    Fonts();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    HFONT title = nullptr;
    HFONT detail = nullptr;
    HFONT address = nullptr;
};


struct RowText {
    const char16_t* title;
    const char16_t* distance;
    const char16_t* address;
};
constexpr int kRowKinds = 8;
const RowText& Row(int index);  // the rows repeat every kRowKinds items
int IconOf(int index);

constexpr int kItemHeight = 54;  // eight rows above the page bar on an 800 x 480 screen
constexpr int kSelectedRow = 2;
constexpr COLORREF kListBackground = RGB(250, 250, 247);
constexpr COLORREF kTitleColor = RGB(33, 37, 41);
constexpr COLORREF kDistanceColor = RGB(21, 101, 192);
constexpr COLORREF kAddressColor = RGB(108, 117, 125);
constexpr COLORREF kSelectionColor = RGB(100, 181, 246);

// The ordinary list's look: fonts, icons, right arrow, separators, page bar, colours; the
// background is solid or painted by the owner.
void SetUpOrdinaryList(NavListViewEx& list, const Fonts& fonts, HIMAGELIST icons, bool ownerBackground);
void AddRows(NavListViewEx& list, int count);
// Creates the list as a visible child of `owner` and lets it paint once; selects kSelectedRow.
bool OpenList(NavListViewEx& list, HWND owner, RECT rect, int mode = -1);

// The owner's map with the ordinary list on it at `rect`: `count` rows, kSelectedRow selected.
// `List` is NavListViewEx or a case's own class derived from it.
template <class List>
class ListScreen {
public:
    ListScreen(int width, int height, RECT rect, int count, bool ownerBackground)
        : session(width, height),
          owner(width, height),
          strip(CreatePoiStrip(fonts.title, TEXT("HFSP"))),
          icons(CreatePoiIcons(strip))
    {
        SetUpOrdinaryList(list, fonts, icons, ownerBackground);
        AddRows(list, count);
        opened = OpenList(list, owner.hwnd, rect);
    }
    ~ListScreen()
    {
        list.Destroy();
        ImageList_Destroy(icons);
        DeleteObject(strip);
    }
    ListScreen(const ListScreen&) = delete;
    ListScreen& operator=(const ListScreen&) = delete;
    HWND Window() { return list.GetSafeHand(); }

    Session session;
    Owner owner;
    Fonts fonts;
    HBITMAP strip;
    HIMAGELIST icons;
    List list;
    bool opened = false;
};

// One paint through the window manager: the whole window is invalidated and the queue pumped.
void Repaint(HWND hwnd);

// With RKNAV_BENCH_PICTURES=DIR in the environment, writes the screen to DIR/<name>.png, so that
// the pictures the cases paint can be looked at.
void KeepScreen(const char* name);

}  // namespace bench
