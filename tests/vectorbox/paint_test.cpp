// What the box shows: background, frames and their owners, painting into a host DC, golden pictures.
#include "support/golden.h"
#include "vectorbox/vbox_fixture.h"

namespace {

using VectorBoxPaint = VectorBoxTest;

// An owner's frame inverts a pressed arrow, in either orientation.
TEST_F(VectorBoxPaint, PressedArrowsOnTheOwnersBackgroundOrFrame)
{
    const COLORREF frame = RGB(30, 90, 160), inverted = frame ^ 0x00FFFFFF;
    HBITMAP bitmap = SolidBitmap(300, 300, frame);
    for (VBoxType type : {VBOX_VERT, VBOX_HORZ}) {
        ProbeBox box;
        Make(box, 0, type, type == VBOX_HORZ ? RECT{20, 30, 272, 72} : RECT{20, 30, 120, 230});
        const int arrow = type == VBOX_HORZ ? 0 : 1;
        wincore::PenDown(box.Arrow(arrow).x, box.Arrow(arrow).y);
        box.SetFrame(bitmap, 0);
        InvalidateRect(box.hWnd, nullptr, FALSE);
        wincore::Pump();
        RECT r = box.passRect[arrow];
        MapWindowPoints(box.hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
        const std::pair<POINT, COLORREF> probes[] = {
            {{r.left + 2, r.top + 2}, inverted}, {{r.right - 3, r.bottom - 3}, inverted}, {{r.left + 1, r.top + 1}, frame},
            {{r.right - 2, r.bottom - 2}, frame}, {box.Arrow(1 - arrow), frame}};
        for (auto [point, color] : probes) EXPECT_EQ(wincore::ScreenPixel(point.x, point.y), color) << type;
    }
}

// A file frame is the box's own image, set during a slide and kept when a path is refused; one that is not a picture draws
// nothing; a bitmap frame releases it and stays the caller's.
TEST_F(VectorBoxPaint, FileFramesAreOwnedAndBadOnesDrawNothing)
{
    ProbeBox box;
    Make(box, 2);
    const COLORREF defaultFrame = wincore::ScreenPixel(25, 40);
    const int images = wincore::LiveComObjects();
    HBITMAP bitmap = SolidBitmap(8, 8, RGB(0, 0, 255));
    box.SetFrame(bitmap, 0);
    box.Tap(1);
    box.SetFrame(FrameFile().c_str(), 1);
    box.SetFrame(std::u16string(260, u'a').c_str(), 1);
    wincore::Advance(500);
    EXPECT_EQ(wincore::ScreenPixel(25, 40), defaultFrame) << "the library's frame file is the default frame";
    EXPECT_EQ(wincore::LiveComObjects(), images + 1);
    box.SetFrame(U16(__FILE__).c_str(), 1);
    InvalidateRect(box.hWnd, nullptr, FALSE);
    wincore::Pump();
    EXPECT_EQ(wincore::ScreenPixel(25, 40), Pattern(25, 40));
    EXPECT_NE(wincore::ScreenPixel(146, 51), Pattern(146, 51)) << "the item still shows";
    box.SetFrame(bitmap, 0);
    EXPECT_EQ(wincore::LiveComObjects(), images);
    EXPECT_EQ(GetObjectType(bitmap), DWORD(OBJ_BITMAP));
}

TEST_F(VectorBoxPaint, ItemsAreCutAndOnPaintExComposesTheBoxAtItsPlace)
{
    ProbeBox box, uncreated;
    Make(box, 0);
    const std::u16string text(150, u'x');
    box.InsertItem(text.c_str(), SolidBitmap(10, 10, RGB(255, 255, 0)));
    box.InsertItem(nullptr, nullptr);
    EXPECT_EQ(std::u16string(box.items[0].szText, 100), text.substr(0, 100));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, SolidBitmap(400, 300, RGB(0, 0, 0)));
    EXPECT_EQ(box.OnPaintEx(nullptr) + uncreated.OnPaintEx(dc), 0);
    // The owner away from the screen's origin: the background is asked for in its client coordinates.
    MoveWindow(owner, 16, 8, 800, 480, TRUE);
    wincore::Pump();
    EXPECT_EQ(box.OnPaintEx(dc), 1);
    EXPECT_EQ(Str(beneath), "20,30,272,72");
    for (POINT p : {POINT{20, 30}, {50, 40}, {146, 51}, {271, 71}})
        EXPECT_EQ(GetPixel(dc, p.x, p.y), wincore::ScreenPixel(p.x + 16, p.y + 8)) << p.x << "," << p.y;
    EXPECT_EQ(GetPixel(dc, 19, 30), RGB(0, 0, 0)) << "nothing outside the box";
    EXPECT_EQ(SendMessageW(box.hWnd, WM_ERASEBKGND, WPARAM(dc), 0) + SendMessageW(box.hWnd, WM_DRAWITEM, 7, 0), 2);
    EXPECT_EQ(SendMessageW(box.hWnd, WM_CTLCOLORBTN, WPARAM(dc), 0), LRESULT(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    SelectObject(dc, old);
    DeleteDC(dc);
}

TEST_F(VectorBoxPaint, GoldenPictures)
{
    LOGFONTW face = {};
    face.lfHeight = -20;
    std::u16string(u"仿宋_GB2312").copy(face.lfFaceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&face);
    HBITMAP flag = SolidBitmap(60, 30, RGB(230, 60, 40));
    const RECT area = {20, 30, 272, 72};
    {
        ProbeBox box;
        box.SetFont(font);
        box.SetTextColor(RGB(20, 40, 120));
        box.InsertItem(u"Beijing", nullptr);
        box.InsertItem(nullptr, flag);
        box.InsertItem(u"Route 2", flag);
        Make(box, 0);
        for (const char* name : {"vectorbox_text", "vectorbox_bitmap", "vectorbox_both"}) {
            EXPECT_TRUE(MatchesGolden(name, area, 8, 40));
            box.Tap(1);
            wincore::Advance(600);
        }
        box.Tap(0);
        wincore::Advance(100);
        EXPECT_TRUE(MatchesGolden("vectorbox_midslide", area, 8, 40));
        wincore::PenDown(box.Arrow(0).x, box.Arrow(0).y);
        EXPECT_TRUE(MatchesGolden("vectorbox_pressed_left", area, 8, 40));
    }
    // Its items keep the arrows' width free at the left and right, so this box is wider than tall.
    HBITMAP frame = SolidBitmap(200, 160, RGB(60, 90, 150));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, frame);
    Fill(dc, {0, 40, 200, 120}, RGB(192, 192, 192));
    SelectObject(dc, old);
    DeleteDC(dc);
    ProbeBox vertical;
    vertical.SetFont(font);
    vertical.SetPassControlWidth(40);
    vertical.SetFrame(frame, 0);
    Make(vertical, 1, VBOX_VERT, {20, 30, 220, 190});
    EXPECT_TRUE(MatchesGolden("vectorbox_vertical_ownerdraw", {20, 30, 220, 190}, 8, 40));
    DeleteObject(font);
}

}  // namespace
