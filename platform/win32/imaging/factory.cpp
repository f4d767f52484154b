// The imaging factory: images from streams and files. Only decoding is offered, as on wincore.
#include <new>
#include <vector>

#include "com_object.h"
#include "factory.h"
#include "picture.h"

namespace navimaging {

namespace {

constexpr ULONG kChunk = 64 * 1024;
constexpr size_t kLargestFile = 0x7FFFFFFF;

// From the stream's current position to its end.
HRESULT ReadStream(IStream* stream, std::vector<BYTE>& bytes)
{
    for (;;) {
        size_t used = bytes.size();
        if (used > kLargestFile) return E_OUTOFMEMORY;
        bytes.resize(used + kChunk);
        ULONG read = 0;
        HRESULT result = stream->Read(bytes.data() + used, kChunk, &read);
        bytes.resize(used + read);
        if (FAILED(result)) return result;
        if (read == 0) return S_OK;
    }
}

HRESULT ReadFileBytes(const WCHAR* path, std::vector<BYTE>& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
    LARGE_INTEGER size = {};
    HRESULT result = S_OK;
    if (!GetFileSizeEx(file, &size)) result = E_FAIL;
    else if (size.QuadPart > LONGLONG(kLargestFile)) result = E_OUTOFMEMORY;
    if (SUCCEEDED(result)) {
        bytes.resize(size_t(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) || read != bytes.size()) result = E_FAIL;
    }
    CloseHandle(file);
    return result;
}

HRESULT MakeImageFrom(const std::vector<BYTE>& bytes, IStream* source, IImage** image)
{
    Picture picture;
    HRESULT result = DecodePicture(bytes.data(), bytes.size(), picture);
    if (FAILED(result)) return result;
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
        std::vector<BYTE> bytes;
        HRESULT result = ReadStream(stream, bytes);
        if (FAILED(result)) return result;
        return MakeImageFrom(bytes, stream, image);
    }

    HRESULT STDMETHODCALLTYPE CreateImageFromFile(const WCHAR* fileName, IImage** image) override
    {
        if (!image) return E_POINTER;
        *image = nullptr;
        if (!fileName) return E_POINTER;
        std::vector<BYTE> bytes;
        HRESULT result = ReadFileBytes(fileName, bytes);
        if (FAILED(result)) return result;
        return MakeImageFrom(bytes, nullptr, image);
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
};

}  // namespace

IImagingFactory* CreateImagingFactory()
{
    return new (std::nothrow) ImagingFactory();
}

}  // namespace navimaging
