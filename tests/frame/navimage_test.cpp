// The library frame: its module instance, its resources and the picture wrapper.
#include <cstdio>
#include <string>

#include "frame/Module.h"
#include "frame/NavImage.h"
#include "support/canvas.h"
#include "support/golden.h"
#include "support/host_fixture.h"

namespace {

using FrameTest = HostTest;

TEST(Himetric, FiguresComeOutExactly)
{
    EXPECT_EQ(PixelsToHimetric(1, 96), 26);
    EXPECT_EQ(PixelsToHimetric(10, 96), 264);
    EXPECT_EQ(PixelsToHimetric(106, 96), 2804);
    EXPECT_EQ(PixelsToHimetric(212, 96), 5609);
    EXPECT_EQ(PixelsToHimetric(960, 96), 25400);
    EXPECT_EQ(PixelsToHimetric(1, 72), 35);
    EXPECT_EQ(PixelsToHimetric(106, 72), 3739);
    EXPECT_EQ(PixelsToHimetric(-106, 96), -2804);
    EXPECT_EQ(PixelsToHimetric(2000000000, 96), 2147483647) << "saturates instead of overflowing";
}

TEST_F(FrameTest, ModuleInstanceFindsEveryResourceOfTheLibrary)
{
    HINSTANCE module = GetModuleInstance();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module, GetModuleHandleW(TEXT("RKNavCtrlEx.dll")));
    struct Picture {
        UINT id;
        int width, height;
    };
    for (Picture p : {Picture{120, 252, 42}, {121, 252, 42}, {122, 252, 42}, {123, 252, 42}, {124, 252, 42},
                      {126, 216, 102}, {127, 216, 102}, {129, 960, 44}}) {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(p.id), TEXT("PNG"));
        ASSERT_NE(found, nullptr) << p.id;
        EXPECT_GT(SizeofResource(module, found), 100u);
        CNavImage image;
        ASSERT_EQ(image.LoadFromResource(p.id, module, TEXT("PNG")), 1) << p.id;
        EXPECT_EQ(image.GetWidth(), p.width) << p.id;
        EXPECT_EQ(image.GetHeight(), p.height) << p.id;
    }
    for (Picture b : {Picture{104, 139, 32}, {105, 30, 30}, {106, 30, 30}, {107, 180, 270}, {128, 56, 27}}) {
        HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(b.id));
        ASSERT_NE(bitmap, nullptr) << b.id;
        BITMAP info = {};
        GetObjectW(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, b.width) << b.id;
        EXPECT_EQ(info.bmHeight, b.height) << b.id;
        DeleteObject(bitmap);
    }
    for (UINT id : {117u, 125u}) {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
        ASSERT_NE(found, nullptr) << id;
        auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, found)));
        EXPECT_EQ(dialog->style, id == 117 ? 0x80000040u : 0x40000040u);
        EXPECT_EQ(dialog->cx, 186);
        EXPECT_EQ(dialog->cy, id == 117 ? 95 : 90);
        // No menu, the dialog class, no title, then the font: 8 points of the Chinese face.
        auto* words = reinterpret_cast<const char16_t*>(dialog + 1);
        EXPECT_EQ(std::u16string(words, 14), std::u16string(u"\0\0\0\u0008仿宋_GB2312\0", 14)) << id;
    }
}

TEST_F(FrameTest, ThreadNotificationsChangeNothing)
{
    IImagingFactory* factory = ImagingFactory();
    int com = wincore::ComInitCount(), objects = wincore::LiveComObjects();
    EXPECT_EQ(DllMain(GetModuleInstance(), DLL_THREAD_ATTACH, nullptr), TRUE);
    EXPECT_EQ(DllMain(GetModuleInstance(), DLL_THREAD_DETACH, nullptr), TRUE);
    EXPECT_EQ(ImagingFactory(), factory);
    EXPECT_EQ(GetModuleInstance(), GetModuleHandleW(TEXT("RKNavCtrlEx")));
    EXPECT_EQ(wincore::ComInitCount(), com);
    EXPECT_EQ(wincore::LiveComObjects(), objects);
}

TEST_F(FrameTest, EmptyAndReloadedPictures)
{
    CNavImage image;
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(image.GetHeight(), 0);
    Canvas canvas(10, 10, RGB(0, 0, 0));
    EXPECT_EQ(image.Draw(canvas.dc(), 0, 0, 10, 10, 0, 0), 0);
    EXPECT_EQ(image.LoadFromResource(999, GetModuleInstance(), TEXT("PNG")), 0);
    EXPECT_EQ(image.LoadFromResource(120, nullptr, TEXT("PNG")), 0) << "the executable has no such picture";
    ASSERT_EQ(image.LoadFromResource(120, GetModuleInstance(), TEXT("PNG")), 1);
    EXPECT_EQ(image.LoadFromResource(129, GetModuleInstance(), TEXT("PNG")), 1) << "a second load keeps the first";
    EXPECT_EQ(image.GetWidth(), 252);
    image.Unload();
    EXPECT_EQ(image.GetWidth(), 0);
    ASSERT_EQ(image.LoadFromResource(129, GetModuleInstance(), TEXT("PNG")), 1);
    EXPECT_EQ(image.GetWidth(), 960);
    EXPECT_EQ(wincore::LiveComObjects() > 0, true);
}

TEST_F(FrameTest, DrawingPiecesOfTheStrip)
{
    CNavImage strip;
    ASSERT_EQ(strip.LoadFromResource(129, GetModuleInstance(), TEXT("PNG")), 1);
    Canvas whole(960, 44, RGB(255, 0, 255)), piece(106, 44, RGB(255, 0, 255));
    EXPECT_EQ(strip.Draw(whole.dc(), 0, 0, 960, 44, 0, 0), 1);
    EXPECT_EQ(strip.Draw(piece.dc(), 0, 0, 106, 44, 106, 0), 1);
    int differences = 0;
    for (int y = 0; y < 44; y++) differences += piece.Row(y, 0, 106) != whole.Row(y, 106, 212);
    EXPECT_EQ(differences, 0) << "the second cell drawn 1:1 matches the strip at 106";

    EXPECT_EQ(strip.DrawStretch(piece.dc(), 0, 0, 0, 44, 0, 0, 106, 44), 0);
    EXPECT_EQ(strip.DrawStretch(piece.dc(), 0, 0, 106, 44, 0, 0, -1, 44), 0);
    EXPECT_EQ(strip.DrawStretch(piece.dc(), 0, 0, 106, 44, 0, 0, 106, 0), 0);
    EXPECT_EQ(strip.Draw(piece.dc(), 0, 0, 0, 44, 0, 0), 1) << "an empty destination is still handed on";
    EXPECT_EQ(strip.DrawStretch(piece.dc(), 0, 0, 106, 44, 318, 0, 108, 44), 1);
}

TEST_F(FrameTest, TranslucentFrameBlendsOverWhatIsBeneath)
{
    CNavImage frame;
    ASSERT_EQ(frame.LoadFromResource(126, GetModuleInstance(), TEXT("PNG")), 1);
    Canvas black(216, 102, RGB(0, 0, 0)), white(216, 102, RGB(255, 255, 255));
    frame.Draw(black.dc(), 0, 0, 216, 102, 0, 0);
    frame.Draw(white.dc(), 0, 0, 216, 102, 0, 0);
    COLORREF overBlack = black.At(108, 51), overWhite = white.At(108, 51);
    EXPECT_NE(overBlack, overWhite) << "the body is translucent";
    EXPECT_NE(overBlack, RGB(0, 0, 0)) << "but not invisible";
}

TEST_F(FrameTest, FilesThatAreMissingOrNotPicturesFail)
{
    CNavImage image;
    EXPECT_EQ(image.LoadFromFile(TEXT("/nonexistent/picture.png")), 0);
    EXPECT_EQ(image.LoadFromFile(nullptr), 0);
    std::string path = OutputPath("not-a-picture.png");
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fputs("this is text, not a PNG", file);
    std::fclose(file);
    EXPECT_EQ(image.LoadFromFile(U16(path).c_str()), 0);
    EXPECT_EQ(image.GetWidth(), 0);
}

TEST_F(FrameTest, DeletingAWrapperThatHoldsAPictureReleasesIt)
{
    int before = wincore::LiveComObjects();
    auto* image = new CNavImage;
    ASSERT_EQ(image->LoadFromResource(127, GetModuleInstance(), TEXT("PNG")), 1);
    EXPECT_GT(wincore::LiveComObjects(), before);
    delete image;
    EXPECT_EQ(wincore::LiveComObjects(), before);
}

// Every picture of the library side by side: each decodes and draws as it did when the golden
// picture was made (tests/output/pictures.actual.png shows them on a mismatch).
TEST_F(FrameTest, EveryPictureDrawsAsOnItsContactSheet)
{
    HWND sheet = CreateWindowExW(0, TEXT("BUTTON"), TEXT(""), WS_POPUP | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 800, 480, nullptr,
                                 nullptr, nullptr, nullptr);
    HDC dc = GetDC(sheet);
    RECT all = {0, 0, 800, 480};
    HBRUSH background = CreateSolidBrush(RGB(96, 112, 128));
    FillRect(dc, &all, background);
    DeleteObject(background);
    struct Place {
        UINT id;
        int x, y;
    };
    for (Place p : {Place{120, 10, 10}, {121, 270, 10}, {122, 10, 60}, {123, 270, 60}, {124, 530, 60},
                    {126, 10, 110}, {127, 240, 110}}) {
        CNavImage image;
        image.LoadFromResource(p.id, GetModuleInstance(), TEXT("PNG"));
        image.Draw(dc, p.x, p.y, image.GetWidth(), image.GetHeight(), 0, 0);
    }
    CNavImage strip;
    strip.LoadFromResource(129, GetModuleInstance(), TEXT("PNG"));
    strip.DrawStretch(dc, 10, 220, 780, 36, 0, 0, 960, 44);
    HDC memory = CreateCompatibleDC(dc);
    int x = 10;
    for (UINT id : {104u, 105u, 106u, 107u, 128u}) {
        HBITMAP bitmap = LoadBitmapW(GetModuleInstance(), MAKEINTRESOURCEW(id));
        BITMAP info = {};
        GetObjectW(bitmap, sizeof info, &info);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(dc, x, 270, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        x += info.bmWidth + 10;
    }
    DeleteDC(memory);
    ReleaseDC(sheet, dc);
    EXPECT_TRUE(MatchesGolden("pictures", all, 2));
    DestroyWindow(sheet);
}

}  // namespace
