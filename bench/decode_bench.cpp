// Decoding a 2000 x 1500 PNG (with alpha) and JPEG through the imaging factory, against libpng's
// and libjpeg-turbo's own simplified APIs decoding the same files to BGRA in the same run. Each
// side makes a new pixel buffer per decode, as a caller that keeps the picture does.
#include <benchmark/benchmark.h>
#include <png.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include <imaging.h>

#include "cases.h"
#include "report.h"
#include "frame/Module.h"
#include "scene.h"

namespace bench {

namespace {

constexpr int kWidth = 2000, kHeight = 1500;
constexpr Area kPictureArea = {kWidth, kHeight};
constexpr int kFadeWidth = 150;  // pixels over which the picture fades out at its edges
constexpr int kJpegQuality = 90;

using Bytes = std::vector<uint8_t>;

// A photograph-like picture: smooth colour fields, grain, and edges that fade to transparent.
// Straight-alpha B, G, R, A bytes.
Bytes Scene()
{
    Bytes pixels(size_t(kWidth) * kHeight * 4);
    uint32_t grain = 12345;
    for (int y = 0; y < kHeight; y++)
        for (int x = 0; x < kWidth; x++) {
            grain = grain * 1664525u + 1013904223u;
            int noise = int(grain >> 28) - 8;
            double red = 128 + 100 * std::sin(x / 97.0 + y / 53.0);
            double green = 128 + 90 * std::cos(x / 61.0 - y / 89.0);
            double blue = 128 + 80 * std::sin((x + y) / 143.0);
            int edge = std::min(std::min(x, kWidth - 1 - x), std::min(y, kHeight - 1 - y));
            uint8_t* p = &pixels[(size_t(y) * kWidth + x) * 4];
            p[0] = uint8_t(std::clamp(int(blue) + noise, 0, 255));
            p[1] = uint8_t(std::clamp(int(green) + noise, 0, 255));
            p[2] = uint8_t(std::clamp(int(red) + noise, 0, 255));
            p[3] = uint8_t(std::min(255, edge * 255 / kFadeWidth));
        }
    return pixels;
}

png_image PngImage()
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = kWidth;
    image.height = kHeight;
    image.format = PNG_FORMAT_BGRA;
    return image;
}

Bytes EncodePng(const Bytes& pixels)
{
    png_image image = PngImage();
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) return {};
    Bytes out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr)) return {};
    out.resize(size);
    return out;
}

Bytes EncodeJpeg(const Bytes& pixels)
{
    tjhandle encoder = tjInitCompress();
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    int failed = tjCompress2(encoder, pixels.data(), kWidth, 0, kHeight, TJPF_BGRA, &buffer, &size, TJSAMP_420,
                             kJpegQuality, 0);
    Bytes out;
    if (!failed) out.assign(buffer, buffer + size);
    tjFree(buffer);
    tjDestroy(encoder);
    return out;
}

const Bytes& Png()
{
    static const Bytes png = EncodePng(Scene());
    return png;
}

const Bytes& Jpeg()
{
    static const Bytes jpeg = EncodeJpeg(Scene());
    return jpeg;
}

// A stream over a copy of the file, read from its start by every decode.
IStream* StreamOver(const Bytes& file)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, file.size());
    if (!block) return nullptr;
    std::memcpy(GlobalLock(block), file.data(), file.size());
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK) GlobalFree(block);
    return stream;
}

void ThroughFactory(benchmark::State& state, const Bytes& (*file)())
{
    Session session;
    IImagingFactory* factory = ImagingFactory();
    IStream* stream = file().empty() ? nullptr : StreamOver(file());
    if (!factory || !stream) return state.SkipWithError("no factory or no picture");
    for (auto _ : state) {
        LARGE_INTEGER start = {};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        IImage* image = nullptr;
        if (factory->CreateImageFromStream(stream, &image) != S_OK) {
            state.SkipWithError("the factory did not decode the picture");
            break;
        }
        benchmark::DoNotOptimize(image);
        image->Release();
    }
    stream->Release();
}

void ThroughLibpng(benchmark::State& state)
{
    const Bytes& file = Png();
    for (auto _ : state) {
        png_image image = PngImage();
        image.format = 0;
        if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
            state.SkipWithError("libpng did not read the picture");
            break;
        }
        image.format = PNG_FORMAT_BGRA;
        std::unique_ptr<uint8_t[]> pixels(new uint8_t[PNG_IMAGE_SIZE(image)]);
        if (!png_image_finish_read(&image, nullptr, pixels.get(), 0, nullptr)) {
            state.SkipWithError("libpng did not decode the picture");
            break;
        }
        benchmark::DoNotOptimize(pixels.get());
    }
}

void ThroughTurboJpeg(benchmark::State& state)
{
    const Bytes& file = Jpeg();
    tjhandle decoder = tjInitDecompress();
    for (auto _ : state) {
        int width = 0, height = 0, subsampling = 0, colorspace = 0;
        if (tjDecompressHeader3(decoder, file.data(), file.size(), &width, &height, &subsampling, &colorspace) != 0) {
            state.SkipWithError("libjpeg-turbo did not read the picture");
            break;
        }
        std::unique_ptr<uint8_t[]> pixels(new uint8_t[size_t(width) * height * 4]);
        if (tjDecompress2(decoder, file.data(), file.size(), pixels.get(), width, 0, height, TJPF_BGRA, 0) != 0) {
            state.SkipWithError("libjpeg-turbo did not decode the picture");
            break;
        }
        benchmark::DoNotOptimize(pixels.get());
    }
    tjDestroy(decoder);
}

}  // namespace

void RegisterDecodeCases()
{
    RegisterCase(kDecodePngFactory, kPictureArea, ThroughFactory, Png)->Unit(benchmark::kMillisecond);
    RegisterCase(kDecodePngLibrary, kPictureArea, ThroughLibpng)->Unit(benchmark::kMillisecond);
    RegisterCase(kDecodeJpegFactory, kPictureArea, ThroughFactory, Jpeg)->Unit(benchmark::kMillisecond);
    RegisterCase(kDecodeJpegLibrary, kPictureArea, ThroughTurboJpeg)->Unit(benchmark::kMillisecond);
}

}  // namespace bench
