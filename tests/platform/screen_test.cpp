// Per-window surfaces, clipping between windows, z-order and the composed screen.
#include "support/owner_fixture.h"

namespace {

using ScreenTest = HostTest;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

// Makes `hwnd` paint its whole client area in `color` whenever asked.
void PaintSolid(HWND hwnd, COLORREF color)
{
    SetHandler(hwnd, [color](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        if (m == WM_ERASEBKGND) return true;
        if (m != WM_PAINT) return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(h, &paint);
        RECT client;
        GetClientRect(h, &client);
        Fill(dc, client, color);
        EndPaint(h, &paint);
        return true;
    });
}

Colors ScreenAt(std::initializer_list<POINT> points)
{
    Colors colors;
    for (POINT point : points) colors.push_back(wincore::ScreenPixel(point.x, point.y));
    return colors;
}

TEST_F(ScreenTest, PopupOverItsOwnerSurvivesTheOwnersDrawing)
{
    HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE, 0, 0, 800, 480);
    HWND popup = CreateRecorder("popup", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100, owner);
    PaintSolid(owner, kBlue);
    PaintSolid(popup, kRed);
    InvalidateRect(owner, nullptr, TRUE);
    InvalidateRect(popup, nullptr, TRUE);
    wincore::Pump();
    EXPECT_EQ(ScreenAt({{150, 150}, {50, 50}}), (Colors{kRed, kBlue}));

    HDC ownerDc = GetDC(owner);
    Fill(ownerDc, {0, 0, 800, 480}, kGreen);
    ReleaseDC(owner, ownerDc);
    EXPECT_EQ(ScreenAt({{150, 150}, {50, 50}}), (Colors{kRed, kGreen}));
    ShowWindow(popup, SW_HIDE);
    EXPECT_EQ(wincore::ScreenPixel(150, 150), kGreen) << "the owner's own surface was never drawn over";
}

TEST_F(ScreenTest, TopmostBandStaysAboveActivatedWindows)
{
    HWND low = CreateRecorder("low", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    HWND high = CreateRecorder("high", WS_POPUP, 50, 50, 100, 100);
    PaintSolid(low, kBlue);
    PaintSolid(high, kRed);
    SetWindowPos(high, HWND_TOPMOST, 60, 60, 100, 100, SWP_SHOWWINDOW);
    wincore::Pump();
    SetFocus(low);
    SetWindowPos(low, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    wincore::Pump();
    EXPECT_EQ(ScreenAt({{70, 70}, {55, 55}}), (Colors{kRed, kBlue}));
    EXPECT_EQ(WindowFromPoint(POINT{70, 70}), high);
}

// With WS_CLIPCHILDREN a parent's repaint leaves its child alone; without it the child is
// repainted after its parent.
TEST_F(ScreenTest, ClipChildrenDecidesWhetherTheChildIsRepaintedAfterItsParent)
{
    for (bool clip : {true, false}) {
        HWND parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE | (clip ? WS_CLIPCHILDREN : 0), 0, 0, 200, 200);
        HWND child = CreateRecorder("child", WS_CHILD | WS_VISIBLE, 50, 50, 50, 50, parent);
        PaintSolid(parent, kBlue);
        PaintSolid(child, kRed);
        wincore::Pump();
        Log().Only({WM_PAINT});
        InvalidateRect(parent, nullptr, TRUE);
        wincore::Pump();
        using Lines = std::vector<std::string>;
        EXPECT_TRUE(SameTraffic(Log().Lines(), clip ? Lines{"parent WM_PAINT"} : Lines{"parent WM_PAINT", "child WM_PAINT"}));
        EXPECT_EQ(ScreenAt({{60, 60}, {10, 10}}), (Colors{kRed, kBlue})) << clip;
        DestroyWindow(parent);
    }
}

// The higher sibling is clipped out of the lower one's drawing, and nothing spills outside the
// parent; moving a child repaints what it uncovers.
TEST_F(ScreenTest, ChildDrawingIsClippedToItsParentAndSiblings)
{
    HWND parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100);
    HWND lower = CreateRecorder("lower", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 50, 50, 100, 100, parent);
    HWND upper = CreateRecorder("upper", WS_CHILD | WS_VISIBLE, 60, 60, 20, 20, parent);
    EXPECT_EQ(GetWindow(lower, GW_HWNDNEXT), upper) << "a new child goes below its siblings";
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PaintSolid(parent, kBlue);
    PaintSolid(upper, kGreen);
    PaintSolid(lower, kRed);
    wincore::Pump();
    InvalidateRect(lower, nullptr, TRUE);
    wincore::Pump();
    EXPECT_EQ(ScreenAt({{155, 155}, {165, 165}, {205, 205}}), (Colors{kRed, kGreen, RGB(0, 0, 0)}));
    MoveWindow(lower, 0, 0, 30, 30, TRUE);
    wincore::Pump();
    EXPECT_EQ(ScreenAt({{155, 155}, {110, 110}}), (Colors{kBlue, kRed}));
}

// Moving to where it is, or a size it has, sends nothing; hiding sends no WM_SHOWWINDOW here.
TEST_F(ScreenTest, ShowMoveAndSizeMessages)
{
    HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND child = CreateRecorder("child", WS_CHILD, 0, 0, 50, 50, main);
    Log().Only({WM_SHOWWINDOW, WM_MOVE, WM_SIZE});
    ShowWindow(child, SW_SHOW);
    MoveWindow(child, 10, 0, 50, 50, TRUE);
    MoveWindow(child, 10, 0, 60, 40, TRUE);
    MoveWindow(child, 10, 0, 60, 40, TRUE);
    SetWindowPos(child, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW);
    EXPECT_TRUE(SameTraffic(Log().Lines(), {
        "child WM_SHOWWINDOW 0x00000001 0x00000000", "child WM_MOVE 0x00000000 0x0000000a",
        "child WM_SIZE 0x00000000 0x0028003c", "child WM_MOVE 0x00000000 0x001e0014"}));
    POINT point = {0, 0};
    ClientToScreen(child, &point);
    const LONG onScreen = point.x;
    MapWindowPoints(nullptr, child, &point, 1);
    EXPECT_EQ((std::vector<LONG>{IsWindowVisible(child), onScreen, point.x}), (std::vector<LONG>{FALSE, 20, 0}));
    EXPECT_EQ(ScreenRect(child), "20,30,80,70");
}

}  // namespace
