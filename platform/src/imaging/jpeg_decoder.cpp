// JPEG through libjpeg-turbo: greyscale and YCbCr (or RGB) files, baseline and progressive.
//
// libjpeg reports fatal errors by longjmp. Each function that calls setjmp holds no object with a
// destructor; the caller owns everything and destroys the decompressor whichever way it ended.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/decoded.h"

namespace wincore {

namespace {

constexpr double kCentimetresPerInch = 2.54;

struct JpegFailure {
    jpeg_error_mgr manager;  // first, so the library's error pointer is also ours
    jmp_buf jump;
    bool damaged;            // warnings that mean the picture is cut short or corrupt
};

struct JpegSession {
    jpeg_decompress_struct info;
    JpegFailure failure;
};

[[noreturn]] void OnJpegError(j_common_ptr info)
{
    longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1);
}

// libjpeg patches over missing or broken data and only warns; such a picture is refused.
void OnJpegMessage(j_common_ptr info, int level)
{
    if (level >= 0) return;
    int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)
        reinterpret_cast<JpegFailure*>(info->err)->damaged = true;
}

bool ReadHeader(JpegSession& session, const BYTE* data, size_t size)
{
    if (setjmp(session.failure.jump)) return false;
    jpeg_create_decompress(&session.info);
    jpeg_mem_src(&session.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&session.info, TRUE);
    session.info.out_color_space = JCS_RGB;
    return true;
}

void StoreRow(const JSAMPLE* rgb, uint32_t* out, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; x++, rgb += 3) out[x] = PremultipliedPixel(rgb[0], rgb[1], rgb[2], 255);
}

bool ReadPixels(JpegSession& session, JSAMPLE* row, DecodedImage& image)
{
    if (setjmp(session.failure.jump)) return false;
    jpeg_start_decompress(&session.info);
    if (session.info.output_width != image.width || session.info.output_height != image.height ||
        session.info.output_components != 3)
        return false;
    JSAMPROW rows[1] = {row};
    while (session.info.output_scanline < session.info.output_height) {
        uint32_t* out = &image.pixels[size_t(session.info.output_scanline) * image.width];
        if (jpeg_read_scanlines(&session.info, rows, 1) != 1) return false;
        StoreRow(row, out, image.width);
    }
    jpeg_finish_decompress(&session.info);
    return !session.failure.damaged;
}

void ReadResolution(const jpeg_decompress_struct& info, DecodedImage& image)
{
    if (info.X_density == 0 || info.Y_density == 0) return;
    double perInch;
    switch (info.density_unit) {
    case 1: perInch = 1.0; break;
    case 2: perInch = kCentimetresPerInch; break;
    default: return;
    }
    image.xdpi = info.X_density * perInch;
    image.ydpi = info.Y_density * perInch;
    image.flags |= ImageFlagsHasRealDPI;
}

UINT ColorSpaceFlag(J_COLOR_SPACE space)
{
    switch (space) {
    case JCS_GRAYSCALE: return ImageFlagsColorSpaceGRAY;
    case JCS_YCbCr: return ImageFlagsColorSpaceYCBCR;
    default: return ImageFlagsColorSpaceRGB;
    }
}

HRESULT Decode(JpegSession& session, const BYTE* data, size_t size, DecodedImage& image)
{
    if (!ReadHeader(session, data, size)) return E_FAIL;
    HRESULT result = AllocatePixels(image, session.info.image_width, session.info.image_height);
    if (FAILED(result)) return result;
    std::vector<JSAMPLE> row;
    try {
        row.resize(size_t(image.width) * 3);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if (!ReadPixels(session, row.data(), image)) return E_FAIL;
    image.format = ImageFormatJPEG;
    image.flags = ColorSpaceFlag(session.info.jpeg_color_space) | ImageFlagsHasRealPixelSize;
    ReadResolution(session.info, image);
    return S_OK;
}

}  // namespace

HRESULT DecodeJpeg(const BYTE* data, size_t size, DecodedImage& image)
{
    JpegSession session = {};
    session.info.err = jpeg_std_error(&session.failure.manager);
    session.failure.manager.error_exit = OnJpegError;
    session.failure.manager.emit_message = OnJpegMessage;
    HRESULT result = Decode(session, data, size, image);
    jpeg_destroy_decompress(&session.info);
    if (FAILED(result)) image = DecodedImage();
    return result;
}

}  // namespace wincore
