#include "imaging/pictures.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace {

void AppendPng(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushPng(png_structp) {}

void PutU16(Bytes& out, size_t at, uint16_t v)
{
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
}

void PutU32(Bytes& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++) out[at + i] = uint8_t(v >> (8 * i));
}

void PutBigU32(Bytes& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++) out[at + i] = uint8_t(v >> (24 - 8 * i));
}

uint32_t Crc32(const uint8_t* data, size_t size)
{
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; bit++) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// Holds nothing with a destructor: libpng leaves it by longjmp on an error.
bool WritePng(png_structp png, png_infop info, const PngSpec& spec, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colorType,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(spec.palette.data()), int(spec.palette.size() / 3));
    if (!spec.transparency.empty())
        png_set_tRNS(png, info, spec.transparency.data(), int(spec.transparency.size()), nullptr);
    if (spec.transparentGray >= 0) {
        png_color_16 key = {};
        key.gray = png_uint_16(spec.transparentGray);
        png_set_tRNS(png, info, nullptr, 1, &key);
    }
    if (spec.pixelsPerMetre)
        png_set_pHYs(png, info, spec.pixelsPerMetre, spec.pixelsPerMetre,
                     spec.resolutionUnknownUnit ? PNG_RESOLUTION_UNKNOWN : PNG_RESOLUTION_METER);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

Bytes EncodePng(const PngSpec& spec)
{
    Bytes out;
    size_t stride = spec.rows.size() / size_t(spec.height);
    std::vector<png_bytep> rows(spec.height);
    for (int y = 0; y < spec.height; y++) rows[y] = const_cast<png_bytep>(&spec.rows[y * stride]);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPng, FlushPng);
    bool written = WritePng(png, info, spec, rows.data());
    png_destroy_write_struct(&png, &info);
    EXPECT_TRUE(written) << "libpng could not write the test picture";
    return out;
}

Bytes RgbaPng(int width, int height, const std::vector<uint32_t>& argb, uint32_t pixelsPerMetre)
{
    PngSpec spec;
    spec.width = width;
    spec.height = height;
    spec.pixelsPerMetre = pixelsPerMetre;
    for (uint32_t p : argb)
        spec.rows.insert(spec.rows.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
    return EncodePng(spec);
}

void SetPngSize(Bytes& png, uint32_t width, uint32_t height)
{
    constexpr size_t kIhdrType = 12;  // after the signature and the chunk length
    PutBigU32(png, kIhdrType + 4, width);
    PutBigU32(png, kIhdrType + 8, height);
    PutBigU32(png, kIhdrType + 17, Crc32(&png[kIhdrType], 17));
}

Bytes EncodeBmp(const BmpSpec& spec)
{
    size_t masksBytes = spec.headerSize == 40 ? spec.masks.size() * 4 : 0;
    size_t pixelOffset = 14 + spec.headerSize + masksBytes + spec.palette.size() * 4;
    Bytes out(pixelOffset, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, uint32_t(pixelOffset + spec.rows.size()));
    PutU32(out, 10, uint32_t(pixelOffset));
    PutU32(out, 14, spec.headerSize);
    PutU32(out, 18, uint32_t(spec.width));
    PutU32(out, 22, uint32_t(spec.height));
    PutU16(out, 26, 1);
    PutU16(out, 28, spec.bits);
    PutU32(out, 30, spec.compression);
    PutU32(out, 34, uint32_t(spec.rows.size()));
    PutU32(out, 38, uint32_t(spec.pixelsPerMetre));
    PutU32(out, 42, uint32_t(spec.pixelsPerMetre));
    PutU32(out, 46, uint32_t(spec.palette.size()));
    for (size_t i = 0; i < spec.masks.size(); i++) PutU32(out, 54 + i * 4, spec.masks[i]);
    size_t palette = 14 + spec.headerSize + masksBytes;
    for (size_t i = 0; i < spec.palette.size(); i++) PutU32(out, palette + i * 4, spec.palette[i]);
    out.insert(out.end(), spec.rows.begin(), spec.rows.end());
    return out;
}

Bytes EncodeCoreBmp(uint16_t width, uint16_t height, uint16_t bits, const std::vector<uint32_t>& palette,
                    const Bytes& rows)
{
    constexpr size_t kHeaders = 14 + 12;
    size_t pixelOffset = kHeaders + palette.size() * 3;
    Bytes out(pixelOffset, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, uint32_t(pixelOffset + rows.size()));
    PutU32(out, 10, uint32_t(pixelOffset));
    PutU32(out, 14, 12);
    PutU16(out, 18, width);
    PutU16(out, 20, height);
    PutU16(out, 22, 1);
    PutU16(out, 24, bits);
    for (size_t i = 0; i < palette.size(); i++) {
        out[kHeaders + i * 3] = uint8_t(palette[i]);
        out[kHeaders + i * 3 + 1] = uint8_t(palette[i] >> 8);
        out[kHeaders + i * 3 + 2] = uint8_t(palette[i] >> 16);
    }
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

Bytes CmykJpeg(int width, int height, const uint8_t (&ink)[4], InkStorage storage)
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_set_colorspace(&info, storage == InkStorage::Ycck ? JCS_YCCK : JCS_CMYK);
    info.write_Adobe_marker = storage != InkStorage::Plain;
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; x++)
        for (uint8_t channel : ink) row.push_back(storage == InkStorage::Plain ? channel : 255 - channel);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    free(buffer);
    return out;
}

Bytes SolidJpeg(int width, int height, COLORREF color, int densityUnit, int density, bool gray)
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = gray ? 1 : 3;
    info.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    info.density_unit = UINT8(densityUnit);
    info.X_density = UINT16(density);
    info.Y_density = UINT16(density);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; x++) {
        if (gray) row.push_back(GetRValue(color));
        else row.insert(row.end(), {GetRValue(color), GetGValue(color), GetBValue(color)});
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    free(buffer);
    return out;
}

void ImagingTest::SetUp()
{
    HostTest::SetUp();
    comAtStart_ = wincore::LiveComObjects();
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    ASSERT_EQ(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                               reinterpret_cast<void**>(&factory_)),
              S_OK);
}

void ImagingTest::TearDown()
{
    if (factory_) {
        EXPECT_EQ(factory_->Release(), 0u);
    }
    CoUninitialize();
    EXPECT_EQ(wincore::ComInitCount(), 0) << "CoInitializeEx not balanced";
    EXPECT_EQ(wincore::LiveComObjects(), comAtStart_) << "COM objects leaked";
    HostTest::TearDown();
}

HRESULT ImagingTest::Decode(const Bytes& bytes, IImage** image)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!bytes.empty()) memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    IStream* stream = nullptr;
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    HRESULT result = factory_->CreateImageFromStream(stream, image);
    stream->Release();
    return result;
}

IImage* ImagingTest::Load(const Bytes& bytes)
{
    IImage* image = nullptr;
    EXPECT_EQ(Decode(bytes, &image), S_OK);
    return image;
}

Canvas::Canvas(int width, int height, COLORREF fill)
    : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateCompatibleBitmap(dc_, width, height)),
      previous_(SelectObject(dc_, bitmap_))
{
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas()
{
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    return {left, top, right, bottom};
}

std::vector<COLORREF> Render(IImage* image, COLORREF background)
{
    ImageInfo info = {};
    EXPECT_EQ(image->GetImageInfo(&info), S_OK);
    int width = int(info.Width);
    int height = int(info.Height);
    Canvas canvas(width, height, background);
    RECT all = Rect(0, 0, width, height);
    EXPECT_EQ(image->Draw(canvas.dc(), &all, nullptr), S_OK);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) pixels.push_back(canvas.At(x, y));
    return pixels;
}

LONG ToHimetric(int pixels, double dpi)
{
    double pxPerMm = dpi * 0.03937007874015748;
    double mmPerPx = 1.0 / pxPerMm;
    return LONG(double(pixels) * mmPerPx * 100.0);
}
