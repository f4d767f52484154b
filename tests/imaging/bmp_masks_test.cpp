// Bit-field masks that a damaged or hostile BMP may carry: empty ones (which once divided by zero)
// and ones with gaps. The file decodes, and every channel stays within 0..255.
#include "imaging/pictures.h"

namespace {

using BmpMasksTest = ImagingTest;

TEST_F(BmpMasksTest, EmptyMasksReadAsZeroAndGappedMasksStayInRange)
{
    BmpSpec spec;
    spec.width = 2;
    spec.bits = 16;
    spec.compression = BI_BITFIELDS;
    spec.masks = {0, 0x07E0, 0};
    spec.rows = {0xFF, 0xFF, 0xE0, 0x07};
    IImage* image = Load(EncodeBmp(spec));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(Render(image, RGB(0, 0, 255)), (std::vector<COLORREF>{RGB(0, 255, 0), RGB(0, 255, 0)}));
    image->Release();

    spec.bits = 32;
    spec.masks = {0x80000001, 0, 0x00000100};  // red's two bits lie apart
    spec.rows = {0x01, 0x01, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00};
    image = Load(EncodeBmp(spec));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(Render(image, RGB(0, 0, 255)), (std::vector<COLORREF>{RGB(255, 0, 255), RGB(0, 0, 0)}));
    image->Release();
}

}  // namespace
