// The memory the imaging server keeps of decoded pictures, as the server reports it.
#include <wincore/host.h>

namespace wincore {

size_t DecodedPictureBytes()
{
    using Figure = SIZE_T(WINAPI*)();
    HMODULE server = GetModuleHandleW(L"RKNavImaging.dll");
    FARPROC figure = server ? GetProcAddress(server, "NavImagingPictureBytes") : nullptr;
    return figure ? size_t(reinterpret_cast<Figure>(reinterpret_cast<void*>(figure))()) : 0;
}

}  // namespace wincore
