// Decoding through the Windows Imaging Component, converted to premultiplied BGRA.
#include <wincodec.h>

#include <cmath>
#include <new>

#include "shared/com/held.h"
#include "shared/imaging/backend.h"

namespace wincore {

namespace {

constexpr UINT64 kMaxPixels = 0x10000000;
constexpr size_t kMaxEncodedBytes = 0x7FFFFFFF;  // what a WIC memory stream takes

struct Format {
    const GUID* container;
    const GUID* image;
    UINT flags;
};

bool IdentifyFormat(IWICBitmapDecoder* decoder, DecodedImage& picture)
{
    static const Format formats[] = {
        {&GUID_ContainerFormatPng, &ImageFormatPNG, ImageFlagsColorSpaceRGB},
        {&GUID_ContainerFormatBmp, &ImageFormatBMP, ImageFlagsColorSpaceRGB | ImageFlagsHasRealPixelSize},
        {&GUID_ContainerFormatJpeg, &ImageFormatJPEG, ImageFlagsColorSpaceYCBCR | ImageFlagsHasRealPixelSize},
    };
    GUID container = {};
    if (FAILED(decoder->GetContainerFormat(&container))) return false;
    for (const Format& format : formats) {
        if (!IsEqualGUID(container, *format.container)) continue;
        picture.format = *format.image;
        picture.flags = format.flags;
        return true;
    }
    return false;
}

// WIC reports 96 dpi where the file names none; a file that names zero keeps the default too.
void ReadResolution(IWICBitmapFrameDecode* frame, DecodedImage& picture)
{
    double x = 0, y = 0;
    if (FAILED(frame->GetResolution(&x, &y))) return;
    if (x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y)) {
        picture.xdpi = x;
        picture.ydpi = y;
    }
}

bool HasAlpha(IWICBitmapFrameDecode* frame, IWICImagingFactory* factory)
{
    WICPixelFormatGUID format = {};
    Held<IWICComponentInfo> info;
    Held<IWICPixelFormatInfo2> pixelInfo;
    BOOL transparent = FALSE;
    if (FAILED(frame->GetPixelFormat(&format))) return false;
    if (FAILED(factory->CreateComponentInfo(format, &info))) return false;
    if (FAILED(info->QueryInterface(IID_IWICPixelFormatInfo2, reinterpret_cast<void**>(&pixelInfo)))) return false;
    return SUCCEEDED(pixelInfo->SupportsTransparency(&transparent)) && transparent;
}

HRESULT CopyPremultiplied(IWICBitmapFrameDecode* frame, DecodedImage& picture)
{
    Held<IWICBitmapSource> converted;
    HRESULT result = WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame, &converted);
    if (FAILED(result)) return result;
    if (FAILED(converted->GetSize(&picture.width, &picture.height))) return E_FAIL;
    if (picture.width == 0 || picture.height == 0) return E_FAIL;
    if (UINT64(picture.width) * picture.height > kMaxPixels) return E_OUTOFMEMORY;
    try {
        picture.pixels.resize(size_t(picture.width) * picture.height);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    UINT stride = picture.width * 4;
    return converted->CopyPixels(nullptr, stride, UINT(picture.pixels.size() * 4),
                                 reinterpret_cast<BYTE*>(picture.pixels.data()));
}

}  // namespace

HRESULT DecodeImage(const BYTE* data, size_t size, DecodedImage& picture)
{
    if (!data || size == 0 || size > kMaxEncodedBytes) return E_FAIL;
    Held<IWICImagingFactory> factory;
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(&factory));
    if (FAILED(result)) return result;
    if (FAILED(factory->CreateStream(&stream))) return E_FAIL;
    if (FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), DWORD(size)))) return E_FAIL;
    if (FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)))
        return E_FAIL;
    if (!IdentifyFormat(decoder.p, picture)) return E_FAIL;
    if (FAILED(decoder->GetFrame(0, &frame))) return E_FAIL;
    ReadResolution(frame.p, picture);
    if (HasAlpha(frame.p, factory.p)) picture.flags |= ImageFlagsHasAlpha;
    result = CopyPremultiplied(frame.p, picture);
    if (FAILED(result)) picture.pixels.clear();
    return FAILED(result) ? (result == E_OUTOFMEMORY ? result : E_FAIL) : S_OK;
}

}  // namespace wincore
