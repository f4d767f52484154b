// The library frame: its module instance, its resources and the picture wrapper.
#include <cstdio>
#include <string>

#include "frame/Module.h"
#include "frame/NavImage.h"
#include "support/canvas.h"
#include "support/golden.h"
#include "support/host_fixture.h"
#include "support/owner_fixture.h"

namespace {

using FrameTest = HostTest;

constexpr UINT kStrip = 129;  // 960 x 44, nine cells of 106 pixels and a little more

TEST(Himetric, FiguresComeOutExactly)
{
    std::string figures;
    for (auto [pixels, dpi] : {std::pair{1, 96}, {10, 96}, {106, 96}, {212, 96}, {960, 96}, {1, 72}, {106, 72},
                               {-106, 96}, {2000000000, 96}})  // the last saturates instead of overflowing
        figures += std::to_string(PixelsToHimetric(pixels, dpi)) + " ";
    EXPECT_EQ(figures, "26 264 2804 5609 25400 35 3739 -2804 2147483647 ");
}

// Every picture of the library side by side: each decodes to its size and draws as it did when the
// golden picture was made (tests/output/pictures.actual.png shows them on a mismatch).
TEST_F(OwnerTest, EveryPictureOfTheLibraryDrawsAsOnItsContactSheet)
{
    HINSTANCE module = GetModuleInstance();
    ASSERT_TRUE(module && module == GetModuleHandleW(TEXT("RKNavCtrlEx.dll")));
    std::string sizes;
    PaintBackdrop([&](HDC dc) {
        Fill(dc, {0, 0, 800, 480}, RGB(96, 112, 128));
        for (auto [id, x, y] : {std::tuple{120u, 10, 10}, {121u, 270, 10}, {122u, 10, 60}, {123u, 270, 60},
                                {124u, 530, 60}, {126u, 10, 110}, {127u, 240, 110}, {kStrip, 10, 220}}) {
            CNavImage image;
            EXPECT_EQ(image.LoadFromResource(id, module, TEXT("PNG")), 1) << id;
            sizes += std::to_string(image.GetWidth()) + "x" + std::to_string(image.GetHeight()) + " ";
            if (id == kStrip) image.DrawStretch(dc, x, y, 780, 36, 0, 0, 960, 44);
            else image.Draw(dc, x, y, image.GetWidth(), image.GetHeight(), 0, 0);
        }
        HDC memory = CreateCompatibleDC(dc);
        int x = 10;
        for (UINT id : {104u, 105u, 106u, 107u, 128u}) {
            HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
            BITMAP info = {};
            GetObjectW(bitmap, sizeof info, &info);
            sizes += std::to_string(info.bmWidth) + "x" + std::to_string(info.bmHeight) + " ";
            HGDIOBJ old = SelectObject(memory, bitmap);
            BitBlt(dc, x, 270, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteObject(bitmap);
            x += info.bmWidth + 10;
        }
        DeleteDC(memory);
    });
    EXPECT_EQ(sizes, "252x42 252x42 252x42 252x42 252x42 216x102 216x102 960x44 139x32 30x30 30x30 180x270 56x27 ");
    EXPECT_TRUE(MatchesGolden("pictures", {0, 0, 800, 480}, 2));
}

TEST_F(FrameTest, ThreadNotificationsChangeNothing)
{
    IImagingFactory* factory = ImagingFactory();
    int com = wincore::ComInitCount(), objects = wincore::LiveComObjects();
    EXPECT_TRUE(DllMain(GetModuleInstance(), DLL_THREAD_ATTACH, nullptr));
    EXPECT_TRUE(DllMain(GetModuleInstance(), DLL_THREAD_DETACH, nullptr));
    EXPECT_TRUE(ImagingFactory() == factory && GetModuleInstance() == GetModuleHandleW(TEXT("RKNavCtrlEx")));
    EXPECT_TRUE(wincore::ComInitCount() == com && wincore::LiveComObjects() == objects);
}

TEST_F(FrameTest, EmptyReloadedAndDeletedPictures)
{
    int objects = wincore::LiveComObjects();
    {
        CNavImage image;
        Canvas canvas(10, 10, RGB(0, 0, 0));
        EXPECT_EQ(image.Draw(canvas.dc(), 0, 0, 10, 10, 0, 0), 0);
        EXPECT_EQ(image.LoadFromResource(999, GetModuleInstance(), TEXT("PNG")), 0);
        EXPECT_EQ(image.LoadFromResource(120, nullptr, TEXT("PNG")), 0) << "the executable has no such picture";
        EXPECT_EQ(image.GetWidth(), 0);
        ASSERT_EQ(image.LoadFromResource(120, GetModuleInstance(), TEXT("PNG")), 1);
        EXPECT_EQ(image.LoadFromResource(kStrip, GetModuleInstance(), TEXT("PNG")), 1) << "keeps the first";
        EXPECT_EQ(image.GetWidth(), 252);
        image.Unload();
        EXPECT_EQ(image.GetHeight(), 0);
        ASSERT_EQ(image.LoadFromResource(kStrip, GetModuleInstance(), TEXT("PNG")), 1);
        EXPECT_EQ(image.GetWidth(), 960);
        EXPECT_EQ(wincore::LiveComObjects(), objects + 2);  // the image and the stream it holds
    }
    EXPECT_EQ(wincore::LiveComObjects(), objects) << "the wrapper releases its picture when it goes";
}

TEST_F(FrameTest, DrawingPiecesOfTheStrip)
{
    CNavImage strip;
    ASSERT_EQ(strip.LoadFromResource(kStrip, GetModuleInstance(), TEXT("PNG")), 1);
    Canvas whole(960, 44, RGB(255, 0, 255)), piece(106, 44, RGB(255, 0, 255));
    EXPECT_EQ(strip.Draw(whole.dc(), 0, 0, 960, 44, 0, 0), 1);
    EXPECT_EQ(strip.Draw(piece.dc(), 0, 0, 106, 44, 106, 0), 1);
    for (int y = 0; y < 44; y++) EXPECT_EQ(piece.Row(y, 0, 106), whole.Row(y, 106, 212)) << "row " << y;

    // Empty rectangles fail, except an empty destination, which is still handed on.
    const std::vector<int> results = {strip.DrawStretch(piece.dc(), 0, 0, 0, 44, 0, 0, 106, 44),
                                      strip.DrawStretch(piece.dc(), 0, 0, 106, 44, 0, 0, -1, 44),
                                      strip.DrawStretch(piece.dc(), 0, 0, 106, 44, 0, 0, 106, 0),
                                      strip.Draw(piece.dc(), 0, 0, 0, 44, 0, 0),
                                      strip.DrawStretch(piece.dc(), 0, 0, 106, 44, 318, 0, 108, 44)};
    EXPECT_EQ(results, (std::vector<int>{0, 0, 0, 1, 1}));
}

// A picture file under a name outside ASCII loads; a missing file and no name do not (refusals of
// what is no picture are the decoder tests').
TEST_F(FrameTest, PictureFiles)
{
    HRSRC found = FindResourceW(GetModuleInstance(), MAKEINTRESOURCEW(120), TEXT("PNG"));
    ASSERT_NE(found, nullptr);
    FILE* file = std::fopen(OutputPath("picture-\xC3\xA4.png").c_str(), "wb");
    std::fwrite(LockResource(LoadResource(GetModuleInstance(), found)), 1, SizeofResource(GetModuleInstance(), found),
                file);
    std::fclose(file);
    CNavImage image, missing;
    EXPECT_EQ(image.LoadFromFile((U16(OutputPath("picture-")) + u"\u00E4.png").c_str()), 1);
    EXPECT_EQ(image.GetWidth(), 252);
    EXPECT_EQ(missing.LoadFromFile(TEXT("/nonexistent/x.png")) + missing.LoadFromFile(nullptr) + missing.GetWidth(), 0);
}

}  // namespace
