// A minimal list host: a window, a list of places with icons, and the taps the list reports.
// `list_host --headless` (or no display) taps a row itself and checks the notice.
#include <cstdio>
#include <cstring>

#include <NavListViewEx.h>
#include <wincore/host.h>

#include "example_resources.h"

namespace {

constexpr UINT kListId = 101;
constexpr int kIconSize = 36;                     // px, the icons' side in places.bmp
constexpr COLORREF kIconKey = RGB(255, 0, 255);   // drawn transparent
const WCHAR* const kPlaces[] = {TEXT("Home"), TEXT("Office"), TEXT("Airport"), TEXT("Station")};
const WCHAR* const kDistances[] = {TEXT("2.4 km"), TEXT("7.9 km"), TEXT("31 km"), TEXT("5.2 km")};

tagNAVLVITME lastTap = {};  // the last row the list reported

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // lParam points into the list's memory: copy what you need before returning.
    if (message == WM_NAVLV_ITEMNOTIFY && wParam == kListId) {
        const auto* row = reinterpret_cast<const tagNAVLVITME*>(lParam);
        if (row->notifyCode == NAVLV_NOTIFY_TAP || row->notifyCode == NAVLV_NOTIFY_DBLTAP) lastTap = *row;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateHostWindow(HINSTANCE instance, int width, int height)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = TEXT("ListHost");
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, TEXT("ListHost"), TEXT(""), WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                           instance, nullptr);
}

void RunUntilClosed()
{
    MSG msg;
    for (;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        wincore::DisplayWait();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const bool headless = argc > 1 && std::strcmp(argv[1], "--headless") == 0;
    wincore::HostConfig config;
    config.screenWidth = 480;
    config.screenHeight = 272;
    config.manualClock = headless;
    wincore::HostStart(config);
    const bool shown = !headless && wincore::DisplayOpen("List host", 2);
    if (!headless && !shown) {  // no display: run as the check, on the manual clock
        wincore::HostStop();
        config.manualClock = true;
        wincore::HostStart(config);
    }
    const int gdiAtStart = wincore::LiveGdiObjects();

    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND host = CreateHostWindow(instance, config.screenWidth, config.screenHeight);
    // The image list stays the host's: the list only draws from it, so destroy it after the list.
    HIMAGELIST icons = ImageList_LoadImage(instance, MAKEINTRESOURCEW(IDB_PLACES), kIconSize, 0, kIconKey,
                                           IMAGE_BITMAP, LR_CREATEDIBSECTION);

    NavListViewEx list;
    list.SetRightArrow(1);
    list.SetBkColor(RGB(255, 255, 255), 0);           // a new list is black: solid white instead
    list.SetColor(RGB(28, 34, 43), RGB(120, 180, 245));  // the texts, the selected row
    if (!list.Create(instance, WS_CHILD | WS_VISIBLE, RECT{0, 0, 480, 272}, host, kListId, NAVLV_MODE_LIST)) return 1;
    list.SetImageList(icons, nullptr, nullptr);
    for (int i = 0; i < 4; i++) {
        list.AddItem(kPlaces[i], i, 0);  // image i of the list; redraw once, below
        list.SetItemText(i, nullptr, kDistances[i], nullptr);
    }
    list.Refresh();

    int failed = 0;
    if (shown) {
        RunUntilClosed();
    } else {
        wincore::Pump();  // the first paint: the list finds taps among the rows it has drawn
        const int rowHeight = list.GetItemHeigh();
        wincore::PenDown(200, rowHeight + rowHeight / 2);  // the second row
        wincore::PenUp(200, rowHeight + rowHeight / 2);
        failed = lastTap.index != 1 || std::memcmp(lastTap.text1, TEXT("Office"), sizeof(TEXT("Office"))) != 0;
        std::printf("list_host: %s\n", failed ? "no tap on row 1 reported" : "row 1 (Office) tapped");
    }
    list.Destroy();
    DestroyWindow(host);
    ImageList_Destroy(icons);
    if (wincore::LiveGdiObjects() != gdiAtStart) failed = 1, std::printf("list_host: GDI objects leaked\n");
    wincore::DisplayClose();
    wincore::HostStop();
    return failed;
}
