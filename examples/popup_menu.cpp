// A pop-up menu on a map tap: the pen-up on the map opens the menu there, and the picked item
// arrives as WM_COMMAND. `popup_menu --headless` (or no display) taps the map, picks the middle
// item and checks the command.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <RKNaviMenu.h>
#include <wincore/host.h>

#include "example_resources.h"
#include "example_screen.h"

namespace {

constexpr UINT kNavigateHere = 201;  // the items' command ids, 16 bits
constexpr UINT kSavePlace = 202;
constexpr UINT kSearchNearby = 203;
constexpr int kIconSize = 24;                    // px, the icons' side in popup_icons.bmp
constexpr COLORREF kIconKey = RGB(255, 0, 255);  // drawn transparent
constexpr COLORREF kLand = RGB(236, 232, 220);
constexpr COLORREF kRoad = RGB(255, 255, 255);
constexpr int kTapSlop = 12;  // px a tap may wander between down and up

CRKNaviMenu* popup = nullptr;
HIMAGELIST menuIcons = nullptr;
POINT penDownAt = {-1, -1};
UINT lastCommand = 0;  // the last item picked

void PaintMap(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    HBRUSH land = CreateSolidBrush(kLand), road = CreateSolidBrush(kRoad);
    FillRect(dc, &paint.rcPaint, land);
    const RECT roads[] = {{0, 120, 480, 132}, {300, 0, 310, 272}, {60, 0, 66, 272}};
    for (const RECT& part : roads) FillRect(dc, &part, road);
    DeleteObject(land);
    DeleteObject(road);
    EndPaint(hwnd, &paint);
}

// Opens the menu afresh at a point of the map, in the map window's client coordinates; the
// menu moves itself inside the window where it would stick out.
void OpenPopup(HWND map, int x, int y)
{
    const tagMW_FontStysle style = {RGB(22, 50, 92), 130};  // colour, tenths of a point
    const UINT shown = MWF_ENABLED | MWF_TEXT;
    popup->Destroy();
    if (!popup->Create(1)) return;
    popup->SetParam(MOVE_DOWN, 0, nullptr, menuIcons, 1);  // the image list stays the host's
    popup->AppendItem(shown, kNavigateHere, TEXT("Navigate here"), style, nullptr);
    popup->AppendItem(shown, kSavePlace, TEXT("Save place"), style, nullptr);
    popup->AppendItem(shown, kSearchNearby, TEXT("Search nearby"), style, nullptr);
    popup->TrackMenu(map, x, y);
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = short(LOWORD(lParam)), y = short(HIWORD(lParam));
    switch (message) {
    case WM_PAINT: PaintMap(hwnd); return 0;
    case WM_LBUTTONDOWN: penDownAt = {x, y}; return 0;
    case WM_LBUTTONUP:  // a tap, not a drag of the map
        if (std::abs(x - penDownAt.x) <= kTapSlop && std::abs(y - penDownAt.y) <= kTapSlop) OpenPopup(hwnd, x, y);
        return 0;
    case WM_COMMAND:  // wParam = the item's id, lParam = the menu's window; the menu then closes
        lastCommand = LOWORD(wParam);
        return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    example::Screen screen(argc, argv, "Pop-up menu");

    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND map = screen.CreateHostWindow(HostProc, TEXT("MapHost"));
    menuIcons = ImageList_LoadImage(instance, MAKEINTRESOURCEW(IDB_POPUP_ICONS), kIconSize, 0, kIconKey, IMAGE_BITMAP,
                                    LR_CREATEDIBSECTION);

    int failed = 0;
    {
        CRKNaviMenu menu;  // its destructor closes the menu and releases what it made
        popup = &menu;
        if (screen.Shown()) {
            screen.RunUntilClosed();
        } else {
            wincore::Pump();
            wincore::PenDown(150, 80);  // a tap on the map opens the menu at it
            wincore::PenUp(150, 80);
            RECT opened = {0, 0, 0, 0};
            GetWindowRect(menu.GetSafeHwnd(), &opened);
            const int middleX = (opened.left + opened.right) / 2, middleY = (opened.top + opened.bottom) / 2;
            wincore::PenDown(middleX, middleY);  // the middle one of the three items
            wincore::PenUp(middleX, middleY);
            failed = lastCommand != kSavePlace || menu.GetSafeHwnd() != nullptr;
            std::printf("popup_menu: %s\n", failed ? "no pick of the middle item reported" : "picked Save place, the menu closed");
        }
        menu.Destroy();
        popup = nullptr;
    }
    DestroyWindow(map);
    ImageList_Destroy(menuIcons);
    return screen.Finish("popup_menu", failed);
}
