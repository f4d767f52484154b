// Data that is no picture, is cut short or corrupt, claims an enormous size or would write outside
// the picture fails cleanly: a failure result, no image, nothing left allocated (the fixture and
// ASan check the latter).
#include "imaging/pictures.h"

namespace {

using FailureTest = ImagingTest;

constexpr const char* kRefused = "refused";
constexpr const char* kTooLarge = "refused: out of memory";

Bytes Cut(Bytes bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}


// A JPEG whose frame header claims 60000 x 60000.
Bytes HugeJpeg()
{
    Bytes jpeg = SolidJpeg(8, {0, 0, 0});
    for (size_t i = 0; i + 9 < jpeg.size(); i++) {
        if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xC0) continue;
        jpeg[i + 5] = jpeg[i + 7] = 0xEA;
        jpeg[i + 6] = jpeg[i + 8] = 0x60;
        break;
    }
    return jpeg;
}

TEST_F(FailureTest, BadPicturesAreRefused)
{
    const Bytes png = RgbaPng(8, 8, std::vector<uint32_t>(64, 0xFF112233));
    Bytes corruptPng = png;
    corruptPng[png.size() - 20] ^= 0x5A;  // inside the image data: its checksum no longer matches
    const Bytes jpeg = SolidJpeg(32, {10, 20, 30});
    const Bytes large = SolidJpeg(256, {10, 20, 30});
    const Bytes bmp = EncodeBmp({4, 4, 24, Bytes(48, 0)});
    Bytes noPlanes = EncodeBmp({1, 1, 24, {0, 0, 0, 0}});
    noPlanes[26] = 0;
    Bytes jpegWithoutFrame = {0xFF, 0xD8, 0xFF};
    jpegWithoutFrame.resize(200, 0);
    const Bytes core = EncodeCoreBmp(3, 2, 8, {0xFF0000, 0x00FF00, 0x0000FF}, {0, 1, 2, 0, 2, 2, 1, 0});
    const struct {
        const char* name;
        Bytes file;
        const char* result;
    } cases[] = {
        {"nothing", {}, kRefused},
        {"text", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'}, kRefused},
        {"a BMP signature alone", {'B', 'M'}, kRefused},
        {"a PNG signature alone", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, kRefused},
        {"a JPEG without a frame", jpegWithoutFrame, kRefused},
        {"half a PNG", Cut(png, png.size() / 2), kRefused},
        {"a PNG cut in its header", Cut(png, 40), kRefused},
        {"half a JPEG", Cut(jpeg, jpeg.size() / 2), kRefused},
        {"a JPEG cut in its header", Cut(jpeg, 30), kRefused},
        {"a JPEG cut in its scan, where libjpeg only warns", Cut(large, large.size() - 100), kRefused},
        {"a BMP one byte short", Cut(bmp, bmp.size() - 1), kRefused},
        {"a BMP cut in its header", Cut(bmp, 60), kRefused},
        {"a PNG of a wrong checksum", corruptPng, kRefused},
        {"a JPEG inside a BMP", EncodeBmp({1, 1, 24, {0, 0, 0, 0}, 4}), kRefused},
        {"a BMP of no planes", noPlanes, kRefused},
        {"a BMP cut in its palette", Cut(EncodeBmp({1, 1, 8, {0, 0, 0, 0}}), 60), kRefused},
        {"a run past the row's end", RleBmp(kRle8, 4, 2, {3, 0, 2, 0, 0, 1}), kRefused},
        {"an absolute run past the row's end", RleBmp(kRle8, 4, 2, {0, 5, 0, 0, 0, 0, 0, 0, 0, 1}), kRefused},
        {"a four-bit run past the row's end", RleBmp(kRle4, 4, 2, {6, 0x11, 0, 1}), kRefused},
        {"a move past the right edge", RleBmp(kRle8, 4, 2, {0, 2, 5, 0, 0, 1}), kRefused},
        {"a move past the top", RleBmp(kRle8, 4, 2, {0, 2, 0, 2, 0, 1}), kRefused},
        {"a line end past the top", RleBmp(kRle8, 4, 2, {0, 0, 0, 0, 0, 0, 0, 1}), kRefused},
        {"a run above the top row", RleBmp(kRle8, 4, 2, {0, 0, 0, 0, 1, 0, 0, 1}), kRefused},
        {"runs without an end of picture", RleBmp(kRle8, 4, 2, {4, 1, 0, 0}), kRefused},
        {"an absolute run cut short", RleBmp(kRle8, 4, 2, {0, 4, 1, 1}), kRefused},
        {"a move cut short", RleBmp(kRle8, 4, 2, {0, 2, 1}), kRefused},
        {"top-down rows, which runs cannot have", RleBmp(kRle8, 4, -2, {0, 1}), kRefused},
        {"eight-bit runs at four bits", EncodeBmp({1, 1, 4, {0, 1}, kRle8, {0}}), kRefused},
        {"16 bits in an OS/2 header", EncodeCoreBmp(2, 1, 16, {}, {0, 0, 0, 0}), kRefused},
        {"an OS/2 header of no width", EncodeCoreBmp(0, 1, 24, {}, {0, 0, 0, 0}), kRefused},
        {"an OS/2 BMP cut in its rows", Cut(core, core.size() - 1), kRefused},
        {"a PNG 20000 pixels wide", EncodePng({20000, 1}), kTooLarge},
        {"a PNG of 10000 x 10000", EncodePng({10000, 10000}), kTooLarge},
        {"a BMP of 100000 x 100000", EncodeBmp({100000, -100000, 24, {0, 0, 0, 0}}), kTooLarge},
        {"a JPEG of 60000 x 60000", HugeJpeg(), kTooLarge},
    };
    for (const auto& c : cases) EXPECT_EQ(DescribeOf(c.file), c.result) << c.name;
}

TEST_F(FailureTest, MissingFilesAndNullArguments)
{
    IImage* image = reinterpret_cast<IImage*>(this);
    EXPECT_EQ(factory_->CreateImageFromFile(u"/nonexistent/picture.png", &image), STG_E_FILENOTFOUND);
    EXPECT_EQ(image, nullptr);
    const WCHAR loneSurrogate[] = {u'/', 0xD800, u'x', 0};
    EXPECT_EQ(factory_->CreateImageFromFile(loneSurrogate, &image), STG_E_FILENOTFOUND);
    EXPECT_EQ(factory_->CreateImageFromFile(nullptr, &image), E_POINTER);
    EXPECT_EQ(factory_->CreateImageFromFile(u"x.png", nullptr), E_POINTER);
    EXPECT_EQ(factory_->CreateImageFromStream(nullptr, &image), E_POINTER);
    EXPECT_EQ(image, nullptr);
}

}  // namespace
