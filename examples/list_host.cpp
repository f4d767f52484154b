// A minimal list host: a window, a list of places with icons, and the taps the list reports.
// `list_host --headless` (or no display) taps a row itself and checks the notice.
#include <cstdio>
#include <cstring>

#include <NavListViewEx.h>
#include <wincore/host.h>

#include "example_resources.h"
#include "example_screen.h"

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

}  // namespace

int main(int argc, char** argv)
{
    example::Screen screen(argc, argv, "List host");

    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND host = screen.CreateHostWindow(HostProc, TEXT("ListHost"));
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
    if (screen.Shown()) {
        screen.RunUntilClosed();
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
    return screen.Finish("list_host", failed);
}
