// Picture files (PNG, BMP, JPEG) decoded and drawn through the imaging factory, from a stream as
// the library loads its resources and from a file as CNavImage loads a host's picture. A 1:1 draw
// from the HIMETRIC rectangle the image wrapper makes must copy the picture's pixels exactly.
#include <objbase.h>
#include <imaging.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include <wincore/host.h>

#include "frame/Module.h"
#include "frame/NavImage.h"
#include "support/session.h"

namespace {

constexpr int kTargetSize = 64;

// Source rectangles in HIMETRIC derive from the picture's physical size, which a file's resolution
// can make huge: the arithmetic stays in range.
LONG Scaled(LONG value, double factor)
{
    double scaled = double(value) * factor;
    if (scaled > 2e9) return LONG(2e9);
    if (scaled < -2e9) return LONG(-2e9);
    return LONG(scaled);
}

IStream* StreamOver(const uint8_t* data, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    if (size) {
        void* bytes = GlobalLock(block);
        memcpy(bytes, data, size);
        GlobalUnlock(block);
    }
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK) {
        GlobalFree(block);
        return nullptr;
    }
    return stream;
}

// Whole, shrunk, enlarged, a part, and a source reaching past the picture.
void DrawImage(IImage* image, HDC dc)
{
    ImageInfo info = {};
    SIZE physical = {0, 0};
    image->GetImageInfo(&info);
    image->GetPhysicalDimension(&physical);
    RECT whole = {3, 5, 3 + int(info.Width % 100), 5 + int(info.Height % 100)};
    image->Draw(dc, &whole, nullptr);
    RECT shrunk = {0, 0, 7, 3};
    image->Draw(dc, &shrunk, nullptr);
    RECT enlarged = {-10, -4, 61, 59};
    image->Draw(dc, &enlarged, nullptr);
    RECT part = {physical.cx / 4, physical.cy / 4, Scaled(physical.cx, 0.5) + 1, Scaled(physical.cy, 0.5) + 1};
    image->Draw(dc, &enlarged, &part);
    RECT beyond = {-physical.cx, -5, Scaled(physical.cx, 2), Scaled(physical.cy, 3)};
    image->Draw(dc, &whole, &beyond);
}

// Below this resolution every pixel spans more than one HIMETRIC unit, so any part of a picture
// can be named exactly; above it only the whole picture can.
constexpr double kDistinctPixelsDpi = 2500.0;

// A 32-bit top-down canvas whose pixels are read straight from memory.
class Canvas {
public:
    Canvas()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kTargetSize;
        info.bmiHeader.biHeight = -kTargetSize;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!dc_ || !bitmap_) Fault("no canvas");
        pixels_ = static_cast<const uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, kTargetSize, kTargetSize};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    uint32_t At(int x, int y) const { return pixels_[y * kTargetSize + x]; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    const uint32_t* pixels_ = nullptr;
};

// Draws pixels [x, x + width) x [y, y + height) of the picture 1:1 at the canvas's origin, from
// the source rectangle CNavImage computes for them.
void DrawPart(IImage* image, const ImageInfo& info, const Canvas& canvas, int x, int y, int width, int height)
{
    RECT destination = {0, 0, width, height};
    RECT source = {PixelsToHimetric(x, info.Xdpi), PixelsToHimetric(y, info.Ydpi),
                   PixelsToHimetric(x + width, info.Xdpi), PixelsToHimetric(y + height, info.Ydpi)};
    image->Draw(canvas.dc(), &destination, &source);
}

void CheckOneToOne(IImage* image)
{
    ImageInfo info = {};
    if (image->GetImageInfo(&info) != S_OK) return;
    const int width = int(info.Width), height = int(info.Height);
    Canvas whole, fromHimetric, part;
    RECT all = {0, 0, width, height};
    image->Draw(whole.dc(), &all, nullptr);
    DrawPart(image, info, fromHimetric, 0, 0, width, height);
    const int x = width / 3, y = height / 3;
    const bool partExact = info.Xdpi < kDistinctPixelsDpi && info.Ydpi < kDistinctPixelsDpi;
    if (partExact) DrawPart(image, info, part, x, y, width - x, height - y);
    for (int row = 0; row < std::min(height, kTargetSize); row++)
        for (int column = 0; column < std::min(width, kTargetSize); column++) {
            Check(fromHimetric.At(column, row) == whole.At(column, row), "a 1:1 draw of the whole picture differs");
            if (partExact && row >= y && column >= x)
                Check(part.At(column - x, row - y) == whole.At(column, row), "a 1:1 draw of a part differs");
        }
}

void ThroughFactory(const uint8_t* data, size_t size, HDC dc)
{
    IImagingFactory* factory = ImagingFactory();
    IStream* stream = StreamOver(data, size);
    if (!factory || !stream) Fault("no imaging factory or stream");
    IImage* image = nullptr;
    if (factory->CreateImageFromStream(stream, &image) == S_OK && image) {
        DrawImage(image, dc);
        CheckOneToOne(image);
        image->Release();
    }
    stream->Release();
}

const std::string& PictureFile()
{
    static const std::string path = "/tmp/rknav_image_fuzzer_" + std::to_string(getpid()) + ".pic";
    return path;
}

void ThroughNavImage(const uint8_t* data, size_t size, HDC dc)
{
    FILE* file = fopen(PictureFile().c_str(), "wb");
    if (!file) Fault("cannot write the picture file");
    fwrite(data, 1, size, file);
    fclose(file);
    std::u16string path(PictureFile().begin(), PictureFile().end());
    CNavImage image;
    if (!image.LoadFromFile(path.c_str())) return;
    const int width = image.GetWidth(), height = image.GetHeight();
    image.Draw(dc, 0, 0, width, height, 0, 0);
    image.Draw(dc, 2, 2, 10, 10, width / 2, height / 2);
    image.DrawStretch(dc, 0, 0, kTargetSize, kTargetSize / 2, 1, 1, width - 1, height - 1);
    image.DrawStretch(dc, 5, 5, 3, 40, width / 3, 0, width, height * 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HostSession session;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kTargetSize, kTargetSize);
    HGDIOBJ old = SelectObject(dc, bitmap);
    ThroughFactory(data, size, dc);
    ThroughNavImage(data, size, dc);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    session.CheckNothingLeft();
    return 0;
}
