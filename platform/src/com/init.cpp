// CoInitializeEx / CoUninitialize, counted for the whole process.
#include "com/init.h"

#include <mutex>

#include <objbase.h>
#include <wincore/host.h>

namespace wincore {

namespace {

constexpr DWORD kKnownFlags =
    COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE | COINIT_SPEED_OVER_MEMORY;

struct ComState {
    std::mutex lock;
    int count = 0;
    bool apartment = false;  // the concurrency model of the first initialisation
};

ComState& State()
{
    static ComState& state = *new ComState;  // outlives static destruction, like the handle table
    return state;
}

}  // namespace

bool ComInitialized()
{
    std::lock_guard<std::mutex> hold(State().lock);
    return State().count > 0;
}

int ComInitCount()
{
    std::lock_guard<std::mutex> hold(State().lock);
    return State().count;
}

}  // namespace wincore

using namespace wincore;

WINCORE_API HRESULT WINAPI CoInitializeEx(LPVOID reserved, DWORD coInit)
{
    if (reserved || (coInit & ~kKnownFlags)) return E_INVALIDARG;
    std::lock_guard<std::mutex> hold(State().lock);
    bool apartment = (coInit & COINIT_APARTMENTTHREADED) != 0;
    if (State().count == 0) {
        State().apartment = apartment;
        State().count = 1;
        return S_OK;
    }
    if (State().apartment != apartment) return RPC_E_CHANGED_MODE;
    State().count++;
    return S_FALSE;
}

WINCORE_API void WINAPI CoUninitialize(void)
{
    std::lock_guard<std::mutex> hold(State().lock);
    if (State().count > 0) State().count--;
}
