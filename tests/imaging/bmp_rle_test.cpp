// Run-length encoded BMPs (what common tools write for palette pictures) and the OS/2 1.x header:
// decoded, skipped pixels left transparent, and every run or move that would leave the picture a
// clean failure.
#include "imaging/pictures.h"

namespace {

using Pixels = std::vector<COLORREF>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBehind = RGB(9, 9, 9);
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;

class BmpRleTest : public ImagingTest {
protected:
    static Bytes Rle(uint32_t compression, int32_t width, int32_t height, Bytes stream)
    {
        BmpSpec spec;
        spec.width = width;
        spec.height = height;
        spec.bits = compression == kRle8 ? 8 : 4;
        spec.compression = compression;
        spec.palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
        spec.rows = std::move(stream);
        return EncodeBmp(spec);
    }

    Pixels RenderOf(const Bytes& bytes, UINT* flags = nullptr)
    {
        IImage* image = Load(bytes);
        if (!image) return {};
        ImageInfo info = {};
        EXPECT_EQ(image->GetImageInfo(&info), S_OK);
        if (flags) *flags = info.Flags;
        Pixels pixels = Render(image, kBehind);
        image->Release();
        return pixels;
    }

    void Refused(const Bytes& bytes, const char* what)
    {
        IImage* image = nullptr;
        EXPECT_EQ(Decode(bytes, &image), E_FAIL) << what;
        EXPECT_EQ(image, nullptr) << what;
        if (image) image->Release();
    }
};

TEST_F(BmpRleTest, Rle8RunsAbsoluteRunsMovesAndLineEnds)
{
    Bytes stream = {4, 0, 0, 0,              // bottom row: four reds, end of line
                    0, 3, 1, 2, 3, 0, 1, 0,  // middle: absolute green, blue, white (padded), one red
                    0, 0,                    // end of line
                    2, 1, 0, 2, 1, 0,        // top: two greens, a move one right
                    1, 2, 0, 1};             // one blue, end of picture
    UINT flags = 0;
    EXPECT_EQ(RenderOf(Rle(kRle8, 4, 3, stream), &flags),
              (Pixels{kGreen, kGreen, kBehind, kBlue, kGreen, kBlue, kWhite, kRed, kRed, kRed, kRed, kRed}));
    EXPECT_TRUE(flags & ImageFlagsHasAlpha) << "a skipped pixel is transparent";

    Bytes full = {2, 3, 0, 0, 2, 1, 0, 1};
    EXPECT_EQ(RenderOf(Rle(kRle8, 2, 2, full), &flags), (Pixels{kGreen, kGreen, kWhite, kWhite}));
    EXPECT_FALSE(flags & ImageFlagsHasAlpha);
}

TEST_F(BmpRleTest, Rle4AlternatesTheTwoIndicesOfAByte)
{
    Bytes stream = {5, 0x12, 0, 0,          // bottom: green, blue, green, blue, green
                    0, 3, 0x30, 0x10,       // top: absolute white, red, green
                    2, 0x23, 0, 1};         // then blue, white; end of picture
    EXPECT_EQ(RenderOf(Rle(kRle4, 5, 2, stream)),
              (Pixels{kWhite, kRed, kGreen, kBlue, kWhite, kGreen, kBlue, kGreen, kBlue, kGreen}));
    Bytes odd = {0, 5, 0x01, 0x23, 0x00, 0, 0, 1};  // five indices in three bytes, padded to four
    EXPECT_EQ(RenderOf(Rle(kRle4, 5, 1, odd)), (Pixels{kRed, kGreen, kBlue, kWhite, kRed}));
}

TEST_F(BmpRleTest, WritesOutsideThePictureFailCleanly)
{
    struct Case {
        const char* what;
        uint32_t compression;
        int32_t height;
        Bytes stream;
    };
    const Case cases[] = {
        {"a run past the row's end", kRle8, 2, {3, 0, 2, 0, 0, 1}},
        {"an absolute run past the row's end", kRle8, 2, {0, 5, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"a four-bit run past the row's end", kRle4, 2, {6, 0x11, 0, 1}},
        {"a move past the right edge", kRle8, 2, {0, 2, 5, 0, 0, 1}},
        {"a move past the top", kRle8, 2, {0, 2, 0, 2, 0, 1}},
        {"a line end past the top", kRle8, 2, {0, 0, 0, 0, 0, 0, 0, 1}},
        {"a run above the top row", kRle8, 2, {0, 0, 0, 0, 1, 0, 0, 1}},
        {"no end of picture", kRle8, 2, {4, 1, 0, 0}},
        {"an absolute run cut short", kRle8, 2, {0, 4, 1, 1}},
        {"a move cut short", kRle8, 2, {0, 2, 1}},
        {"top-down rows, which runs cannot have", kRle8, -2, {0, 1}},
    };
    for (const Case& c : cases) Refused(Rle(c.compression, 4, c.height, c.stream), c.what);

    BmpSpec mismatched;  // eight-bit runs in a four-bit picture
    mismatched.bits = 4;
    mismatched.compression = kRle8;
    mismatched.palette = {0};
    mismatched.rows = {0, 1};
    Refused(EncodeBmp(mismatched), "RLE8 at 4 bits");
}

TEST_F(BmpRleTest, Os2CoreHeaderWithThreeBytePaletteEntries)
{
    Bytes indexed = EncodeCoreBmp(3, 2, 8, {0xFF0000, 0x00FF00, 0x0000FF}, {0, 1, 2, 0, 2, 2, 1, 0});
    EXPECT_EQ(RenderOf(indexed), (Pixels{kBlue, kBlue, kGreen, kRed, kGreen, kBlue}));
    Bytes mono = EncodeCoreBmp(2, 1, 1, {0x000000, 0xFFFFFF}, {0x40, 0, 0, 0});
    EXPECT_EQ(RenderOf(mono), (Pixels{0, kWhite}));
    Bytes colour = EncodeCoreBmp(2, 1, 24, {}, {0, 0, 255, 255, 0, 0, 0, 0});
    EXPECT_EQ(RenderOf(colour), (Pixels{kRed, kBlue}));

    Refused(EncodeCoreBmp(2, 1, 16, {}, {0, 0, 0, 0}), "16 bits in a core header");
    Refused(EncodeCoreBmp(0, 1, 24, {}, {0, 0, 0, 0}), "no width");
    Bytes cut = EncodeCoreBmp(3, 2, 8, {0xFF0000, 0x00FF00, 0x0000FF}, {0, 1, 2, 0, 2, 2, 1, 0});
    cut.resize(cut.size() - 1);
    Refused(cut, "a row cut short");
}

}  // namespace
