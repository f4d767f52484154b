// Builds against the installed headers and libraries and runs a list through the host API.
#include <RKNavCtrlEx.h>
#include <windows.h>
#include <wincore/host.h>

#include <cstdio>

int main()
{
    wincore::HostStart();
    HWND window = CreateWindowExW(0, TEXT("BUTTON"), TEXT("consumer"), WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
    bool ok = window != nullptr;
    {
        NavListViewEx list;
        list.AddItem(TEXT("one"), -1, 0);
        ok = ok && list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 400, 300}, window, 1, -1) == 1;
        wincore::Pump();
        ok = ok && list.GetItemCount() == 1;
    }
    ok = ok && GetModuleHandleW(TEXT("RKNavCtrlEx")) != nullptr;
    wincore::HostStop();
    std::printf("consumer: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
