// Image lists: adding masked and unmasked images, drawing them, and their lifetime.
#include <commctrl.h>

#include "gdi/canvas.h"

namespace {

using ImageListTest = HostTest;
using Colors = std::vector<COLORREF>;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGrey = RGB(9, 9, 9);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// A strip of two 2 x 2 images: red with a magenta top-right pixel, then blue. One column more
// than the two images need.
struct Strip : Canvas {
    Strip() : Canvas(5, 2, kRed)
    {
        SetPixel(dc(), 1, 0, kMagenta);
        Fill(RECT{2, 0, 5, 2}, kBlue);
    }
};

TEST_F(ImageListTest, MaskedImagesLetTheBackgroundShowWhereTheMaskColourWas)
{
    Strip strip;
    HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 2, 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_AddMasked(list, strip.bitmap(), kMagenta), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 2) << "the odd column is left over";
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 2);
    EXPECT_EQ(cy, 2);

    Canvas canvas(4, 2, kGrey);
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT));
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 2, 0, ILD_NORMAL)) << "no background colour: transparent too";
    EXPECT_EQ(canvas.Row(0, 0, 4), (Colors{kRed, kGrey, kRed, kGrey}));
    EXPECT_EQ(canvas.Row(1, 0, 4), Colors(4, kRed));

    EXPECT_EQ(ImageList_SetBkColor(list, kGreen), COLORREF(CLR_NONE));
    EXPECT_EQ(ImageList_GetBkColor(list), kGreen);
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), kGreen);
    canvas.Fill(kGrey);
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), kGrey);
    EXPECT_TRUE(ImageList_Draw(list, 1, canvas.dc(), 2, 0, ILD_TRANSPARENT));
    EXPECT_EQ(canvas.Row(1, 0, 4), (Colors{kRed, kRed, kBlue, kBlue}));
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, MaskBitmapsDefaultKeysAndUnmaskedLists)
{
    Strip strip;
    Canvas mask(2, 2, RGB(0, 0, 0));
    SetPixel(mask.dc(), 0, 1, RGB(255, 255, 255));
    HIMAGELIST masked = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 0, 4);
    EXPECT_EQ(ImageList_Add(masked, strip.bitmap(), mask.bitmap()), 0);
    EXPECT_EQ(ImageList_AddMasked(masked, strip.bitmap(), CLR_DEFAULT), 2) << "top-left colour: red";
    HIMAGELIST plain = ImageList_Create(2, 2, ILC_COLOR, 0, 4);
    EXPECT_EQ(ImageList_AddMasked(plain, strip.bitmap(), kMagenta), 0);

    Canvas canvas(6, 2, kGrey);
    ImageList_Draw(masked, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT);
    ImageList_Draw(masked, 2, canvas.dc(), 2, 0, ILD_TRANSPARENT);
    ImageList_Draw(plain, 0, canvas.dc(), 4, 0, ILD_TRANSPARENT);
    EXPECT_EQ(canvas.Row(0, 0, 6), (Colors{kRed, kMagenta, kGrey, kMagenta, kRed, kMagenta}));
    EXPECT_EQ(canvas.Row(1, 0, 6), (Colors{kGrey, kRed, kGrey, kGrey, kRed, kRed}));
    ImageList_Destroy(masked);
    ImageList_Destroy(plain);
}

TEST_F(ImageListTest, ShortBitmapsNarrowBitmapsAndRemoval)
{
    Strip strip;
    HIMAGELIST list = ImageList_Create(2, 3, ILC_COLOR | ILC_MASK, 1, 1);
    EXPECT_EQ(ImageList_AddMasked(list, strip.bitmap(), CLR_NONE), 0);
    Canvas canvas(2, 3, kGrey);
    ImageList_Draw(list, 1, canvas.dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(canvas.Row(0, 0, 2), Colors(2, kBlue));
    EXPECT_EQ(canvas.Row(2, 0, 2), Colors(2, kGrey)) << "rows the bitmap lacks are transparent";

    HIMAGELIST wide = ImageList_Create(8, 2, ILC_COLOR, 1, 1);
    EXPECT_EQ(ImageList_AddMasked(wide, strip.bitmap(), kMagenta), -1) << "no 8-pixel image in 5 columns";
    EXPECT_EQ(ImageList_GetImageCount(wide), 0);

    EXPECT_TRUE(ImageList_Remove(list, 0));
    ASSERT_EQ(ImageList_GetImageCount(list), 1);
    canvas.Fill(kGrey);
    EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), kBlue) << "the blue image moved down to index 0";
    EXPECT_FALSE(ImageList_Remove(list, 1));
    EXPECT_FALSE(ImageList_Remove(list, -2));
    EXPECT_TRUE(ImageList_RemoveAll(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_FALSE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL));
    ImageList_Destroy(list);
    ImageList_Destroy(wide);
}

TEST_F(ImageListTest, DrawingFollowsViewportAndClip)
{
    Strip strip;
    HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR, 2, 0);
    ImageList_Add(list, strip.bitmap(), nullptr);
    Canvas canvas(6, 2, kGrey);
    SetViewportOrgEx(canvas.dc(), 2, 0, nullptr);
    IntersectClipRect(canvas.dc(), 0, 0, 3, 2);
    EXPECT_TRUE(ImageList_Draw(list, 1, canvas.dc(), -1, 0, ILD_NORMAL));
    EXPECT_TRUE(ImageList_Draw(list, 1, canvas.dc(), 2, 0, ILD_NORMAL));
    SetViewportOrgEx(canvas.dc(), 0, 0, nullptr);
    EXPECT_EQ(canvas.Row(0, 0, 6), (Colors{kGrey, kGrey, kBlue, kGrey, kBlue, kGrey}));
    ImageList_Destroy(list);
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
    int cx = 0, cy = 0;
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(ImageList_AddMasked(list, strip.bitmap(), kMagenta), -1);
    EXPECT_EQ(ImageList_Add(list, strip.bitmap(), nullptr), -1);
    EXPECT_FALSE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_FALSE(ImageList_Remove(list, -1));
    EXPECT_EQ(ImageList_GetBkColor(list), COLORREF(CLR_NONE));
    EXPECT_FALSE(ImageList_Destroy(nullptr));
    EXPECT_FALSE(ImageList_Destroy(reinterpret_cast<HIMAGELIST>(canvas.dc()))) << "a DC is no image list";

    EXPECT_EQ(ImageList_Create(0, 2, ILC_COLOR, 0, 0), nullptr);
    EXPECT_EQ(ImageList_Create(2, -1, ILC_COLOR, 0, 0), nullptr);
    EXPECT_EQ(ImageList_Create(100000, 100000, ILC_COLOR, 0, 0), nullptr);

    HIMAGELIST live = ImageList_Create(2, 2, ILC_COLOR | ILC_MASK, 0, 0);
    HBITMAP stale = CreateCompatibleBitmap(canvas.dc(), 2, 2);
    DeleteObject(stale);
    EXPECT_EQ(ImageList_AddMasked(live, stale, kMagenta), -1);
    EXPECT_EQ(ImageList_Add(live, strip.bitmap(), stale), -1) << "a stale mask";
    EXPECT_EQ(ImageList_GetImageCount(live), 0);
    HDC staleDc = CreateCompatibleDC(nullptr);
    DeleteDC(staleDc);
    ImageList_AddMasked(live, strip.bitmap(), kMagenta);
    EXPECT_FALSE(ImageList_Draw(live, 0, staleDc, 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(live, 2, canvas.dc(), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_GetIconSize(live, nullptr, &cy));
    ImageList_Destroy(live);
}

}  // namespace
