#include "imaging/pictures.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <png.h>

namespace {

void AppendPng(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// Appends `value` little-endian in `bytes` bytes.
void Append(Bytes& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; i++) out.push_back(uint8_t(value >> (8 * i)));
}

// Holds nothing with a destructor: libpng leaves it by longjmp on an error.
bool WritePng(png_structp png, png_infop info, const PngSpec& spec, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colorType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (spec.pixelsPerMetre)
        png_set_pHYs(png, info, spec.pixelsPerMetre, spec.pixelsPerMetre, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    if (spec.rows.empty()) return true;
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
    for (int y = 0; y < spec.height && stride; y++) rows[y] = const_cast<png_bytep>(&spec.rows[y * stride]);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPng, [](png_structp) {});
    bool written = WritePng(png, info, spec, rows.data());
    png_destroy_write_struct(&png, &info);
    EXPECT_TRUE(written) << "libpng could not write the test picture";
    if (spec.rows.empty()) out.insert(out.end(), {0, 0, 0, 0, 'I', 'D', 'A', 'T'});
    return out;
}

Bytes RgbaPng(int width, int height, const std::vector<uint32_t>& argb, uint32_t pixelsPerMetre)
{
    PngSpec spec = {width, height};
    spec.pixelsPerMetre = pixelsPerMetre;
    for (uint32_t p : argb)
        spec.rows.insert(spec.rows.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
    return EncodePng(spec);
}

Bytes EncodeBmp(const BmpSpec& spec)
{
    uint32_t pixelOffset = uint32_t(14 + 40 + spec.palette.size() * 4);
    uint32_t rowsBytes = uint32_t(spec.rows.size());
    Bytes out = {'B', 'M'};
    for (uint32_t v : {pixelOffset + rowsBytes, 0u, pixelOffset, 40u, uint32_t(spec.width), uint32_t(spec.height)})
        Append(out, v, 4);
    Append(out, 1, 2);
    Append(out, spec.bits, 2);
    for (uint32_t v : {spec.compression, rowsBytes, 0u, 0u, uint32_t(spec.palette.size()), 0u})
        Append(out, v, 4);
    for (uint32_t colour : spec.palette) Append(out, colour, 4);
    out.insert(out.end(), spec.rows.begin(), spec.rows.end());
    return out;
}

std::string Describe(IImage* image)
{
    ImageInfo info = {};
    SIZE physical = {};
    if (image->GetImageInfo(&info) != S_OK || image->GetPhysicalDimension(&physical) != S_OK) return "no information";
    const GUID& raw = info.RawDataFormat;
    const char* format = raw == ImageFormatPNG ? "PNG" : raw == ImageFormatBMP ? "BMP" : "JPEG";
    char text[128];
    snprintf(text, sizeof text, "%s %ux%u %gx%gdpi %ldx%ld%s", format, info.Width, info.Height,
             info.Xdpi, info.Ydpi, long(physical.cx), long(physical.cy),
             info.PixelFormat == PixelFormat32bppARGB ? "" : ", not ARGB");
    std::string out = text;
    const std::pair<UINT, const char*> flags[] = {
        {ImageFlagsHasAlpha, "alpha"},      {ImageFlagsColorSpaceRGB, "rgb"},    {ImageFlagsColorSpaceGRAY, "gray"},
        {ImageFlagsColorSpaceCMYK, "cmyk"}, {ImageFlagsColorSpaceYCCK, "ycck"},  {ImageFlagsColorSpaceYCBCR, "ycbcr"},
        {ImageFlagsHasRealPixelSize, "realsize"}, {ImageFlagsHasRealDPI, "realdpi"}};
    UINT rest = info.Flags;
    for (auto [bit, name] : flags)
        if (rest & bit) out += std::string(" ") + name, rest &= ~bit;
    return rest ? out + " flags " + std::to_string(rest) : out;
}

Colors Render(IImage* image, COLORREF background)
{
    ImageInfo info = {};
    EXPECT_EQ(image->GetImageInfo(&info), S_OK);
    Canvas canvas(int(info.Width), int(info.Height), background);
    RECT all = {0, 0, LONG(info.Width), LONG(info.Height)};
    EXPECT_EQ(image->Draw(canvas.dc(), &all, nullptr), S_OK);
    return canvas.Pixels();
}

LONG ToHimetric(int pixels, double dpi)
{
    return LONG(double(pixels) * (1.0 / (dpi * 0.03937007874015748)) * 100.0);
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
    EXPECT_EQ(factory_ ? factory_->Release() : 0u, 0u);
    CoUninitialize();
    EXPECT_EQ(wincore::ComInitCount(), 0) << "CoInitializeEx not balanced";
    EXPECT_EQ(wincore::LiveComObjects(), comAtStart_) << "COM objects leaked";
    HostTest::TearDown();
}

HGLOBAL BlockWith(const void* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (size) memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

HRESULT ImagingTest::Decode(const Bytes& bytes, IImage** image)
{
    IStream* stream = nullptr;
    EXPECT_EQ(CreateStreamOnHGlobal(BlockWith(bytes.data(), bytes.size()), TRUE, &stream), S_OK);
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

std::string ImagingTest::DescribeOf(const Bytes& bytes)
{
    IImage* image = reinterpret_cast<IImage*>(this);  // a failure must clear it
    HRESULT result = Decode(bytes, &image);
    if (FAILED(result) && image) return "refused, the image not cleared";
    if (FAILED(result)) return result == E_OUTOFMEMORY ? "refused: out of memory" : "refused";
    std::string description = Describe(image);
    image->Release();
    return description;
}

Colors ImagingTest::RenderOf(const Bytes& bytes, COLORREF background)
{
    IImage* image = Load(bytes);
    Colors pixels = image ? Render(image, background) : Colors();
    if (image) image->Release();
    return pixels;
}
