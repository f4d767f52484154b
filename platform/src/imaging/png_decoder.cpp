// PNG through libpng: every colour type and depth, palette, tRNS and interlacing, expanded to
// 8-bit BGRA straight into the pixel rows and premultiplied where the file has alpha.
//
// libpng reports errors by longjmp. Each function that calls setjmp holds no object with a
// destructor, and everything that needs freeing lives in the caller, which cleans up whichever
// way the jump went.
#include <csetjmp>
#include <cstring>
#include <new>

#include <png.h>

#include "imaging/decoders.h"

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

// Whether the file can hold pixels that are not opaque: an alpha channel or a tRNS chunk.
bool FileHasAlpha(const PngSession& session)
{
    return (png_get_color_type(session.png, session.info) & PNG_COLOR_MASK_ALPHA) ||
           png_get_valid(session.png, session.info, PNG_INFO_tRNS);
}

// Asks for 8-bit B, G, R, A rows (a straight-alpha pixel each) whatever the file holds, and reads
// them into the pixel buffer itself. A row is premultiplied once the last pass has left it final.
bool ReadRows(PngSession& session, DecodedImage& image, bool premultiply)
{
    if (setjmp(png_jmpbuf(session.png))) return false;
    png_set_expand(session.png);
    png_set_scale_16(session.png);
    png_set_gray_to_rgb(session.png);
    png_set_bgr(session.png);
    png_set_add_alpha(session.png, 0xFF, PNG_FILLER_AFTER);
    int passes = png_set_interlace_handling(session.png);
    png_read_update_info(session.png, session.info);
    if (png_get_rowbytes(session.png, session.info) != size_t(image.width) * 4) return false;
    for (int pass = 0; pass < passes; pass++) {
        for (UINT y = 0; y < image.height; y++) {
            uint32_t* row = &image.pixels[size_t(y) * image.width];
            png_read_row(session.png, reinterpret_cast<png_bytep>(row), nullptr);
            if (premultiply && pass == passes - 1) PremultiplyRow(row, image.width);
        }
    }
    return true;
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

// What the file holds, read before any transformation: grey or colour (a palette's entries are
// colours), and whether it carries alpha.
UINT FormatFlags(const PngSession& session)
{
    bool gray = !(png_get_color_type(session.png, session.info) & PNG_COLOR_MASK_COLOR);
    return (FileHasAlpha(session) ? ImageFlagsHasAlpha : 0) |
           (gray ? ImageFlagsColorSpaceGRAY : ImageFlagsColorSpaceRGB) | ImageFlagsHasRealPixelSize;
}

HRESULT Decode(PngSession& session, DecodedImage& image)
{
    if (!ReadInfo(session)) return E_FAIL;
    HRESULT result = AllocatePixels(image, png_get_image_width(session.png, session.info),
                                    png_get_image_height(session.png, session.info));
    if (FAILED(result)) return result;
    UINT flags = FormatFlags(session);
    if (!ReadRows(session, image, FileHasAlpha(session))) return E_FAIL;
    image.format = ImageFormatPNG;
    image.flags = flags;
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
