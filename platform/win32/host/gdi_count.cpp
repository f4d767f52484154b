// LiveGdiObjects over Win32: the GDI objects the test, the library and its imaging server have made
// and not yet deleted. The system's own count (GetGuiResources) reads 0 under Wine, so the host
// follows the objects itself: the modules' imports of GDI's creators and deleters are pointed at
// counting wrappers, which keep the set of handles made and not yet deleted.
#include <cstring>
#include <iterator>
#include <mutex>
#include <set>

#include <wincore/host.h>

namespace wincore {

namespace {

std::mutex liveLock;
std::set<HGDIOBJ> live;

// The system's functions, by each hook's row in kHooks.
FARPROC real[10] = {};

template <int Row, class Result, class... Args>
Result WINAPI Creating(Args... args)
{
    Result made = reinterpret_cast<Result(WINAPI*)(Args...)>(reinterpret_cast<void*>(real[Row]))(args...);
    if (made) {
        std::lock_guard<std::mutex> hold(liveLock);
        live.insert(made);
    }
    return made;
}

template <int Row, class Object>
BOOL WINAPI Deleting(Object object)
{
    const BOOL deleted = reinterpret_cast<BOOL(WINAPI*)(Object)>(reinterpret_cast<void*>(real[Row]))(object);
    if (deleted) {
        std::lock_guard<std::mutex> hold(liveLock);
        live.erase(object);
    }
    return deleted;
}

struct Hook {
    const char* dll;
    const char* name;
    void* wrapper;
};

// The creators the controls, the imaging server and the tests use, and the two deleters.
const Hook kHooks[] = {
    {"gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(&Creating<0, HDC, HDC>)},
    {"gdi32.dll", "CreateCompatibleBitmap", reinterpret_cast<void*>(&Creating<1, HBITMAP, HDC, int, int>)},
    {"gdi32.dll", "CreateDIBSection",
     reinterpret_cast<void*>(&Creating<2, HBITMAP, HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD>)},
    {"gdi32.dll", "CreateSolidBrush", reinterpret_cast<void*>(&Creating<3, HBRUSH, COLORREF>)},
    {"gdi32.dll", "CreatePen", reinterpret_cast<void*>(&Creating<4, HPEN, int, int, COLORREF>)},
    {"gdi32.dll", "CreateFontIndirectW", reinterpret_cast<void*>(&Creating<5, HFONT, const LOGFONTW*>)},
    {"gdi32.dll", "CreateRectRgn", reinterpret_cast<void*>(&Creating<6, HRGN, int, int, int, int>)},
    {"user32.dll", "LoadBitmapW", reinterpret_cast<void*>(&Creating<7, HBITMAP, HINSTANCE, LPCWSTR>)},
    {"gdi32.dll", "DeleteObject", reinterpret_cast<void*>(&Deleting<8, HGDIOBJ>)},
    {"gdi32.dll", "DeleteDC", reinterpret_cast<void*>(&Deleting<9, HDC>)},
};
static_assert(std::size(kHooks) == std::size(real));

// Points the module's import of `hook` at its wrapper; a module that does not import it is left alone.
void Redirect(BYTE* base, const IMAGE_IMPORT_DESCRIPTOR& imports, const Hook& hook)
{
    const DWORD namesAt = imports.OriginalFirstThunk ? imports.OriginalFirstThunk : imports.FirstThunk;
    auto names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + namesAt);
    auto slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imports.FirstThunk);
    for (; names->u1.AddressOfData; names++, slots++) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        auto byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), hook.name) != 0) continue;
        DWORD protection = 0;
        if (!VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &protection)) return;
        slots->u1.Function = reinterpret_cast<ULONG_PTR>(hook.wrapper);
        VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection, &protection);
        return;
    }
}

void Follow(HMODULE module)
{
    auto base = reinterpret_cast<BYTE*>(module);
    if (!base) return;
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    auto headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!directory.VirtualAddress) return;
    for (auto imports = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         imports->Name; imports++) {
        const char* dll = reinterpret_cast<const char*>(base + imports->Name);
        for (size_t row = 0; row < std::size(kHooks); row++)
            if (real[row] && lstrcmpiA(dll, kHooks[row].dll) == 0) Redirect(base, *imports, kHooks[row]);
    }
}

// The imaging server is loaded by the first picture, so the modules are looked at on every count.
void FollowGdiObjects()
{
    for (size_t row = 0; row < std::size(kHooks); row++)
        if (!real[row]) real[row] = GetProcAddress(GetModuleHandleA(kHooks[row].dll), kHooks[row].name);
    for (const wchar_t* module : {static_cast<const wchar_t*>(nullptr), L"RKNavCtrlEx.dll", L"RKNavImaging.dll"})
        Follow(GetModuleHandleW(module));
}

}  // namespace

int LiveGdiObjects()
{
    FollowGdiObjects();
    std::lock_guard<std::mutex> hold(liveLock);
    return int(live.size());
}

}  // namespace wincore
