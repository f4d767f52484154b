// CMYK and YCCK JPEGs, as print work flows and Adobe's applications write them: decoded, the
// inverted ink of files with an Adobe marker minded, and reported as what they are.
#include "imaging/pictures.h"

namespace {

using CmykJpegTest = ImagingTest;

constexpr UINT kColorSpaces = ImageFlagsColorSpaceRGB | ImageFlagsColorSpaceCMYK | ImageFlagsColorSpaceGRAY |
                              ImageFlagsColorSpaceYCBCR | ImageFlagsColorSpaceYCCK;

struct InkCase {
    InkStorage storage;
    UINT colorSpace;
};

TEST_F(CmykJpegTest, EveryStorageGivesTheInksColour)
{
    const uint8_t ink[4] = {0, 128, 255, 64};  // magenta half, yellow full, a quarter black
    const COLORREF expected = RGB(191, 95, 0);  // (1 - ink) * (1 - black)
    for (InkCase c : {InkCase{InkStorage::Plain, ImageFlagsColorSpaceCMYK},
                      InkCase{InkStorage::Adobe, ImageFlagsColorSpaceCMYK},
                      InkCase{InkStorage::Ycck, ImageFlagsColorSpaceYCCK}}) {
        IImage* image = Load(CmykJpeg(16, 8, ink, c.storage));
        ASSERT_NE(image, nullptr) << int(c.storage);
        ImageInfo info = {};
        EXPECT_EQ(image->GetImageInfo(&info), S_OK);
        EXPECT_EQ(info.RawDataFormat, ImageFormatJPEG);
        EXPECT_EQ(info.Width, 16u);
        EXPECT_EQ(info.Flags & kColorSpaces, c.colorSpace) << int(c.storage);
        EXPECT_FALSE(info.Flags & ImageFlagsHasAlpha);
        std::vector<COLORREF> pixels = Render(image, RGB(0, 0, 255));
        for (COLORREF pixel : {pixels.front(), pixels[77], pixels.back()}) {
            EXPECT_NEAR(GetRValue(pixel), GetRValue(expected), 3) << int(c.storage);
            EXPECT_NEAR(GetGValue(pixel), GetGValue(expected), 3) << int(c.storage);
            EXPECT_NEAR(GetBValue(pixel), GetBValue(expected), 3) << int(c.storage);
        }
        image->Release();
    }
}

}  // namespace
