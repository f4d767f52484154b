// The imaging factory: images from streams and files. Only decoding is offered; bitmaps,
// encoders and codec management are not.
#include "shared/imaging/factory.h"

#include <memory>
#include <new>

#include "shared/com/object.h"
#include "shared/imaging/backend.h"
#include "shared/imaging/image.h"
#include "shared/imaging/picture_cache.h"

namespace wincore {

namespace {

HRESULT Decode(const EncodedBytes& bytes, std::shared_ptr<const DecodedImage>& picture)
{
    std::shared_ptr<DecodedImage> decoded;
    try {
        decoded = std::make_shared<DecodedImage>();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    HRESULT result = DecodeImage(bytes.data(), bytes.size(), *decoded);
    if (FAILED(result)) return result;
    picture = std::move(decoded);
    return S_OK;
}

HRESULT MakeImageFrom(std::shared_ptr<const DecodedImage> picture, IStream* source, IImage** image)
{
    *image = MakeImage(std::move(picture), source);
    return *image ? S_OK : E_OUTOFMEMORY;
}

class ImagingFactory final : public ComObject<IImagingFactory> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        return Answer(riid, object, {&IID_IImagingFactory});
    }

    HRESULT STDMETHODCALLTYPE CreateImageFromStream(IStream* stream, IImage** image) override
    {
        if (!image) return E_POINTER;
        *image = nullptr;
        if (!stream) return E_POINTER;
        EncodedBytes bytes;
        HRESULT result = ReadStreamBytes(stream, bytes);
        if (FAILED(result)) return result;
        std::shared_ptr<const DecodedImage> picture;
        result = cache_ ? cache_->Obtain(bytes, Decode, picture) : Decode(bytes, picture);
        if (FAILED(result)) return result;
        return MakeImageFrom(std::move(picture), stream, image);
    }

    HRESULT STDMETHODCALLTYPE CreateImageFromFile(const WCHAR* fileName, IImage** image) override
    {
        if (!image) return E_POINTER;
        *image = nullptr;
        if (!fileName) return E_POINTER;
        EncodedBytes bytes;
        HRESULT result = ReadFileBytes(fileName, bytes);
        if (FAILED(result)) return result;
        std::shared_ptr<const DecodedImage> picture;
        result = Decode(bytes, picture);
        if (FAILED(result)) return result;
        return MakeImageFrom(std::move(picture), nullptr, image);
    }

    HRESULT STDMETHODCALLTYPE CreateImageFromBuffer(const void*, UINT, BufferDisposalFlag, IImage**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateNewBitmap(UINT, UINT, PixelFormatID, IBitmapImage**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromImage(IImage*, UINT, UINT, PixelFormatID, InterpolationHint,
                                                    IBitmapImage**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromBuffer(BitmapData*, IBitmapImage**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateImageDecoder(IStream*, DecoderInitFlag, IImageDecoder**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateImageEncoderToStream(const CLSID*, IStream*, IImageEncoder**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateImageEncoderToFile(const CLSID*, const WCHAR*, IImageEncoder**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetInstalledDecoders(UINT*, ImageCodecInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetInstalledEncoders(UINT*, ImageCodecInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InstallImageCodec(const ImageCodecInfo*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UninstallImageCodec(const WCHAR*, UINT) override { return E_NOTIMPL; }

private:
    // Pictures from streams only: a file picture is decoded once and kept by whoever loads it,
    // so caching it would only spend the budget. Without a cache every stream is decoded.
    std::shared_ptr<PictureCache> cache_ = SharedPictureCache();
};

}  // namespace

IImagingFactory* CreateImagingFactory()
{
    return new (std::nothrow) ImagingFactory();
}

}  // namespace wincore
