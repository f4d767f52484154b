// Image lists built in memory: masked and unmasked images, drawing, removal, lifetime, bad input.
#include <commctrl.h>

#include "support/canvas.h"
#include "support/host_fixture.h"

namespace {

using ImageListTest = HostTest;

constexpr COLORREF kMagenta = RGB(255, 0, 255), kGrey = RGB(9, 9, 9), kRed = RGB(255, 0, 0),
                   kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

// Two 2 x 2 images and a spare column: red with a magenta top-right pixel, then blue.
struct Strip : Canvas {
    Strip() : Canvas(5, 2, kBlue) { Paint(0, {kRed, kMagenta}), Paint(1, {kRed, kRed}); }
};

// Keyed on magenta: drawn transparent, normal without and with a background colour; then the
// second image. Then a mask bitmap (white at the bottom left), the default key (the top-left red)
// and a list without masks.
TEST_F(ImageListTest, MasksKeysAndBackgrounds)
{
    Strip strip;
    Canvas mask(2, 2, RGB(0, 0, 0)), canvas(12, 2, kGrey);
    SetPixel(mask.dc(), 0, 1, RGB(255, 255, 255));
    HIMAGELIST keyed = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 2, 0),
               masked = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 0, 4), plain = ImageList_Create(2, 2, ILC_COLOR, 0, 4);
    EXPECT_EQ((std::vector<int>{ImageList_AddMasked(keyed, strip.bitmap(), kMagenta), ImageList_GetImageCount(keyed),
                                ImageList_Add(masked, strip.bitmap(), mask.bitmap()),
                                ImageList_AddMasked(masked, strip.bitmap(), CLR_DEFAULT),
                                ImageList_AddMasked(plain, strip.bitmap(), kMagenta)}),
              (std::vector<int>{0, 2, 0, 2, 0}));
    HDC dc = canvas.dc();
    ImageList_Draw(keyed, 0, dc, 0, 0, ILD_TRANSPARENT);
    ImageList_Draw(keyed, 0, dc, 2, 0, ILD_NORMAL);
    EXPECT_EQ(ImageList_SetBkColor(keyed, kGreen), COLORREF(CLR_NONE));
    ImageList_Draw(keyed, 0, dc, 4, 0, ILD_NORMAL);
    ImageList_Draw(keyed, 1, dc, 0, 1, ILD_TRANSPARENT);
    ImageList_Draw(masked, 0, dc, 6, 0, ILD_TRANSPARENT);
    ImageList_Draw(masked, 2, dc, 8, 0, ILD_TRANSPARENT);
    ImageList_Draw(plain, 0, dc, 10, 0, ILD_TRANSPARENT);
    EXPECT_EQ(canvas.Pixels(), (Colors{kRed, kGrey, kRed, kGrey, kRed, kGreen, kRed, kMagenta, kGrey, kMagenta, kRed, kMagenta,
                                       kBlue, kBlue, kRed, kRed, kRed, kRed, kGrey, kRed, kGrey, kGrey, kRed, kRed}));
    EXPECT_EQ((std::vector<int>{ImageList_Remove(masked, 0), ImageList_GetImageCount(masked), ImageList_Remove(masked, 3),
                                ImageList_RemoveAll(masked), ImageList_Draw(masked, 0, dc, 0, 0, ILD_NORMAL)}),
              (std::vector<int>{TRUE, 3, FALSE, TRUE, FALSE}));
    for (HIMAGELIST list : {keyed, masked, plain}) EXPECT_TRUE(ImageList_Destroy(list));
}

// A list counts as a live object until destroyed; a stale bitmap and absurd sizes are refused.
TEST_F(ImageListTest, ListsCountAsLiveObjectsAndBadInputFails)
{
    Strip strip;
    const int before = wincore::LiveGdiObjects();
    HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR | ILC_MASK, 0, 0);
    EXPECT_EQ(wincore::LiveGdiObjects(), before + 1);
    HBITMAP stale = CreateCompatibleBitmap(strip.dc(), 2, 2);
    DeleteObject(stale);
    EXPECT_EQ(ImageList_Add(list, stale, nullptr), -1);
    EXPECT_EQ(ImageList_Create(100000, 100000, ILC_COLOR, 0, 0), nullptr);
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
}

}  // namespace
