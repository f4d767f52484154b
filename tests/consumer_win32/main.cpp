// A host of the installed library: one window with a list, a combo box, a vector box and a pop-up
// menu, driven with real mouse clicks and keys (SendInput). Prints each check; exits 1 if any failed.
#include <windows.h>

#include <RKNavCtrlEx.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr UINT kListId = 101, kComboId = 102, kVectorId = 103, kMenuFirstId = 201;

// What the controls told the host window.
int tappedRow = -1;
std::vector<std::pair<UINT, UINT>> commands;  // WM_COMMAND: (id, notification code)

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NAVLV_ITEMNOTIFY && LOWORD(wParam) == kListId) {
        const auto* row = reinterpret_cast<const NAVLVITEM*>(lParam);
        if (row->notifyCode == NAVLV_NOTIFY_TAP) tappedRow = row->index;
        return 0;
    }
    if (message == WM_COMMAND) commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool Commanded(UINT id, UINT code)
{
    return std::find(commands.begin(), commands.end(), std::make_pair(id, code)) != commands.end();
}

// Dispatches for a while: under Wine, what input causes comes back from the X server a moment later.
void Run(DWORD ms)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void Click(int x, int y)
{
    SetCursorPos(x, y);
    Run(100);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    Run(300);
}

void Press(WORD vk)
{
    INPUT input[2] = {};
    for (INPUT& key : input) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = vk;
        key.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        // Page keys, Home, End and the arrows are the keyboard's extended keys.
        key.ki.dwFlags = vk >= VK_PRIOR && vk <= VK_DOWN ? KEYEVENTF_EXTENDEDKEY : 0;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Run(300);
}

int failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    failures += ok ? 0 : 1;
}

std::wstring Folder(HMODULE module)
{
    WCHAR path[MAX_PATH] = {};
    std::wstring name(path, GetModuleFileNameW(module, path, MAX_PATH));
    return name.substr(0, name.find_last_of(L'\\'));
}

void Drive(HWND window, HINSTANCE instance)
{
    NavListViewEx list;
    for (const WCHAR* text : {L"Home", L"Work", L"Airport", L"Station"}) list.AddItem(text, -1, 0);
    Check(list.Create(instance, WS_CHILD | WS_VISIBLE, RECT{10, 10, 310, 250}, window, kListId, NAVLV_MODE_LIST) == 1,
          "the list is created");
    Run(300);
    Click(160, 10 + 60 + 30);  // the second row: rows are 60 pixels high
    Check(tappedRow == 1 && list.GetCurrentSel() == 1, "a click on a row selects it and tells the owner");

    CNavComboboxEx combo;
    RECT comboArea = {330, 10, 570, 300};  // the field and, below it, the drop-down list
    Check(combo.Create(instance, WS_VISIBLE, nullptr, comboArea, window, kComboId) == 1, "the combo box is created");
    for (const WCHAR* text : {L"Car", L"Bicycle", L"Walk"}) combo.AddString(text);
    combo.SetCurSel(0);
    Click(540, 30);  // the drop button opens the list with the focus in it
    Press(VK_DOWN);
    Press(VK_RETURN);
    WCHAR text[16] = {};
    combo.GetComboxText(text, 16);
    Check(Commanded(kComboId, CBN_SELCHANGE) && combo.GetCurSel() == 1 && std::wstring(text) == L"Bicycle",
          "Down and Enter in the dropped list pick the next entry");

    CNavVectorBox box;
    for (const WCHAR* text : {L"North up", L"Heading up", L"3D"}) box.InsertItem(text, nullptr);
    Check(box.Create(instance, WS_CHILD | WS_VISIBLE, L"", RECT{600, 10, 760, 250}, window, kVectorId, VBOX_VERT) == 1,
          "the vector box is created");
    box.SetCurSel(0);
    SetFocus(GetDlgItem(window, kVectorId));
    commands.clear();
    Press(VK_DOWN);
    Check(Commanded(kVectorId, BN_CLICKED) && box.GetCurSel() == 1, "Down on the focused vector box steps to the next item");
    commands.clear();
    Click(680, 30);  // the top arrow
    Check(Commanded(kVectorId, BN_CLICKED) && box.GetCurSel() == 0, "a click on its top arrow steps back");

    CRKNaviMenu menu;
    menu.Create(1);
    const WCHAR* names[] = {L"Zoom in", L"Zoom out", L"Route"};
    for (UINT i = 0; i < 3; i++)
        menu.AppendItem(MWF_ENABLED | MWF_TEXT, kMenuFirstId + i, names[i], MW_FONTSTYLE{RGB(0, 0, 0), 150}, nullptr);
    Check(menu.TrackMenu(window, 100, 280) == 1, "the pop-up menu opens");
    HWND popup = menu.GetSafeHwnd();
    Run(300);
    commands.clear();
    Press(VK_UP);  // from no hot item, or from the first, Up wraps to the last
    Press(VK_RETURN);
    Check(Commanded(kMenuFirstId + 2, 0) && !IsWindow(popup), "Up and Enter pick the last item and close the menu");

    HMODULE imaging = GetModuleHandleW(L"RKNavImaging.dll");
    Check(imaging && Folder(imaging) == Folder(GetModuleHandleW(L"RKNavCtrlEx.dll")),
          "the pictures came from the imaging service beside the library");
}

}  // namespace

int main()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW host = {};
    host.lpfnWndProc = HostProc;
    host.hInstance = instance;
    host.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    host.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    host.lpszClassName = L"RKNavHost";
    RegisterClassW(&host);
    HWND window = CreateWindowExW(0, L"RKNavHost", L"RKNavCtrlEx host", WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr,
                                  nullptr, instance, nullptr);
    SetForegroundWindow(window);
    Run(300);
    Drive(window, instance);
    DestroyWindow(window);
    std::printf(failures ? "rknav_host: %d checks FAILED\n" : "rknav_host: all checks passed\n", failures);
    return failures ? 1 : 0;
}
