// Screen images as PNG files through the Windows Imaging Component's encoder and decoder.
#include <wincodec.h>

#include <string>
#include <utility>

#include <wincore/host.h>

#include "shared/com/held.h"

namespace wincore {

namespace {

constexpr DWORD kColorBits = 0x00FFFFFF;
constexpr UINT kMostSide = 16384;  // pixels: larger files are refused, not allocated

std::wstring Wide(const char* utf8)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(size_t(length - 1));
    return wide;
}

// Runs `use` with a WIC factory; works whether or not the thread has entered COM and leaves it as it was.
template <typename Use>
bool WithFactory(Use use)
{
    HRESULT entered = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    bool done = false;
    {
        Held<IWICImagingFactory> factory;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       reinterpret_cast<void**>(&factory))))
            done = use(factory.p);
    }
    if (SUCCEEDED(entered)) CoUninitialize();
    return done;
}

// The frame takes the pixels as a source, which converts them to whatever format the encoder picks.
bool Encode(IWICImagingFactory* factory, const std::wstring& path, const ScreenImage& image)
{
    Held<IWICBitmap> pixels;
    Held<IWICStream> stream;
    Held<IWICBitmapEncoder> encoder;
    Held<IWICBitmapFrameEncode> frame;
    UINT stride = UINT(image.width) * 4;
    // The bitmap is made from a copy of the buffer (WICBitmapCacheOnLoad); its parameter is not const.
    auto* bits = reinterpret_cast<BYTE*>(const_cast<DWORD*>(image.pixels.data()));
    return SUCCEEDED(factory->CreateBitmapFromMemory(UINT(image.width), UINT(image.height), GUID_WICPixelFormat32bppBGR,
                                                     stride, stride * UINT(image.height), bits, &pixels)) &&
           SUCCEEDED(factory->CreateStream(&stream)) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->WriteSource(pixels.p, nullptr)) && SUCCEEDED(frame->Commit()) &&
           SUCCEEDED(encoder->Commit());
}

bool Decode(IWICImagingFactory* factory, const std::wstring& path, ScreenImage* image)
{
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    Held<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) || width == 0 ||
        height == 0 || width > kMostSide || height > kMostSide || FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return false;
    ScreenImage read;
    read.width = int(width);
    read.height = int(height);
    read.pixels.resize(size_t(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, reinterpret_cast<BYTE*>(read.pixels.data()))))
        return false;
    for (DWORD& p : read.pixels) p &= kColorBits;
    *image = std::move(read);
    return true;
}

}  // namespace

bool SavePng(const char* path, const ScreenImage& image)
{
    if (!path || image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != size_t(image.width) * size_t(image.height))
        return false;
    return WithFactory([&](IWICImagingFactory* factory) { return Encode(factory, Wide(path), image); });
}

bool LoadPng(const char* path, ScreenImage* image)
{
    if (!path || !image) return false;
    return WithFactory([&](IWICImagingFactory* factory) { return Decode(factory, Wide(path), image); });
}

bool SaveScreenPng(const char* path)
{
    return SavePng(path, CaptureScreen());
}

}  // namespace wincore
