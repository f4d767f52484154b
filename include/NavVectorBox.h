// CNavVectorBox: a one-line selector for pen-operated screens. It shows one item (a text, a
// bitmap or both) between two arrow buttons, steps to the previous or next item with wrap-around,
// slides the change across its middle field and reports each step to its owner with WM_COMMAND.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "NavCtrlMessages.h"
#include "RKNavCtrlExApi.h"

namespace kit {
class FocusCue;
}

enum VBoxType {
    VBOX_HORZ = 0,  // arrows left and right, framed by the library's pictures
    VBOX_VERT = 1,  // arrows top and bottom, no frame of its own
};

constexpr int NAVVB_TEXT_LEN = 100;

// One item. A full text field has no terminator: readers stop after NAVVB_TEXT_LEN units.
// The bitmap stays the caller's.
typedef struct tagNAVVBITEM {
    WCHAR szText[NAVVB_TEXT_LEN];
    HBITMAP hBitmap;
} NAVVBITEM;

// The settings and items a host gives a vector box, with their defaults; a copy carries them. The
// owner, font and item bitmaps stay the host's, so copies may share them.
struct NavVectorBoxSettings {
    HWND hOwner = nullptr;
    VBoxType boxType = VBOX_HORZ;
    int passWidth = 58;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    std::vector<tagNAVVBITEM> items;
    int curSel = 0;
    RECT passRect[2] = {{0, 0, 0, 0}, {0, 0, 0, 0}};
    int animationInterval = 0;  // ms between the slide's frames; 0: its own 50 ms ticks
};

class RKNAVCTRLEX_API CNavVectorBox : protected NavVectorBoxSettings {
public:
    CNavVectorBox();
    // A copy carries the settings, the items and a caller's frame bitmap, but no window and no
    // file image: it starts uncreated, so the two objects never release the same handle.
    CNavVectorBox(const CNavVectorBox& other);
    CNavVectorBox& operator=(const CNavVectorBox& other);
    ~CNavVectorBox();

    int Create(HINSTANCE hInstance, DWORD dwStyle, const WCHAR* text, const RECT& rect, HWND parent, UINT id,
               VBoxType type);
    int InsertItem(const WCHAR* text, HBITMAP bitmap);
    int SetCurSel(int index);
    int GetCurSel();
    void SetTextColor(COLORREF color);
    void SetFont(HFONT font);
    void Show(int nCmdShow);
    void SetPassControlWidth(int width);
    // kind 0: *image is an HBITMAP the caller keeps (null: back to the default frame);
    // otherwise *image is the path of an image file that the control loads and owns.
    void SetOwnerDrawBmp(void** image, int kind);
    // Paints the control into a DC of its parent, at the control's place.
    int OnPaintEx(HDC hdc);
    // The slide's frame period: 0 (the default) for its 50 ms ticks, or 8 to 50 ms for frames on
    // the same curve, placed by the time elapsed. Other values return 0 and change nothing; a
    // running slide goes on at the new period. Returns 1.
    int SetAnimationInterval(int ms);

protected:
    static LRESULT CALLBACK BitmapButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void OnDraw(WPARAM wParam, LPARAM lParam, HDC hdc);
    void OnDrawItem(HDC hdc, RECT rect, int index);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnTimer(UINT id);

    void ReleaseWindow();
    void ReleaseFileImage();
    void ForgetWindow();
    void RequestBackground(HDC dc);
    void DrawDefaultFrame(HDC dc, const RECT& box);
    void DrawOwnerFrame(HDC dc, const RECT& box);
    void DrawItems(HDC dc, const RECT& box);
    int MiddleWidth();
    int PreviousIndex(int index) const;
    int NextIndex(int index) const;
    void Step(int direction);
    void NotifyClick();
    bool OwnsKey(WPARAM key) const;
    void OnKeyDown(WPARAM key, LPARAM lParam);
    LRESULT DialogCode(const MSG* msg) const;
    void StartSlide(UINT timer, int offset);
    void SlideFrame(UINT id);
    void KillSlideTimers();

    HWND hWnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    void* ownerDrawImage = nullptr;  // the host's HBITMAP (kind 0) or a CNavImage the box owns
    int ownerDrawKind = 0;
    int pressedPass = -1;
    int slideOffset = 0;   // as drawn
    int tickedOffset = 0;  // after the last tick of the slide's curve passed
    int slideTicks = 0;    // ticks of the curve passed
    DWORD slideStart = 0;  // GetTickCount() at the step
    UINT slideTimer = 0;   // the running slide's timer, 0 when none runs
    std::unique_ptr<kit::FocusCue> focusCue;  // with the window
};
