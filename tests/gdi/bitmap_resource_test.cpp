// Bitmaps and image lists loaded from RT_BITMAP resources carried by this executable.
#include <commctrl.h>

#include <cstdint>

#include "gdi/canvas.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr COLORREF kGrey = RGB(9, 9, 9);

// 3 x 2, 8-bit, bottom-up: top row magenta white black, bottom row black black white.
std::vector<uint8_t> PalettedDib()
{
    TestDib dib = MakeDib(3, 2, 8, WithPalette({kMagenta, kWhite, kBlack}));
    unsigned pixels[2][3] = {{0, 1, 2}, {2, 2, 1}};
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 3; x++) dib.SetIndex(x, y, pixels[y][x]);
    return dib.bytes;
}

// 2 x 2, 24-bit, top-down: red blue / blue red.
std::vector<uint8_t> TopDownDib()
{
    TestDib dib = MakeDib(2, -2, 24);
    dib.SetColor(0, 0, kRed), dib.SetColor(1, 0, kBlue), dib.SetColor(0, 1, kBlue), dib.SetColor(1, 1, kRed);
    return dib.bytes;
}

// Two 28 x 4 arrows on magenta: a blue square in the first, an orange one in the second.
std::vector<uint8_t> ArrowStrip()
{
    TestDib dib = MakeDib(56, 4, 24);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 56; x++) {
            bool square = y >= 1 && y < 3 && x % 28 >= 10 && x % 28 < 14;
            dib.SetColor(x, y, !square ? kMagenta : x < 28 ? kBlue : kOrange);
        }
    return dib.bytes;
}

std::vector<uint8_t> Truncated()
{
    std::vector<uint8_t> bytes = PalettedDib();
    bytes.pop_back();
    return bytes;
}

std::vector<uint8_t> HeaderOnly()
{
    std::vector<uint8_t> bytes = PalettedDib();
    bytes.resize(20);
    return bytes;
}

const std::vector<uint8_t> kPaletted = PalettedDib();
const std::vector<uint8_t> kTopDown = TopDownDib();
const std::vector<uint8_t> kArrows = ArrowStrip();
const std::vector<uint8_t> kTruncated = Truncated();
const std::vector<uint8_t> kHeaderOnly = HeaderOnly();

const char16_t* Id(uintptr_t id)
{
    return reinterpret_cast<const char16_t*>(id);
}

}  // namespace

// The resource table as the resource compiler lays it out; the platform finds it by name.
struct TestResource {
    const char16_t* type;
    const char16_t* name;
    const unsigned char* data;
    unsigned size;
};

extern "C" __attribute__((visibility("default"))) const TestResource wincore_resources[] = {
    {Id(2), Id(106), kPaletted.data(), unsigned(kPaletted.size())},
    {Id(2), Id(107), kTopDown.data(), unsigned(kTopDown.size())},
    {Id(2), Id(128), kArrows.data(), unsigned(kArrows.size())},
    {Id(2), Id(200), kTruncated.data(), unsigned(kTruncated.size())},
    {Id(2), Id(201), kHeaderOnly.data(), unsigned(kHeaderOnly.size())},
    {Id(2), u"NAMED", kTopDown.data(), unsigned(kTopDown.size())},
    {Id(10), Id(300), kPaletted.data(), unsigned(kPaletted.size())},
};
extern "C" __attribute__((visibility("default"))) const unsigned wincore_resource_count =
    sizeof wincore_resources / sizeof wincore_resources[0];

namespace {

class BitmapResourceTest : public HostTest {
protected:
    HINSTANCE module_ = GetModuleHandleW(nullptr);
};

using Colors = std::vector<COLORREF>;

// The pixels of a bitmap, row by row.
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

TEST_F(BitmapResourceTest, LoadsPalettedBottomUpAndTrueColourTopDownBitmaps)
{
    HBITMAP paletted = LoadBitmapW(module_, MAKEINTRESOURCEW(106));
    ASSERT_NE(paletted, nullptr);
    EXPECT_EQ(Pixels(paletted), (std::vector<Colors>{{kMagenta, kWhite, kBlack}, {kBlack, kBlack, kWhite}}));
    BITMAP info = {};
    GetObjectW(paletted, sizeof info, &info);
    EXPECT_EQ(info.bmBits, nullptr) << "not a DIB section";

    HBITMAP topDown = LoadBitmap(module_, MAKEINTRESOURCE(107));
    ASSERT_NE(topDown, nullptr);
    EXPECT_EQ(Pixels(topDown), (std::vector<Colors>{{kRed, kBlue}, {kBlue, kRed}}));
    HBITMAP named = LoadBitmapW(module_, u"named");
    EXPECT_EQ(Pixels(named), Pixels(topDown));
    DeleteObject(paletted);
    DeleteObject(topDown);
    DeleteObject(named);
}

TEST_F(BitmapResourceTest, MissingOrDamagedResourcesGiveNoBitmap)
{
    EXPECT_EQ(LoadBitmapW(module_, MAKEINTRESOURCEW(200)), nullptr) << "one byte short";
    EXPECT_EQ(LoadBitmapW(module_, MAKEINTRESOURCEW(201)), nullptr) << "header cut off";
    EXPECT_EQ(LoadBitmapW(module_, MAKEINTRESOURCEW(999)), nullptr);
    EXPECT_EQ(LoadBitmapW(module_, MAKEINTRESOURCEW(300)), nullptr) << "not a bitmap resource";
    EXPECT_EQ(LoadBitmapW(module_, nullptr), nullptr);
    EXPECT_EQ(LoadBitmapW(nullptr, MAKEINTRESOURCEW(106)), nullptr) << "no predefined bitmaps";
    EXPECT_EQ(LoadBitmapW(reinterpret_cast<HINSTANCE>(uintptr_t(0x12345)), MAKEINTRESOURCEW(106)), nullptr);
}

TEST_F(BitmapResourceTest, LoadImageScalesToTheAskedSize)
{
    HBITMAP same = static_cast<HBITMAP>(LoadImageW(module_, MAKEINTRESOURCEW(107), IMAGE_BITMAP, 0, 0, 0));
    EXPECT_EQ(Pixels(same), (std::vector<Colors>{{kRed, kBlue}, {kBlue, kRed}}));
    HBITMAP doubled = static_cast<HBITMAP>(LoadImageW(module_, MAKEINTRESOURCEW(107), IMAGE_BITMAP, 4, 2, 0));
    EXPECT_EQ(Pixels(doubled), (std::vector<Colors>{{kRed, kRed, kBlue, kBlue}, {kBlue, kBlue, kRed, kRed}}));
    EXPECT_EQ(LoadImageW(module_, MAKEINTRESOURCEW(107), IMAGE_ICON, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadImageW(module_, u"file.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(LoadImageW(module_, MAKEINTRESOURCEW(107), IMAGE_BITMAP, -1, 0, 0), nullptr);
    DeleteObject(same);
    DeleteObject(doubled);
}

TEST_F(BitmapResourceTest, ImageListFromAStripWithAMaskColour)
{
    HIMAGELIST arrows = ImageList_LoadImage(module_, MAKEINTRESOURCE(128), 28, 0, kMagenta, IMAGE_BITMAP, 0);
    ASSERT_NE(arrows, nullptr);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(arrows, &cx, &cy);
    EXPECT_EQ(cx, 28);
    EXPECT_EQ(cy, 4) << "the bitmap's height";
    EXPECT_EQ(ImageList_GetImageCount(arrows), 2);

    Canvas canvas(28, 4, kGrey);
    EXPECT_TRUE(ImageList_Draw(arrows, 1, canvas.dc(), 0, 0, ILD_TRANSPARENT));
    EXPECT_EQ(canvas.Row(0, 0, 28), Colors(28, kGrey));
    Colors middle = canvas.Row(1, 8, 16);
    EXPECT_EQ(middle, (Colors{kGrey, kGrey, kOrange, kOrange, kOrange, kOrange, kGrey, kGrey}));

    HIMAGELIST opaque = ImageList_LoadBitmap(module_, MAKEINTRESOURCE(128), 28, 0, CLR_NONE);
    ImageList_Draw(opaque, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), kMagenta) << "no mask colour, no transparency";
    EXPECT_EQ(GetPixel(canvas.dc(), 10, 1), kBlue);
    HIMAGELIST keyed = ImageList_LoadImage(module_, MAKEINTRESOURCE(128), 28, 0, CLR_DEFAULT, IMAGE_BITMAP, 0);
    canvas.Fill(kGrey);
    ImageList_Draw(keyed, 0, canvas.dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), kGrey) << "the top-left colour is the key";
    EXPECT_EQ(GetPixel(canvas.dc(), 10, 1), kBlue);

    EXPECT_EQ(ImageList_LoadImage(module_, MAKEINTRESOURCE(128), 57, 0, kMagenta, IMAGE_BITMAP, 0), nullptr);
    EXPECT_EQ(ImageList_LoadImage(module_, MAKEINTRESOURCE(128), 0, 0, kMagenta, IMAGE_BITMAP, 0), nullptr);
    EXPECT_EQ(ImageList_LoadImage(module_, MAKEINTRESOURCE(200), 28, 0, kMagenta, IMAGE_BITMAP, 0), nullptr);
    EXPECT_EQ(ImageList_LoadImage(module_, MAKEINTRESOURCE(128), 28, 0, kMagenta, IMAGE_ICON, 0), nullptr);
    ImageList_Destroy(arrows);
    ImageList_Destroy(opaque);
    ImageList_Destroy(keyed);
}

}  // namespace
