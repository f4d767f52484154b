#include <cmath>
#include <new>

#include "com_object.h"
#include "picture.h"

namespace navimaging {

namespace {

// Decoded completely when made; the stream it came from is held, never read again.
class Image final : public ComObject<IImage> {
public:
    Image(Picture&& picture, IStream* source) : picture_(std::move(picture)), source_(source)
    {
        if (source_) source_->AddRef();
    }
    ~Image() override
    {
        if (source_) source_->Release();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        return Answer(riid, object, {&IID_IImage});
    }

    HRESULT STDMETHODCALLTYPE GetPhysicalDimension(SIZE* size) override
    {
        if (!size) return E_POINTER;
        size->cx = LONG(std::lround(picture_.width * kHimetricPerInch / picture_.xdpi));
        size->cy = LONG(std::lround(picture_.height * kHimetricPerInch / picture_.ydpi));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) override
    {
        if (!info) return E_POINTER;
        info->RawDataFormat = picture_.format;
        info->PixelFormat = PixelFormat32bppARGB;
        info->Width = picture_.width;
        info->Height = picture_.height;
        info->TileWidth = picture_.width;
        info->TileHeight = picture_.height;
        info->Xdpi = picture_.xdpi;
        info->Ydpi = picture_.ydpi;
        info->Flags = picture_.flags;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetImageFlags(UINT) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE Draw(HDC dc, const RECT* destination, const RECT* source) override
    {
        if (!destination) return E_POINTER;
        return DrawPicture(picture_, dc, *destination, source);
    }

    HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetThumbnail(UINT, UINT, IImage** thumbnail) override
    {
        if (thumbnail) *thumbnail = nullptr;
        return E_NOTIMPL;
    }

private:
    Picture picture_;
    IStream* source_;
};

}  // namespace

IImage* MakeImage(Picture&& picture, IStream* source)
{
    return new (std::nothrow) Image(std::move(picture), source);
}

}  // namespace navimaging
