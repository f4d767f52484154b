// A recording owner that paints a checkerboard beneath its vector box and passes WM_DRAWITEM on
// to the box's window, as a host does; a probe that reads the box's state and taps its arrows.
#pragma once

#include <functional>
#include <string>

#include "NavVectorBox.h"
#include "support/host_fixture.h"
#include "support/message_log.h"

struct ProbeBox : CNavVectorBox {
    using CNavVectorBox::hWnd;
    using CNavVectorBox::items;
    using CNavVectorBox::OnDrawItem;
    using CNavVectorBox::ownerDrawImage;
    using CNavVectorBox::passRect;
    using CNavVectorBox::pressedPass;
    using CNavVectorBox::slideOffset;

    POINT Arrow(int which)  // the centre of an arrow, on the screen
    {
        POINT point = {(passRect[which].left + passRect[which].right) / 2,
                       (passRect[which].top + passRect[which].bottom) / 2};
        MapWindowPoints(hWnd, nullptr, &point, 1);
        return point;
    }
    void Tap(int which)
    {
        wincore::PenDown(Arrow(which).x, Arrow(which).y);
        wincore::PenUp(Arrow(which).x, Arrow(which).y);
    }
    template <class Handle> void SetFrame(Handle handle, int kind)
    {
        void* handed = const_cast<void*>(static_cast<const void*>(handle));
        SetOwnerDrawBmp(&handed, kind);
    }
};

COLORREF Pattern(int x, int y);  // what the owner paints at a point of its client area
HBITMAP SolidBitmap(int width, int height, COLORREF color);
// The library's own frame picture, as a host would name a frame file.
WString FrameFile();

class VectorBoxTest : public HostTest {
protected:
    void SetUp() override;
    // The box on the owner (at the screen's origin) with id 7 and `count` items "A", "B", ...
    void Make(ProbeBox& box, int count, VBoxType type = VBOX_HORZ, RECT rect = {20, 30, 272, 72});

    HWND owner = nullptr;
    std::function<void(UINT)> ownerHook;  // sees every message of the owner first
    RECT background = {0, 0, 0, 0};       // the last rectangle the owner painted beneath
};
