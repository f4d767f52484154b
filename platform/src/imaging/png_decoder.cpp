// PNG through libpng: every colour type and depth, palette, tRNS and interlacing, expanded to
// 8-bit RGBA and premultiplied.
//
// libpng reports errors by longjmp. Each function that calls setjmp holds no object with a
// destructor, and everything that needs freeing lives in the caller, which cleans up whichever
// way the jump went.
#include <csetjmp>
#include <cstring>
#include <new>

#include <png.h>

#include "imaging/decoded.h"

namespace wincore {

namespace {

struct PngSession {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const BYTE* data = nullptr;
    size_t size = 0;
    size_t offset = 0;
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void ReadPngData(png_structp png, png_bytep out, size_t length)
{
    auto* session = static_cast<PngSession*>(png_get_io_ptr(png));
    if (length > session->size - session->offset) png_error(png, "truncated");
    memcpy(out, session->data + session->offset, length);
    session->offset += length;
}

bool ReadInfo(PngSession& session)
{
    if (setjmp(png_jmpbuf(session.png))) return false;
    png_set_read_fn(session.png, &session, ReadPngData);
    png_read_info(session.png, session.info);
    return true;
}

// Asks for 8-bit RGBA rows whatever the file holds, then reads every row (all interlace passes).
bool ReadRows(PngSession& session, png_bytepp rows, png_uint_32 width)
{
    if (setjmp(png_jmpbuf(session.png))) return false;
    png_set_expand(session.png);
    png_set_scale_16(session.png);
    png_set_gray_to_rgb(session.png);
    png_set_add_alpha(session.png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(session.png);
    png_read_update_info(session.png, session.info);
    if (png_get_rowbytes(session.png, session.info) != size_t(width) * 4) return false;
    png_read_image(session.png, rows);
    return true;
}

// The rows were read as R, G, B, A bytes into the pixel buffer itself; turn each into a pixel.
void PremultiplyInPlace(DecodedImage& image)
{
    for (uint32_t& pixel : image.pixels) {
        BYTE rgba[4];
        memcpy(rgba, &pixel, sizeof rgba);
        pixel = PremultipliedPixel(rgba[0], rgba[1], rgba[2], rgba[3]);
    }
}

void ReadResolution(const PngSession& session, DecodedImage& image)
{
    png_uint_32 x = 0;
    png_uint_32 y = 0;
    int unit = PNG_RESOLUTION_UNKNOWN;
    if (!png_get_pHYs(session.png, session.info, &x, &y, &unit)) return;
    if (unit != PNG_RESOLUTION_METER || x == 0 || y == 0) return;
    image.xdpi = x * kMetresPerInch;
    image.ydpi = y * kMetresPerInch;
    image.flags |= ImageFlagsHasRealDPI;
}

UINT FormatFlags(const PngSession& session)
{
    int colorType = png_get_color_type(session.png, session.info);
    bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(session.png, session.info, PNG_INFO_tRNS);
    bool gray = !(colorType & PNG_COLOR_MASK_COLOR);
    return (alpha ? ImageFlagsHasAlpha : 0) | (gray ? ImageFlagsColorSpaceGRAY : ImageFlagsColorSpaceRGB) |
           ImageFlagsHasRealPixelSize;
}

HRESULT Decode(PngSession& session, DecodedImage& image)
{
    if (!ReadInfo(session)) return E_FAIL;
    png_uint_32 width = png_get_image_width(session.png, session.info);
    png_uint_32 height = png_get_image_height(session.png, session.info);
    HRESULT result = AllocatePixels(image, width, height);
    if (FAILED(result)) return result;
    std::vector<png_bytep> rows;
    try {
        rows.resize(height);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    for (png_uint_32 y = 0; y < height; y++) rows[y] = reinterpret_cast<png_bytep>(&image.pixels[size_t(y) * width]);
    if (!ReadRows(session, rows.data(), width)) return E_FAIL;
    PremultiplyInPlace(image);
    image.format = ImageFormatPNG;
    image.flags = FormatFlags(session);
    ReadResolution(session, image);
    return S_OK;
}

}  // namespace

HRESULT DecodePng(const BYTE* data, size_t size, DecodedImage& image)
{
    PngSession session;
    session.data = data;
    session.size = size;
    session.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &session, OnPngError, OnPngWarning);
    if (!session.png) return E_OUTOFMEMORY;
    session.info = png_create_info_struct(session.png);
    HRESULT result = session.info ? Decode(session, image) : E_OUTOFMEMORY;
    png_destroy_read_struct(&session.png, &session.info, nullptr);
    if (FAILED(result)) image = DecodedImage();
    return result;
}

}  // namespace wincore
