// Bitmaps and image lists loaded from RT_BITMAP resources carried by this executable, and freed.
#include <commctrl.h>

#include "gdi/dib.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255), kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0),
                   kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGrey = RGB(9, 9, 9);

// 3 x 2, 8-bit, bottom-up: magenta white black over black black white.
std::vector<uint8_t> PalettedDib(size_t cut = 0)
{
    TestDib dib = MakeDib(3, 2, 8, 40, {kMagenta, kWhite, kBlack});
    unsigned pixels[2][3] = {{0, 1, 2}, {2, 2, 1}};
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 3; x++) dib.Row(y)[x] = uint8_t(pixels[y][x]);
    dib.bytes.resize(dib.bytes.size() - cut);
    return dib.bytes;
}

// 56 x 2, 24-bit, top-down: two 28-pixel images on magenta, with red and blue at x = 10.
std::vector<uint8_t> ArrowStrip()
{
    TestDib dib = MakeDib(56, -2, 24);
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 56; x++) dib.SetColor(x, y, x % 28 != 10 ? kMagenta : x < 28 ? kRed : kBlue);
    return dib.bytes;
}

const std::vector<uint8_t> kPaletted = PalettedDib();
const std::vector<uint8_t> kArrows = ArrowStrip();
const std::vector<uint8_t> kShort = PalettedDib(1);

const char16_t* Id(uintptr_t id)
{
    return reinterpret_cast<const char16_t*>(id);
}

}  // namespace

// The resource table as the resource compiler lays it out; wincore finds it by name.
struct TestResource {
    const char16_t* type;
    const char16_t* name;
    const unsigned char* data;
    unsigned size;
};

extern "C" __attribute__((visibility("default"))) const TestResource wincore_resources[] = {
    {Id(2), Id(106), kPaletted.data(), unsigned(kPaletted.size())},
    {Id(2), u"ARROWS", kArrows.data(), unsigned(kArrows.size())},
    {Id(2), Id(200), kShort.data(), unsigned(kShort.size())},
};
extern "C" __attribute__((visibility("default"))) const unsigned wincore_resource_count =
    sizeof wincore_resources / sizeof wincore_resources[0];

namespace {

class BitmapResourceTest : public HostTest {
protected:
    HINSTANCE module_ = GetModuleHandleW(nullptr);
};

std::vector<Colors> Pixels(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<Colors> rows(size_t(info.bmHeight));
    for (int y = 0; y < info.bmHeight; y++)
        for (int x = 0; x < info.bmWidth; x++) rows[size_t(y)].push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    return rows;
}

TEST_F(BitmapResourceTest, LoadBitmapReadsPalettedDibsAndRefusesOneByteShort)
{
    HBITMAP bitmap = LoadBitmap(module_, MAKEINTRESOURCE(106));
    EXPECT_EQ(Pixels(bitmap), (std::vector<Colors>{{kMagenta, kWhite, kBlack}, {kBlack, kBlack, kWhite}}));
    DeleteObject(bitmap);
    EXPECT_EQ(LoadBitmapW(module_, MAKEINTRESOURCEW(200)), nullptr);
}

TEST_F(BitmapResourceTest, ImageListFromAStripWithAMaskColour)
{
    Canvas canvas(28, 6, kGrey);
    const int before = wincore::LiveGdiObjects();
    HIMAGELIST arrows = ImageList_LoadImage(module_, u"arrows", 28, 0, kMagenta, IMAGE_BITMAP, 0);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(arrows, &cx, &cy));
    EXPECT_EQ(cx * 100 + cy, 2802) << "the height is the bitmap's";
    EXPECT_EQ(ImageList_GetImageCount(arrows), 2);
    ImageList_Draw(arrows, 1, canvas.dc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(canvas.Row(1, 9, 12), (Colors{kGrey, kBlue, kGrey}));
    EXPECT_EQ(ImageList_LoadImage(module_, MAKEINTRESOURCE(200), 1, 0, kMagenta, IMAGE_BITMAP, 0), nullptr);
    EXPECT_TRUE(ImageList_Destroy(arrows));
    EXPECT_EQ(wincore::LiveGdiObjects(), before) << "the list and its bitmap are freed";
}

}  // namespace
