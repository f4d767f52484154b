// The navigation menu: a touch menu that a host opens at a point of one of its windows and that
// reports the chosen item to that window with WM_COMMAND (wParam = the item's 16-bit id, lParam =
// the menu window). CRKNaviMenu is what the host uses; Create(1) gives it the pop-up look (closes
// after a pick or when it loses the focus), Create(0) the sliding panel (stays open after picks,
// closes through its close button).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "RKNavCtrlExApi.h"

// AppendItem flags. MWF_DISABLED and MWF_GRAYED win over MWF_ENABLED.
constexpr UINT MWF_ENABLED = 0x01;
constexpr UINT MWF_DISABLED = 0x02;  // cannot be highlighted or chosen; drawn grey
constexpr UINT MWF_GRAYED = 0x04;    // drawn grey and disabled
constexpr UINT MWF_TEXT = 0x08;      // the text is drawn (it is measured for the layout in any case)
constexpr UINT MWF_BITMAP = 0x10;    // the bitmap argument is kept with the item (never drawn)
constexpr UINT MWF_HIDDEN = 0x20;    // not drawn; keeps its place and can still be chosen

// Look of one item's text, passed by value.
typedef struct tagMW_FontStysle {
    COLORREF crColor;  // text colour
    int nSize;         // font height in tenths of a point (150 = 15 pt)
} MW_FONTSTYLE;

// Where the sliding panel lies relative to its anchor point. Other values place it below the
// anchor and show it at full height at every animation step.
enum MOVE_DIR : int {
    MOVE_DOWN = 0,  // below the anchor, growing downward from its top edge
    MOVE_UP = 1,    // above the anchor, growing upward from its bottom edge
};

// A new bold-or-regular "System" font of nSize tenths of a point at the screen's resolution;
// the caller deletes it.
RKNAVCTRLEX_API HFONT CreateMenuFont(int nSize, int bold);

// A menu window behind the facade. The slot order of these operations is part of the interface.
class RKNAVCTRLEX_API CRKMenuWnd {
public:
    CRKMenuWnd();
    CRKMenuWnd(const CRKMenuWnd& other);
    CRKMenuWnd& operator=(const CRKMenuWnd& other);
    virtual ~CRKMenuWnd();

    virtual HWND GetSafeHwnd() = 0;
    virtual int TrackMenu(HWND owner, LONG x, LONG y) = 0;
    virtual void Destroy() = 0;
    virtual int SetCloseBt(RECT rc, int enable) = 0;
    virtual int SetBorder(int top, int bottom, int left, int right) = 0;
    virtual int AppendItem(UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap) = 0;
    virtual void SetParam(MOVE_DIR dir, int animate, HBITMAP background, HIMAGELIST images, int opaque) = 0;
    virtual int OnPaintEx(HDC hdc) = 0;
    virtual int CopyDCFromWnd(HWND wnd) = 0;
    virtual int CopyDCFrom(HDC hdc, int redraw) = 0;
};

// The host's menu object. Without an implementation (before Create, after Destroy) every
// operation but SetAnimationInterval does nothing and returns 0 (NULL from GetSafeHwnd). A copy
// holds its own implementation of the same look with the same items and settings, but no window.
class RKNAVCTRLEX_API CRKNaviMenu {
public:
    CRKNaviMenu();
    CRKNaviMenu(const CRKNaviMenu& other);
    CRKNaviMenu& operator=(const CRKNaviMenu& other);
    virtual ~CRKNaviMenu();

    // 1: pop-up, 0: sliding panel. Fails for other types and while an implementation is held.
    int Create(unsigned int type);
    HWND GetSafeHwnd();
    int TrackMenu(HWND owner, LONG x, LONG y);
    void Destroy();
    int SetCloseBt(RECT rc, int enable);
    int SetBorder(int top, int bottom, int left, int right);
    int AppendItem(unsigned int flags, unsigned int id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap);
    void SetParam(MOVE_DIR dir, int animate, HBITMAP background, HIMAGELIST images, int opaque);
    int OnPaintEx(HDC hdc);
    int CopyDCFromWnd(HWND wnd);
    int CopyDCFrom(HDC hdc, int redraw);
    // The period of the sliding panel's frames: 0 (the default) for its 100 ms ticks, or 8 to 50 ms
    // for frames on the same curves, placed by the time elapsed. Other values return 0 and change
    // nothing. Kept for menus created later and through Destroy; a running movement goes on at the
    // new period. Returns 1, with or without an implementation.
    int SetAnimationInterval(int ms);

protected:
    CRKMenuWnd* impl = nullptr;
    int animationInterval = 0;  // ms
};
