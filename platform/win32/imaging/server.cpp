// RKNavImaging.dll as an in-process COM server of CLSID_ImagingFactory, as Windows CE's imaging
// library is: CoCreateInstance finds it through the class's registration, which DllRegisterServer
// writes (regsvr32 RKNavImaging.dll) for the machine, or for the current user where only an
// administrator may write the machine's classes. Wine reads only the machine's.
#include <atomic>
#include <new>
#include <string>

#include <olectl.h>

#include "shared/com/object.h"
#include "shared/imaging/factory.h"
#include "shared/imaging/picture_cache.h"

namespace wincore {

namespace {

HINSTANCE serverModule = nullptr;
std::atomic<long> serverLocks{0};

class ClassFactory final : public ComObject<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        return Answer(riid, object, {&IID_IClassFactory});
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        IImagingFactory* factory = CreateImagingFactory();
        if (!factory) return E_OUTOFMEMORY;
        HRESULT result = factory->QueryInterface(riid, object);
        factory->Release();
        return result;
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        serverLocks += lock ? 1 : -1;
        return S_OK;
    }
};

std::wstring ClassKey()
{
    WCHAR clsid[40] = {};
    StringFromGUID2(CLSID_ImagingFactory, clsid, 40);
    return std::wstring(L"Software\\Classes\\CLSID\\") + clsid;
}

bool SetValue(HKEY key, const WCHAR* name, const std::wstring& value)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          DWORD((value.size() + 1) * sizeof(WCHAR))) == ERROR_SUCCESS;
}

LSTATUS RegisterIn(HKEY root, const WCHAR* path)
{
    HKEY server = nullptr;
    std::wstring key = ClassKey() + L"\\InprocServer32";
    LSTATUS status = RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &server, nullptr);
    if (status != ERROR_SUCCESS) return status;
    bool written = SetValue(server, nullptr, path) && SetValue(server, L"ThreadingModel", L"Both");
    RegCloseKey(server);
    return written ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

}  // namespace

}  // namespace wincore

using namespace wincore;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        serverModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_ImagingFactory)) return CLASS_E_CLASSNOTAVAILABLE;
    ClassFactory* factory = new (std::nothrow) ClassFactory();
    if (!factory) return E_OUTOFMEMORY;
    HRESULT result = factory->QueryInterface(riid, object);
    factory->Release();
    return result;
}

STDAPI DllCanUnloadNow()
{
    return ComObjectsAlive() == 0 && serverLocks == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    WCHAR path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(serverModule, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return SELFREG_E_CLASS;
    LSTATUS status = RegisterIn(HKEY_LOCAL_MACHINE, path);
    if (status == ERROR_ACCESS_DENIED) status = RegisterIn(HKEY_CURRENT_USER, path);
    return status == ERROR_SUCCESS ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer()
{
    bool removed = true;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        LSTATUS status = RegDeleteTreeW(root, ClassKey().c_str());
        removed = removed && (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND || status == ERROR_ACCESS_DENIED);
    }
    return removed ? S_OK : SELFREG_E_CLASS;
}

// For hosts' leak checks: the factories and images of this server that are still alive.
extern "C" LONG WINAPI NavImagingLiveObjects()
{
    return ComObjectsAlive();
}

// For hosts' memory figures: what the factories keep of decoded pictures.
extern "C" SIZE_T WINAPI NavImagingPictureBytes()
{
    return SharedPictureBytes();
}
