// The imaging service: a factory that decodes PNG, BMP and JPEG pictures into images that draw
// themselves onto a device context.
#pragma once

#include <windows.h>
#include <objbase.h>

// Pixel formats (the GDI+ encoding: index | bits per pixel << 8 | flags). Decoded images report
// PixelFormat32bppARGB; their pixels are kept premultiplied.
typedef INT PixelFormatID;
inline constexpr PixelFormatID PixelFormatUndefined = 0x00000000;
inline constexpr PixelFormatID PixelFormat24bppRGB = 0x00021808;
inline constexpr PixelFormatID PixelFormat32bppRGB = 0x00022009;
inline constexpr PixelFormatID PixelFormat32bppARGB = 0x0026200A;
inline constexpr PixelFormatID PixelFormat32bppPARGB = 0x000E200B;

enum ImageFlags {
    ImageFlagsNone = 0,
    ImageFlagsScalable = 0x0001,
    ImageFlagsHasAlpha = 0x0002,
    ImageFlagsHasTranslucent = 0x0004,
    ImageFlagsPartiallyScalable = 0x0008,
    ImageFlagsColorSpaceRGB = 0x0010,
    ImageFlagsColorSpaceCMYK = 0x0020,
    ImageFlagsColorSpaceGRAY = 0x0040,
    ImageFlagsColorSpaceYCBCR = 0x0080,
    ImageFlagsColorSpaceYCCK = 0x0100,
    ImageFlagsHasRealDPI = 0x1000,
    ImageFlagsHasRealPixelSize = 0x2000,
    ImageFlagsReadOnly = 0x00010000,
    ImageFlagsCaching = 0x00020000,
};

enum BufferDisposalFlag {
    BufferDisposalFlagNone,
    BufferDisposalFlagGlobalFree,
    BufferDisposalFlagCoTaskMemFree,
    BufferDisposalFlagUnmapView,
};

enum InterpolationHint {
    InterpolationHintDefault,
    InterpolationHintNearestNeighbor,
    InterpolationHintBilinear,
    InterpolationHintAveraging,
    InterpolationHintBicubic,
};

enum DecoderInitFlag {
    DecoderInitFlagNone = 0,
    DecoderInitFlagNoBlock = 0x0001,
    DecoderInitFlagBuiltIn1st = 0x0002,
};

struct ImageInfo {
    GUID RawDataFormat;  // ImageFormatPNG, ImageFormatBMP or ImageFormatJPEG
    PixelFormatID PixelFormat;
    UINT Width;          // pixels
    UINT Height;
    UINT TileWidth;
    UINT TileHeight;
    double Xdpi;         // from the file, else 96
    double Ydpi;
    UINT Flags;          // ImageFlags
};

struct BitmapData;
struct ImageCodecInfo;
struct IImageSink;
struct IBitmapImage;
struct IImageDecoder;
struct IImageEncoder;

struct IImage : public IUnknown {
    // The picture's size in HIMETRIC units (0.01 mm) at its resolution.
    virtual HRESULT STDMETHODCALLTYPE GetPhysicalDimension(SIZE* size) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetImageInfo(ImageInfo* info) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetImageFlags(UINT flags) = 0;
    // Composites `source` (HIMETRIC; NULL for the whole picture) scaled into `destination`
    // (device pixels of `dc`), alpha over what is there.
    virtual HRESULT STDMETHODCALLTYPE Draw(HDC dc, const RECT* destination, const RECT* source) = 0;
    virtual HRESULT STDMETHODCALLTYPE PushIntoSink(IImageSink* sink) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetThumbnail(UINT width, UINT height, IImage** thumbnail) = 0;
};

struct IImagingFactory : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateImageFromStream(IStream* stream, IImage** image) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageFromFile(const WCHAR* fileName, IImage** image) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageFromBuffer(const void* buffer, UINT size,
                                                            BufferDisposalFlag disposal, IImage** image) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateNewBitmap(UINT width, UINT height, PixelFormatID format,
                                                      IBitmapImage** bitmap) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateBitmapFromImage(IImage* image, UINT width, UINT height,
                                                            PixelFormatID format, InterpolationHint hints,
                                                            IBitmapImage** bitmap) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateBitmapFromBuffer(BitmapData* data, IBitmapImage** bitmap) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageDecoder(IStream* stream, DecoderInitFlag flags,
                                                         IImageDecoder** decoder) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageEncoderToStream(const CLSID* encoder, IStream* stream,
                                                                 IImageEncoder** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateImageEncoderToFile(const CLSID* encoder, const WCHAR* fileName,
                                                               IImageEncoder** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetInstalledDecoders(UINT* count, ImageCodecInfo** decoders) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetInstalledEncoders(UINT* count, ImageCodecInfo** encoders) = 0;
    virtual HRESULT STDMETHODCALLTYPE InstallImageCodec(const ImageCodecInfo* codec) = 0;
    virtual HRESULT STDMETHODCALLTYPE UninstallImageCodec(const WCHAR* codecName, UINT flags) = 0;
};

inline constexpr CLSID CLSID_ImagingFactory = {
    0x327ABDA8, 0x072B, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr IID IID_IImagingFactory = {
    0x327ABDA7, 0x072B, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr IID IID_IImage = {0x327ABDA9, 0x072B, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

inline constexpr GUID ImageFormatBMP = {0xB96B3CAB, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatJPEG = {
    0xB96B3CAE, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatPNG = {0xB96B3CAF, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
