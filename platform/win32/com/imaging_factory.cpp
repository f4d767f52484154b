#include <imaging.h>

#include <string>

namespace {

constexpr wchar_t kImagingServer[] = L"RKNavImaging.dll";

IImagingFactory* FactoryBeside(HMODULE module)
{
    WCHAR path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring server(path, length);
    server.erase(server.find_last_of(L"\\/") + 1);
    server += kImagingServer;
    HMODULE loaded = LoadLibraryExW(server.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto getClassObject =
        loaded ? reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(loaded, "DllGetClassObject")))
               : nullptr;
    IClassFactory* classFactory = nullptr;
    if (!getClassObject ||
        FAILED(getClassObject(CLSID_ImagingFactory, IID_IClassFactory, reinterpret_cast<void**>(&classFactory))) ||
        !classFactory)
        return nullptr;
    IImagingFactory* factory = nullptr;
    classFactory->CreateInstance(nullptr, IID_IImagingFactory, reinterpret_cast<void**>(&factory));
    classFactory->Release();
    return factory;
}

}  // namespace

IImagingFactory* CreateImagingFactory(HMODULE module)
{
    IImagingFactory* factory = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        factory)
        return factory;
    return FactoryBeside(module);
}
