// Painting read back from the screen and from memory DCs: the selection gradient, the scroll
// indicator and painting into a DC the host gives.
#include "listview/list_probe.h"

namespace {

using ListPaint = ListTest;
using wincore::ScreenPixel;

constexpr COLORREF kDarkGrey = RGB(64, 64, 64), kMiddle = RGB(4, 4, 255), kNearMiddle = RGB(13, 13, 255);

TEST_F(ListPaint, TheSelectedRowIsAGradientWhiteAtItsEdgesAndSelectionColouredInTheMiddle)
{
    ProbeList list;
    Open(list, RECT{0, 0, 400, 300}, 5);
    list.SetCurrentSel(1);
    wincore::Pump();
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const COLORREF column[] = {black, white, kNearMiddle, kMiddle, kNearMiddle, white, black};
    const int rows[] = {1, 2, 29, 30, 31, 58, 59};  // gradient rows 0, 27, 28, 29 and 56 of a row at 60
    for (int i = 0; i < 7; i++) EXPECT_EQ(ScreenPixel(300, 60 + rows[i]), column[i]) << rows[i];
    EXPECT_TRUE(ScreenPixel(0, 90) == kMiddle && ScreenPixel(399, 90) == kMiddle) << "across the whole row";
}

TEST_F(ListPaint, TheIndicatorShowsThePortionAndPlaceOfTheViewWhileMoving)
{
    auto thumb = [] {  // the thumb's rows along the right edge, as "first-last"
        int first = -1, last = -1;
        for (int y = 0; y < 300; y++)
            if (ScreenPixel(399, y) == kDarkGrey) first = first < 0 ? y : first, last = y;
        return first < 0 ? std::string() : std::to_string(first) + "-" + std::to_string(last);
    };
    ProbeList list;
    Open(list, RECT{0, 0, 400, 300}, 20);
    list.ScrollTo(0, 60, true);
    EXPECT_EQ(thumb(), "0-74") << "length 75 at position 0";
    EXPECT_TRUE(ScreenPixel(392, 30) == kDarkGrey && ScreenPixel(391, 30) != kDarkGrey) << "8 pixels wide";
    list.ScrollTo(10, 60, true);
    EXPECT_EQ(thumb(), "150-224");
    list.ScrollTo(10, 60, false);
    EXPECT_EQ(thumb(), "");
    while (list.GetItemCount() > 5) list.DeleteItem(0);  // the content now fits the area exactly
    list.ScrollTo(1, 30, true);
    EXPECT_EQ(thumb(), "0-299");

    // 100,000 rows: the thumb is shorter than a pixel, and placing it must not overflow 32 bits
    // (the sanitizer build would stop here).
    ProbeList longList;
    for (int i = 0; i < 100000; i++) longList.AddItem(TEXT("row"), -1, 0);
    list.Destroy();
    ASSERT_EQ(longList.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 400, 300}, owner, 8, -1), 1);
    longList.ScrollTo(49997, 60, true);
    EXPECT_EQ(thumb(), "");
}

TEST_F(ListPaint, PaintsIntoAGivenDCAtItsOriginOrAtItsPlaceInTheParent)
{
    ProbeList list;
    Open(list, RECT{100, 50, 500, 350}, 0);
    list.SetBkColor(RGB(1, 2, 3), 0);
    // Compatible with the screen: a new memory DC holds a monochrome bitmap, and so would a bitmap
    // made compatible with it.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 480);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_EQ(list.OnPaintEx(memory), 1);
    EXPECT_EQ(GetPixel(memory, 100, 50), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(memory, 99, 50), RGB(0, 0, 0));
    SendMessageW(list.GetSafeHand(), WM_PAINT, WPARAM(memory), 0);
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(1, 2, 3));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(ListPaint, ARowsAreaShorterThanARowShowsItsTopRowWithTheTopSeparator)
{
    const COLORREF separator = RGB(199, 146, 93);
    for (int count : {1, 3}) {
        NavListViewEx list;
        Open(list, RECT{0, 0, 400, 40}, count);
        EXPECT_EQ(ScreenPixel(200, 0), separator) << count << " items";
        list.Destroy();
    }
}

TEST_F(ListPaint, AHostPictureShowsThePageBarWhileTheRowsMove)
{
    NavListViewEx list;
    list.EnablePageScroll(1);
    Open(list, RECT{0, 0, 480, 272}, 20);
    // Scroll steps without a paint of the window in between, as a host composing off-screen at
    // each step sees them: the window's next paint would leave its bar as it was.
    auto step = [&](int y) { SendMessageW(list.GetSafeHand(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, y)); };
    wincore::PenDown(100, 150);
    step(140);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 480, 272);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int tick = 0; tick < 2; tick++) {
        EXPECT_EQ(list.OnPaintEx(memory), 1);
        for (int x : {50, 240, 430}) EXPECT_EQ(GetPixel(memory, x, 250), ScreenPixel(x, 250)) << x << " at " << tick;
        step(130 - 10 * tick);
    }
    wincore::PenUp(100, 120);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace
