// The vector box tests' host: the owner on a checkerboard, and a probe that taps a box's arrows.
#pragma once

#include <string>

#include "NavVectorBox.h"
#include "support/owner_fixture.h"

struct ProbeBox : CNavVectorBox {
    using CNavVectorBox::hWnd;
    using CNavVectorBox::items;
    using CNavVectorBox::passRect;
    using CNavVectorBox::slideOffset;

    POINT Arrow(int which)  // the centre of an arrow, on the screen
    {
        POINT point = {(passRect[which].left + passRect[which].right) / 2,
                       (passRect[which].top + passRect[which].bottom) / 2};
        MapWindowPoints(hWnd, nullptr, &point, 1);
        return point;
    }
    void Tap(int which) { ::Tap(Arrow(which).x, Arrow(which).y); }
    template <class Handle>
    void SetFrame(Handle handle, int kind)
    {
        void* handed = const_cast<void*>(static_cast<const void*>(handle));
        SetOwnerDrawBmp(&handed, kind);
    }
};

constexpr int kCell = 8;  // px, the checkerboard's squares

inline COLORREF Pattern(int x, int y)  // the owner's backdrop at a point of its client area
{
    return ((x / kCell + y / kCell) % 2) ? RGB(40, 120, 60) : RGB(200, 200, 180);
}

// The library's own frame picture, as a host would name a frame file.
inline WString FrameFile() { return U16(RKNAV_TEST_GOLDEN_DIR "/../../resources/vbox_frame.png"); }

class VectorBoxTest : public OwnerTest {
protected:
    void SetUp() override
    {
        OwnerTest::SetUp();
        PaintBackdrop([](HDC dc) {
            for (int y = 0; y < 480; y += kCell)
                for (int x = 0; x < 800; x += kCell) Fill(dc, {x, y, x + kCell, y + kCell}, Pattern(x, y));
        });
    }
    // A box on `parent` with id 7 and `count` more items "A", "B", ...
    void Make(ProbeBox& box, int count, VBoxType type = VBOX_HORZ, RECT rect = {20, 30, 272, 72}, HWND parent = nullptr,
              DWORD style = WS_CHILD | WS_VISIBLE)
    {
        ASSERT_EQ(box.Create(nullptr, style, TEXT("vbox"), rect, parent ? parent : owner, 7, type), 1);
        for (int i = 0; i < count; i++) box.InsertItem(WString(1, WCHAR('A' + i)).c_str(), nullptr);
        Log().Name(box.hWnd, "vbox");
        wincore::Pump();
    }
};
