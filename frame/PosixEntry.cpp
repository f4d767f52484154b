// Where there is no DLL loader, the shared object's constructor and destructor play its part.
#if !defined(_WIN32)

#include "frame/Module.h"

namespace {

HINSTANCE OwnInstance()
{
    return GetModuleHandleW(TEXT("RKNavCtrlEx"));
}

__attribute__((constructor)) void LibraryLoaded()
{
    DllMain(OwnInstance(), DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void LibraryUnloaded()
{
    DllMain(OwnInstance(), DLL_PROCESS_DETACH, nullptr);
}

}  // namespace

#endif
