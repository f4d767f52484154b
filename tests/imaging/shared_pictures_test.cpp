// Pictures decoded once: images of the same bytes share one decoded picture, kept within the
// factory's budget and released with the last factory, while images alive keep theirs.
#include "imaging/pictures.h"

namespace {

using SharedPicturesTest = ImagingTest;

constexpr size_t kBudget = size_t(4) << 20;  // bytes, as host.h promises

Bytes Solid(int width, int height, uint32_t argb)
{
    return RgbaPng(width, height, std::vector<uint32_t>(size_t(width) * height, argb));
}

// Only a picture not seen before adds bytes; bytes of the same length never stand for each other.
TEST_F(SharedPicturesTest, SameBytesShareOnePictureAndOthersNeverCollide)
{
    const Bytes red = Solid(2, 2, 0xFFFF0000), blue = Solid(2, 2, 0xFF0000FF);
    ASSERT_EQ(red.size(), blue.size());
    const struct {
        const Bytes& file;
        COLORREF color;
        bool adds;
    } rows[] = {{red, kRed, true}, {red, kRed, false}, {blue, kBlue, true}, {red, kRed, false}};
    for (size_t i = 0; i < std::size(rows); i++) {
        size_t before = wincore::DecodedPictureBytes();
        EXPECT_EQ(RenderOf(rows[i].file, kWhite), Colors(4, rows[i].color)) << "row " << i;
        EXPECT_EQ(wincore::DecodedPictureBytes() > before, rows[i].adds) << "row " << i;
    }
}

// Twenty-four different 256 KiB pictures: the cache stays within its budget, and a picture of
// more than a quarter of the budget still decodes but is not kept.
TEST_F(SharedPicturesTest, HeldBytesStayWithinTheBudget)
{
    for (uint32_t i = 0; i < 24; i++) {
        IImage* image = Load(Solid(256, 256, 0xFF000000u | i));
        ASSERT_NE(image, nullptr);
        image->Release();
        EXPECT_LE(wincore::DecodedPictureBytes(), kBudget) << "picture " << i;
    }
    EXPECT_GE(wincore::DecodedPictureBytes(), size_t(3) << 20) << "the most recent are kept";
    size_t before = wincore::DecodedPictureBytes();
    EXPECT_EQ(DescribeOf(Solid(600, 500, 0xFF00FF00)), "PNG 600x500 96x96dpi 15875x13229 alpha rgb realsize");
    EXPECT_EQ(wincore::DecodedPictureBytes(), before);
}

TEST_F(SharedPicturesTest, TheLastFactoryReleasesTheBytesAndLiveImagesStillDraw)
{
    IImage* image = Load(Solid(3, 2, 0xFF00FF00));
    ASSERT_NE(image, nullptr);
    EXPECT_GT(wincore::DecodedPictureBytes(), 0u);
    EXPECT_EQ(factory_->Release(), 0u);
    factory_ = nullptr;
    EXPECT_EQ(wincore::DecodedPictureBytes(), 0u);
    EXPECT_EQ(Render(image, kWhite), Colors(6, kGreen));
    image->Release();
}

}  // namespace
