// JPEG through libjpeg-turbo, baseline and progressive: greyscale, YCbCr and RGB files decoded as
// B, G, R, A straight into the pixel rows; CMYK and YCCK files as CMYK there, converted in place.
//
// libjpeg reports fatal errors by longjmp. Each function that calls setjmp holds no object with a
// destructor; the caller owns everything and destroys the decompressor whichever way it ended.
#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/decoders.h"

namespace wincore {

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr JDIMENSION kRowsPerRead = 16;  // rows asked of the library per call

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

bool IsCmyk(J_COLOR_SPACE space)
{
    return space == JCS_CMYK || space == JCS_YCCK;
}

bool ReadHeader(JpegSession& session, const BYTE* data, size_t size)
{
    if (setjmp(session.failure.jump)) return false;
    jpeg_create_decompress(&session.info);
    jpeg_mem_src(&session.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&session.info, TRUE);
    session.info.out_color_space = IsCmyk(session.info.jpeg_color_space) ? JCS_CMYK : JCS_EXT_BGRA;
    return true;
}

// Ink of 0..255 per channel to light. Files with an Adobe marker store the ink inverted
// (255 is none), which is what Adobe's applications write.
void CmykToPixels(uint32_t* row, JDIMENSION width, bool inverted)
{
    BYTE* ink = reinterpret_cast<BYTE*>(row);
    for (JDIMENSION x = 0; x < width; x++, ink += 4) {
        unsigned c = ink[0], m = ink[1], y = ink[2], k = ink[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        row[x] = PremultipliedPixel(MultiplyChannel(c, k), MultiplyChannel(m, k), MultiplyChannel(y, k), 255);
    }
}

// Reads up to kRowsPerRead rows at a time straight into the pixel buffer.
bool ReadPixels(JpegSession& session, DecodedImage& image)
{
    if (setjmp(session.failure.jump)) return false;
    jpeg_start_decompress(&session.info);
    if (session.info.output_width != image.width || session.info.output_height != image.height ||
        session.info.output_components != 4)
        return false;
    bool cmyk = session.info.out_color_space == JCS_CMYK;
    JSAMPROW rows[kRowsPerRead];
    while (session.info.output_scanline < session.info.output_height) {
        JDIMENSION first = session.info.output_scanline;
        JDIMENSION count = std::min(kRowsPerRead, session.info.output_height - first);
        for (JDIMENSION i = 0; i < count; i++)
            rows[i] = reinterpret_cast<JSAMPROW>(&image.pixels[size_t(first + i) * image.width]);
        JDIMENSION read = jpeg_read_scanlines(&session.info, rows, count);
        if (read == 0) return false;
        for (JDIMENSION i = 0; cmyk && i < read; i++)
            CmykToPixels(&image.pixels[size_t(first + i) * image.width], image.width,
                         session.info.saw_Adobe_marker);
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
    case JCS_CMYK: return ImageFlagsColorSpaceCMYK;
    case JCS_YCCK: return ImageFlagsColorSpaceYCCK;
    default: return ImageFlagsColorSpaceRGB;
    }
}

HRESULT Decode(JpegSession& session, const BYTE* data, size_t size, DecodedImage& image)
{
    if (!ReadHeader(session, data, size)) return E_FAIL;
    HRESULT result = AllocatePixels(image, session.info.image_width, session.info.image_height);
    if (FAILED(result)) return result;
    if (!ReadPixels(session, image)) return E_FAIL;
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
