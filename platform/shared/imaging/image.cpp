#include "shared/imaging/image.h"

#include <cmath>
#include <memory>
#include <new>

#include "shared/com/object.h"
#include "shared/imaging/draw.h"
#include "shared/imaging/himetric.h"

namespace wincore {

namespace {

// The picture is decoded completely before the image is made, and shared with every image of the
// same bytes. The stream it came from is only held, as the imaging service's images hold theirs,
// and never read again: the memory behind it may be gone by then.
class Image final : public ComObject<IImage> {
public:
    Image(std::shared_ptr<const DecodedImage> decoded, IStream* source)
        : decoded_(std::move(decoded)), source_(source)
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
        size->cx = LONG(std::lround(decoded_->width * himetric::kPerInch / decoded_->xdpi));
        size->cy = LONG(std::lround(decoded_->height * himetric::kPerInch / decoded_->ydpi));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) override
    {
        if (!info) return E_POINTER;
        info->RawDataFormat = decoded_->format;
        info->PixelFormat = PixelFormat32bppARGB;
        info->Width = decoded_->width;
        info->Height = decoded_->height;
        info->TileWidth = decoded_->width;
        info->TileHeight = decoded_->height;
        info->Xdpi = decoded_->xdpi;
        info->Ydpi = decoded_->ydpi;
        info->Flags = decoded_->flags;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetImageFlags(UINT) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE Draw(HDC dc, const RECT* destination, const RECT* source) override
    {
        if (!destination) return E_POINTER;
        return DrawPicture(*decoded_, dc, *destination, source);
    }

    HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetThumbnail(UINT, UINT, IImage** thumbnail) override
    {
        if (thumbnail) *thumbnail = nullptr;
        return E_NOTIMPL;
    }

private:
    std::shared_ptr<const DecodedImage> decoded_;
    IStream* source_;
};

}  // namespace

IImage* MakeImage(std::shared_ptr<const DecodedImage> decoded, IStream* source)
{
    return new (std::nothrow) Image(std::move(decoded), source);
}

}  // namespace wincore
