// Pictures decoded and drawn from a stream through the imaging factory and from a file through
// CNavImage; a 1:1 draw from the HIMETRIC rectangle CNavImage makes copies the pixels exactly.
#include <objbase.h>
#include <imaging.h>

#include <algorithm>
#include <fstream>
#include <cstring>
#include <string>

#include <unistd.h>

#include <wincore/host.h>

#include "frame/Module.h"
#include "frame/NavImage.h"
#include "support/session.h"

namespace {

constexpr int kTargetSize = 64;
// Below this resolution every pixel spans more than one HIMETRIC unit, so any part of a picture
// can be named exactly; above it only the whole picture can.
constexpr double kDistinctPixelsDpi = 2500.0;

// Source rectangles in HIMETRIC derive from the picture's physical size, which a file's resolution
// can make huge: the arithmetic stays in range.
LONG Scaled(LONG value, double factor)
{
    return LONG(std::clamp(double(value) * factor, -2e9, 2e9));
}

IStream* StreamOver(const uint8_t* data, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    if (size) {
        memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
    }
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK) GlobalFree(block);
    return stream;
}

// Whole, shrunk, enlarged, a part, and a source reaching past the picture.
void DrawImage(IImage* image, HDC dc)
{
    ImageInfo info = {};
    SIZE physical = {0, 0};
    image->GetImageInfo(&info);
    image->GetPhysicalDimension(&physical);
    const RECT whole = {3, 5, 3 + int(info.Width % 100), 5 + int(info.Height % 100)}, shrunk = {0, 0, 7, 3};
    const RECT enlarged = {-10, -4, 61, 59};
    const RECT part = {physical.cx / 4, physical.cy / 4, Scaled(physical.cx, 0.5) + 1, Scaled(physical.cy, 0.5) + 1};
    const RECT beyond = {-physical.cx, -5, Scaled(physical.cx, 2), Scaled(physical.cy, 3)};
    const std::pair<const RECT*, const RECT*> draws[] = {
        {&whole, nullptr}, {&shrunk, nullptr}, {&enlarged, nullptr}, {&enlarged, &part}, {&whole, &beyond}};
    for (const auto& [destination, source] : draws) image->Draw(dc, destination, source);
}

// Draws pixels [x, x + width) x [y, y + height) of the picture 1:1 at the canvas's origin, from
// the source rectangle CNavImage computes for them.
void DrawPart(IImage* image, const ImageInfo& info, const Offscreen& canvas, int x, int y, int width, int height)
{
    const RECT destination = {0, 0, width, height};
    const RECT source = {PixelsToHimetric(x, info.Xdpi), PixelsToHimetric(y, info.Ydpi),
                         PixelsToHimetric(x + width, info.Xdpi), PixelsToHimetric(y + height, info.Ydpi)};
    image->Draw(canvas.dc(), &destination, &source);
}

void CheckOneToOne(IImage* image)
{
    ImageInfo info = {};
    if (image->GetImageInfo(&info) != S_OK) return;
    const int width = int(info.Width), height = int(info.Height);
    Offscreen whole(kTargetSize, kTargetSize), fromHimetric(kTargetSize, kTargetSize), part(kTargetSize, kTargetSize);
    const RECT all = {0, 0, width, height};
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

void ThroughNavImage(const uint8_t* data, size_t size, HDC dc)
{
    static const std::string file = "/tmp/rknav_image_fuzzer_" + std::to_string(getpid()) + ".pic";
    if (!std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size)))
        Fault("cannot write the picture file");
    const std::u16string path(file.begin(), file.end());
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
    return OnFreshHost([&] {
        Offscreen target(kTargetSize, kTargetSize);
        ThroughFactory(data, size, target.dc());
        ThroughNavImage(data, size, target.dc());
    });
}
