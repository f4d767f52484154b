// What the imaging server reports of itself: the COM objects still alive (factories and images)
// and the memory it keeps of decoded pictures.
#include <wincore/host.h>

namespace wincore {

namespace {

// A figure the server exports, or 0 when the server is not loaded.
template <class Figure>
Figure ServerFigure(const char* name)
{
    using Export = Figure(WINAPI*)();
    HMODULE server = GetModuleHandleW(L"RKNavImaging.dll");
    FARPROC figure = server ? GetProcAddress(server, name) : nullptr;
    return figure ? reinterpret_cast<Export>(reinterpret_cast<void*>(figure))() : Figure(0);
}

}  // namespace

int LiveComObjects()
{
    return int(ServerFigure<LONG>("NavImagingLiveObjects"));
}

size_t DecodedPictureBytes()
{
    return size_t(ServerFigure<SIZE_T>("NavImagingPictureBytes"));
}

}  // namespace wincore
