/// @file
/// The navigation menu: a touch menu that a host opens at a point of one of its windows and that
/// reports the chosen item to that window with WM_COMMAND (wParam = the item's 16-bit id, lParam =
/// the menu window). CRKNaviMenu is what the host uses; Create(1) gives it the pop-up look (closes
/// after a pick or when it loses the focus), Create(0) the sliding panel (stays open after picks,
/// closes through its close button).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "RKNavCtrlExApi.h"

/// AppendItem flag: enabled, as an item without MWF_DISABLED or MWF_GRAYED is anyway (they win over it).
constexpr UINT MWF_ENABLED = 0x01;
constexpr UINT MWF_DISABLED = 0x02;  ///< cannot be highlighted or chosen; drawn grey
constexpr UINT MWF_GRAYED = 0x04;    ///< drawn grey and disabled
constexpr UINT MWF_TEXT = 0x08;      ///< the text is drawn (it is measured for the layout in any case)
constexpr UINT MWF_BITMAP = 0x10;    ///< the bitmap argument is kept with the item (never drawn)
constexpr UINT MWF_HIDDEN = 0x20;    ///< not drawn; keeps its place and can still be chosen

/// Look of one item's text, passed by value.
typedef struct tagMW_FontStysle {
    COLORREF crColor;  ///< text colour (grey, 0x00C0C0C0, for disabled items)
    int nSize;         ///< font height in tenths of a point (150 = 15 pt); the text is bold
} MW_FONTSTYLE;

/// Where the sliding panel lies relative to its anchor point. Other values place it below the
/// anchor and show it at full height at every animation step.
enum MOVE_DIR : int {
    MOVE_DOWN = 0,  ///< below the anchor, growing downward from its top edge
    MOVE_UP = 1,    ///< above the anchor, growing upward from its bottom edge (the default)
};

/// A new bold-or-regular "System" font of nSize tenths of a point at the screen's resolution;
/// the caller deletes it.
/// @return the font, or null when it could not be made
RKNAVCTRLEX_API HFONT CreateMenuFont(int nSize, int bold);

/// A menu window behind the facade: the pop-up or the sliding panel that CRKNaviMenu::Create
/// makes. Each operation does what CRKNaviMenu's of the same name says. The slot order of these
/// operations is part of the interface. It has no state: copies copy nothing.
class RKNAVCTRLEX_API CRKMenuWnd {
public:
    /// An interface without state.
    CRKMenuWnd();
    /// Copies nothing.
    CRKMenuWnd(const CRKMenuWnd& other);
    /// Copies nothing.
    CRKMenuWnd& operator=(const CRKMenuWnd& other);
    /// Deleting through the interface ends the implementation.
    virtual ~CRKMenuWnd();

    /// As CRKNaviMenu::GetSafeHwnd.
    virtual HWND GetSafeHwnd() = 0;
    /// As CRKNaviMenu::TrackMenu.
    virtual int TrackMenu(HWND owner, LONG x, LONG y) = 0;
    /// Closes the window at once and forgets items and settings; the object stays usable.
    virtual void Destroy() = 0;
    /// As CRKNaviMenu::SetCloseBt.
    virtual int SetCloseBt(RECT rc, int enable) = 0;
    /// As CRKNaviMenu::SetBorder.
    virtual int SetBorder(int top, int bottom, int left, int right) = 0;
    /// As CRKNaviMenu::AppendItem.
    virtual int AppendItem(UINT flags, UINT id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap) = 0;
    /// As CRKNaviMenu::SetParam.
    virtual void SetParam(MOVE_DIR dir, int animate, HBITMAP background, HIMAGELIST images, int opaque) = 0;
    /// As CRKNaviMenu::OnPaintEx.
    virtual int OnPaintEx(HDC hdc) = 0;
    /// As CRKNaviMenu::CopyDCFromWnd.
    virtual int CopyDCFromWnd(HWND wnd) = 0;
    /// As CRKNaviMenu::CopyDCFrom.
    virtual int CopyDCFrom(HDC hdc, int redraw) = 0;
};

/// The host's menu object. Without an implementation (before Create, after Destroy) every
/// operation but SetAnimationInterval does nothing and returns 0 (NULL from GetSafeHwnd). A copy
/// holds its own implementation of the same look with the same items and settings, but no window.
///
/// A pick sends the owner WM_COMMAND with wParam = the item's 16-bit id (high word 0) and
/// lParam = the menu window; the receiver may destroy the menu. A menu that closes (the pop-up
/// after a pick, on Escape or when it loses the focus; the panel once its closing slide ends)
/// forgets its items, image list and background: fill it again before the next TrackMenu. The
/// bitmaps and image lists it is given stay the host's.
class RKNAVCTRLEX_API CRKNaviMenu {
public:
    /// A menu without an implementation.
    CRKNaviMenu();
    /// Clones the other's implementation (items and settings, no window) and its animation period.
    CRKNaviMenu(const CRKNaviMenu& other);
    /// Destroys this menu, then copies as the copy constructor does.
    CRKNaviMenu& operator=(const CRKNaviMenu& other);
    /// Destroy.
    virtual ~CRKNaviMenu();

    /// Makes the implementation: 1 for the pop-up, 0 for the sliding panel; it takes the
    /// animation period set so far.
    /// @return 1; 0 for other types, while an implementation is held, or when out of memory
    int Create(unsigned int type);
    /// @return the menu window while the menu is open, else null
    HWND GetSafeHwnd();
    /// Opens the menu with the items appended so far, closing a window it has open first.
    /// Pop-up: its top-left at (x, y) in `owner`'s client coordinates, moved back into the
    /// owner's client area; a top-level window over a snapshot of the owner's pixels, framed,
    /// taking the focus. Sliding panel: a child of `owner` anchored at (x, y), its top-left
    /// (MOVE_DOWN) or bottom-left (MOVE_UP), sized by the background bitmap when one is set, else
    /// by its items and borders; it grows on its timer and takes the focus only when a key opened
    /// it. Opening clears the panel's close button: set it after TrackMenu.
    /// @return 1; 0 without an implementation, when `owner` is not a window, or when the window
    ///         could not be made (the items and settings are then dropped)
    int TrackMenu(HWND owner, LONG x, LONG y);
    /// Closes the window at once (no closing slide; the panel gives the focus back to the owner),
    /// releases what the menu made and ends the implementation; the host's bitmaps and image
    /// list stay untouched. The animation period stays.
    void Destroy();
    /// Sliding panel: a pen-down and pen-up inside `rc` (panel client coordinates) close it when
    /// `enable` is nonzero. The pop-up ignores it. @return 1 (0 without an implementation)
    int SetCloseBt(RECT rc, int enable);
    /// Sliding panel: grows the panel by the borders (px) and starts the items `left` and `top`
    /// further in; calls add up, and belong before the first item. The pop-up ignores it.
    /// @return 1 (0 without an implementation)
    int SetBorder(int top, int bottom, int left, int right);
    /// Appends an item below the others, as high as its text, with 5 px between items; the menu
    /// widens to the widest text (and icon).
    /// @param flags MWF_* flags
    /// @param id reported in WM_COMMAND; only its low 16 bits are kept
    /// @param text kept up to 50 units (null: empty; an empty text still takes a line's height)
    /// @param style the text's colour and size
    /// @param bitmap kept with the item under MWF_BITMAP, never drawn; the host's
    /// @return 1 (0 without an implementation)
    int AppendItem(unsigned int flags, unsigned int id, const WCHAR* text, tagMW_FontStysle style, HBITMAP bitmap);
    /// The menu's look; call before the items, since the icons' width is part of the layout.
    /// @param dir sliding panel: MOVE_DOWN or MOVE_UP (the panel's default); the pop-up always opens downward
    /// @param animate sliding panel: nonzero grows it past its height and settles back over
    ///        100 ms ticks; 0 shows it whole at the first tick. The pop-up opens at once.
    /// @param background sliding panel: the host's bitmap painted behind the items (stretched when
    ///        the panel is taller) and giving the panel its size; null: the library's dark skin
    /// @param images the host's image list: item i shows icon 2i, or 2i + 1 while hot
    /// @param opaque sliding panel: 0 shows the owner's pixels under the panel, framed, in place of
    ///        the background (the default is 1)
    void SetParam(MOVE_DIR dir, int animate, HBITMAP background, HIMAGELIST images, int opaque);
    /// Paints the open menu into `hdc`, a DC of its owner, at the menu's place there (for hosts
    /// that compose off screen).
    /// @return 1, or 0 for a null `hdc`, no implementation or no open window
    int OnPaintEx(HDC hdc);
    /// While the menu is open: takes a new snapshot of `wnd`'s pixels under the menu (in `wnd`'s
    /// client coordinates) as its framed background, for after the owner's picture changed.
    /// @return 1; 0 when no menu is open, `wnd` is not a window or the snapshot failed
    int CopyDCFromWnd(HWND wnd);
    /// As CopyDCFromWnd, from `hdc` (in the owner's client coordinates) instead of a window.
    /// @param redraw nonzero: repaints the menu window at once
    /// @return 1; 0 when no menu is open, `hdc` is not a DC or the snapshot failed
    int CopyDCFrom(HDC hdc, int redraw);
    /// The period of the sliding panel's frames: 0 (the default) for its 100 ms ticks, or 8 to 50 ms
    /// for frames on the same curves, placed by the time elapsed. Kept for menus created later and
    /// through Destroy; a running movement goes on at the new period.
    /// @return 1, with or without an implementation; 0 for other values (nothing changes)
    int SetAnimationInterval(int ms);

protected:
    CRKMenuWnd* impl = nullptr;  ///< the pop-up or panel made by Create; null without one
    int animationInterval = 0;   ///< ms, handed to each implementation Create makes
};
