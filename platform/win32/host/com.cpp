// COM objects as the imaging server counts them: the factories and images still alive.
#include <wincore/host.h>

namespace wincore {

int LiveComObjects()
{
    using Counter = LONG(WINAPI*)();
    HMODULE server = GetModuleHandleW(L"RKNavImaging.dll");
    FARPROC count = server ? GetProcAddress(server, "NavImagingLiveObjects") : nullptr;
    return count ? int(reinterpret_cast<Counter>(reinterpret_cast<void*>(count))()) : 0;
}

}  // namespace wincore
