// Builds against the installed headers and libraries and runs one window through the host API.
#include <RKNavCtrlEx.h>
#include <windows.h>
#include <wincore/host.h>

#include <cstdio>

int main()
{
    wincore::HostStart();
    HWND window = CreateWindowExW(0, TEXT("BUTTON"), TEXT("consumer"), WS_POPUP | WS_VISIBLE, 0, 0, 100, 50,
                                  nullptr, nullptr, nullptr, nullptr);
    wincore::Pump();
    bool ok = window != nullptr && GetModuleHandleW(TEXT("RKNavCtrlEx")) != nullptr;
    wincore::HostStop();
    std::printf("consumer: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
