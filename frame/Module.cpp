#include "frame/Module.h"

#include <objbase.h>

namespace {

HINSTANCE moduleInstance = nullptr;
IImagingFactory* imagingFactory = nullptr;

void AttachProcess()
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    // On failure the platform leaves the pointer null and every picture load then fails softly.
    CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                     reinterpret_cast<void**>(&imagingFactory));
}

void DetachProcess()
{
    if (imagingFactory) {
        imagingFactory->Release();
        imagingFactory = nullptr;
    }
    CoUninitialize();
}

}  // namespace

HINSTANCE GetModuleInstance()
{
    return moduleInstance;
}

IImagingFactory* ImagingFactory()
{
    return imagingFactory;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    moduleInstance = instance;
    if (reason == DLL_PROCESS_ATTACH) AttachProcess();
    if (reason == DLL_PROCESS_DETACH) DetachProcess();
    return TRUE;
}
