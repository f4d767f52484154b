#include "frame/Module.h"

#include <objbase.h>

#if defined(_WIN32) && !defined(_WIN32_WCE)
#include <mutex>
#endif

namespace {

HINSTANCE moduleInstance = nullptr;
IImagingFactory* imagingFactory = nullptr;

#if defined(_WIN32) && !defined(_WIN32_WCE)

// Desktop Windows calls DllMain under the loader lock, where starting COM may deadlock: the thread
// that first needs a picture starts COM and makes the factory. That thread's COM stays started for
// the life of the process, since only it could end it, and keeps the imaging server loaded for as
// long as the factory may be used.
std::once_flag imagingStarted;

void StartImaging()
{
    // A thread already in a single-threaded apartment keeps it; the factory works in either.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    imagingFactory = CreateImagingFactory(moduleInstance);
}

// DllMain only records the module instance here; COM waits for StartImaging.
void AttachProcess() {}

// At process exit (`reserved` set) the system reclaims everything, and other modules may be gone
// already; an unload by FreeLibrary releases the factory, which runs only the server's own code.
void DetachProcess(LPVOID reserved)
{
    if (reserved || !imagingFactory) return;
    imagingFactory->Release();
    imagingFactory = nullptr;
}

#else

void CreateFactory()
{
    // On failure the platform leaves the pointer null and every picture load then fails softly.
    CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                     reinterpret_cast<void**>(&imagingFactory));
}

// Elsewhere the module instance comes first, then COM and the factory, in DllMain.
void AttachProcess()
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    CreateFactory();
}

void DetachProcess(LPVOID)
{
    if (imagingFactory) {
        imagingFactory->Release();
        imagingFactory = nullptr;
    }
    CoUninitialize();
}

#endif

}  // namespace

HINSTANCE GetModuleInstance()
{
    return moduleInstance;
}

IImagingFactory* ImagingFactory()
{
#if defined(_WIN32) && !defined(_WIN32_WCE)
    std::call_once(imagingStarted, StartImaging);
#endif
    return imagingFactory;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    moduleInstance = instance;
    if (reason == DLL_PROCESS_ATTACH) AttachProcess();
    if (reason == DLL_PROCESS_DETACH) DetachProcess(reserved);
    return TRUE;
}
