// The object and its window: creation, copies, and destruction in either order.
#include "vectorbox/vbox_fixture.h"

namespace {

using VectorBoxLifecycle = VectorBoxTest;

TEST_F(VectorBoxLifecycle, CreateMakesOneOwnerDrawnWindowAndMayBeRetried)
{
    ProbeBox box;
    HWND gone = CreateRecorder("gone", WS_POPUP, 0, 0, 10, 10);
    DestroyWindow(gone);
    EXPECT_EQ(box.Create(nullptr, WS_CHILD, nullptr, {0, 0, 252, 42}, gone, 7, VBOX_HORZ), 0);
    EXPECT_EQ(box.hWnd, nullptr);
    // Another button type in the style (4, a radio button; 4 | 11 is 15) still gives an owner-drawn box.
    ASSERT_EQ(box.Create(nullptr, WS_CHILD | 0x4, nullptr, {0, 0, 252, 42}, owner, 7, VBOX_HORZ), 1);
    EXPECT_EQ(GetWindowLongW(box.hWnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    HWND first = box.hWnd;
    EXPECT_EQ(box.Create(nullptr, WS_CHILD, nullptr, {0, 0, 9, 9}, owner, 8, VBOX_VERT), 1);
    EXPECT_EQ(box.hWnd, first);
    EXPECT_EQ(box.passRect[1].left, 252 - 58) << "still horizontal";
}

TEST_F(VectorBoxLifecycle, CopiesCarrySettingsAndItemsButNoWindowOrFileImage)
{
    const int windows = wincore::LiveWindows(), images = wincore::LiveComObjects();
    {
        ProbeBox source;
        Make(source, 3);
        source.SetFrame(FrameFile().c_str(), 1);
        source.SetCurSel(2);
        {
            ProbeBox copy(source);
            EXPECT_EQ(copy.hWnd, nullptr);
            EXPECT_EQ(copy.GetCurSel(), 2);
            EXPECT_EQ(copy.SetCurSel(3), -1) << "the three items and no more";
            ASSERT_EQ(copy.Create(nullptr, WS_CHILD, nullptr, {0, 100, 252, 142}, owner, 9, VBOX_HORZ), 1);
            copy = source;  // the target's own window goes
            EXPECT_EQ(copy.hWnd, nullptr);
            EXPECT_EQ(wincore::LiveWindows(), windows + 1);
            EXPECT_EQ(wincore::LiveComObjects(), images + 1) << "the copy loads no image of its own";
        }
        source = source;
        EXPECT_TRUE(IsWindow(source.hWnd));
        EXPECT_EQ(wincore::LiveComObjects(), images + 1) << "nor released the source's";
    }
    EXPECT_EQ(wincore::LiveWindows(), windows);
    EXPECT_EQ(wincore::LiveComObjects(), images);
}

TEST_F(VectorBoxLifecycle, TheHostMayDestroyTheWindowFirstEvenDuringASlide)
{
    ProbeBox box;
    HWND host = CreateRecorder("host", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, owner);
    Make(box, 2, VBOX_HORZ, {20, 30, 272, 72}, host);
    box.Tap(1);
    DestroyWindow(host);
    EXPECT_EQ(box.hWnd, nullptr) << "the object lets go of the destroyed window";
    Make(box, 0);
    box.Tap(1);
    EXPECT_EQ(box.GetCurSel(), 0);
}

}  // namespace
