// SaveScreenPng through the Windows Imaging Component's PNG encoder.
#include <wincodec.h>

#include <string>

#include <wincore/host.h>

#include "shared/com/held.h"

namespace wincore {

namespace {

std::wstring Wide(const char* utf8)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(size_t(length - 1));
    return wide;
}

bool Encode(IWICImagingFactory* factory, const std::wstring& path, ScreenImage& image)
{
    Held<IWICStream> stream;
    Held<IWICBitmapEncoder> encoder;
    Held<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    UINT stride = UINT(image.width) * 4;
    return SUCCEEDED(factory->CreateStream(&stream)) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(UINT(image.width), UINT(image.height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) &&
           SUCCEEDED(frame->WritePixels(UINT(image.height), stride, stride * UINT(image.height),
                                        reinterpret_cast<BYTE*>(image.pixels.data()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

bool SaveScreenPng(const char* path)
{
    if (!path) return false;
    ScreenImage image = CaptureScreen();
    if (image.pixels.empty()) return false;
    // Works whether or not the thread has entered COM; leaves it as it was.
    HRESULT entered = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    bool saved = false;
    {
        Held<IWICImagingFactory> factory;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       reinterpret_cast<void**>(&factory))))
            saved = Encode(factory.p, Wide(path), image);
    }
    if (SUCCEEDED(entered)) CoUninitialize();
    return saved;
}

}  // namespace wincore
