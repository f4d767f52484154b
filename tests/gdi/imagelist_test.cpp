// Image lists: adding masked and unmasked images, drawing them, and their lifetime.
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

TEST_F(ImageListTest, MaskedImagesLetTheBackgroundShowWhereTheMaskColourWas)
{
    Strip strip;
    HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 2, 0);
    EXPECT_EQ(ImageList_AddMasked(list, strip.bitmap(), kMagenta), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 2) << "the spare column is left over";
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx * 10 + cy, 22);

    Canvas canvas(6, 2, kGrey);
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT));
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 2, 0, ILD_NORMAL)) << "no background colour: transparent too";
    EXPECT_EQ(ImageList_SetBkColor(list, kGreen), COLORREF(CLR_NONE));
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 4, 0, ILD_NORMAL));
    EXPECT_TRUE(ImageList_Draw(list, 1, canvas.dc(), 0, 1, ILD_TRANSPARENT));
    EXPECT_EQ(canvas.Pixels(), (Colors{kRed, kGrey, kRed, kGrey, kRed, kGreen,  //
                                       kBlue, kBlue, kRed, kRed, kRed, kRed}));
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, MaskBitmapsDefaultKeysUnmaskedListsAndRemoval)
{
    Strip strip;
    Canvas mask(2, 2, RGB(0, 0, 0));
    SetPixel(mask.dc(), 0, 1, RGB(255, 255, 255));
    HIMAGELIST masked = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 0, 4);
    EXPECT_EQ(ImageList_Add(masked, strip.bitmap(), mask.bitmap()), 0);
    EXPECT_EQ(ImageList_AddMasked(masked, strip.bitmap(), CLR_DEFAULT), 2) << "keyed on the top-left red";
    HIMAGELIST plain = ImageList_Create(2, 2, ILC_COLOR, 0, 4);
    EXPECT_EQ(ImageList_AddMasked(plain, strip.bitmap(), kMagenta), 0);

    Canvas canvas(6, 2, kGrey);
    ImageList_Draw(masked, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT);
    ImageList_Draw(masked, 2, canvas.dc(), 2, 0, ILD_TRANSPARENT);
    ImageList_Draw(plain, 0, canvas.dc(), 4, 0, ILD_TRANSPARENT);
    EXPECT_EQ(canvas.Pixels(), (Colors{kRed, kMagenta, kGrey, kMagenta, kRed, kMagenta,  //
                                       kGrey, kRed, kGrey, kGrey, kRed, kRed}));

    EXPECT_TRUE(ImageList_Remove(masked, 0));
    EXPECT_EQ(ImageList_GetImageCount(masked), 3);
    EXPECT_FALSE(ImageList_Remove(masked, 3));
    EXPECT_TRUE(ImageList_RemoveAll(masked));
    EXPECT_FALSE(ImageList_Draw(masked, 0, canvas.dc(), 0, 0, ILD_NORMAL));
    HIMAGELIST wide = ImageList_Create(8, 2, ILC_COLOR, 1, 1);
    EXPECT_EQ(ImageList_AddMasked(wide, strip.bitmap(), kMagenta), -1) << "no 8-pixel image in 5 columns";
    for (HIMAGELIST list : {masked, plain, wide}) ImageList_Destroy(list);
}

TEST_F(ImageListTest, ListsCountAsLiveObjectsAndStaleHandlesFail)
{
    int before = wincore::LiveGdiObjects();
    HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR, 0, 0);
    EXPECT_EQ(wincore::LiveGdiObjects(), before + 1);
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_EQ(wincore::LiveGdiObjects(), before);

    Strip strip;
    Canvas canvas(2, 2, kGrey);
    HIMAGELIST live = ImageList_Create(2, 2, ILC_COLOR | ILC_MASK, 0, 0);
    ImageList_Add(live, strip.bitmap(), nullptr);  // images 0 and 1
    HBITMAP stale = CreateCompatibleBitmap(canvas.dc(), 2, 2);
    DeleteObject(stale);
    HDC staleDc = CreateCompatibleDC(nullptr);
    DeleteDC(staleDc);
    int cx = 0, cy = 0;
    // The destroyed list, a DC posing as one, bad sizes, a stale bitmap, mask or DC, a missing image: each
    // answers 0, FALSE or nullptr, and each add -1 (counted here from 0).
    const std::vector<LONG_PTR> failures = {
        ImageList_Destroy(list), ImageList_AddMasked(list, strip.bitmap(), kMagenta) + 1,
        ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL), ImageList_GetIconSize(list, &cx, &cy),
        ImageList_GetImageCount(list), ImageList_Destroy(reinterpret_cast<HIMAGELIST>(canvas.dc())),
        LONG_PTR(ImageList_Create(0, 2, ILC_COLOR, 0, 0)), LONG_PTR(ImageList_Create(100000, 100000, ILC_COLOR, 0, 0)),
        ImageList_Add(live, stale, nullptr) + 1, ImageList_Add(live, strip.bitmap(), stale) + 1,
        ImageList_Draw(live, 0, staleDc, 0, 0, ILD_NORMAL), ImageList_Draw(live, 2, canvas.dc(), 0, 0, ILD_NORMAL)};
    EXPECT_EQ(failures, std::vector<LONG_PTR>(failures.size(), 0));
    ImageList_Destroy(live);
}

}  // namespace
