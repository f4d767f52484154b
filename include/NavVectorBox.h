/// @file
/// CNavVectorBox: a one-line selector for pen-operated screens. It shows one item (a text, a
/// bitmap or both) between two arrow buttons, steps to the previous or next item with wrap-around,
/// slides the change across its middle field and reports each step to its owner with WM_COMMAND.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "NavCtrlMessages.h"
#include "RKNavCtrlExApi.h"

/// @cond INTERNAL
namespace kit {
class FocusCue;
}
/// @endcond

/// The orientation of a vector box, the last argument of Create.
enum VBoxType {
    VBOX_HORZ = 0,  ///< arrows left and right, framed by the library's pictures
    VBOX_VERT = 1,  ///< arrows top and bottom, no frame of its own
};

/// UTF-16 units of an item's text field.
constexpr int NAVVB_TEXT_LEN = 100;

/// One item. A full text field has no terminator: readers stop after NAVVB_TEXT_LEN units.
/// The bitmap stays the caller's.
typedef struct tagNAVVBITEM {
    WCHAR szText[NAVVB_TEXT_LEN];  ///< centred in the middle field, over the bitmap
    HBITMAP hBitmap;               ///< copied unscaled to the middle field's top-left; null: none
} NAVVBITEM;

/// The settings and items a host gives a vector box, with their defaults; a copy carries them. The
/// owner, font and item bitmaps stay the host's, so copies may share them.
struct NavVectorBoxSettings {
    HWND hOwner = nullptr;          ///< receives WM_COMMAND and WM_NAVCTRL_PAINTBK; the `parent` given to Create
    VBoxType boxType = VBOX_HORZ;   ///< orientation, from Create
    int passWidth = 58;             ///< px of each arrow: its width (horizontal) or height (vertical)
    HFONT font = nullptr;           ///< the host's; the items' texts (null: the DC's)
    COLORREF textColor = 0;         ///< the items' text colour
    std::vector<tagNAVVBITEM> items;  ///< in order of InsertItem
    int curSel = 0;                 ///< the shown item (0 also while there are none)
    RECT passRect[2] = {{0, 0, 0, 0}, {0, 0, 0, 0}};  ///< the first (left or top) and second arrow, client coordinates
    int animationInterval = 0;      ///< ms between the slide's frames; 0: its own 50 ms ticks
};

/// The vector box. Each step (a pen-up on the arrow the pen went down on, or the arrow key of the
/// box's direction) changes the selection at once, starts the slide and then sends the owner
/// WM_COMMAND with wParam = MAKEWPARAM(control id, BN_CLICKED), lParam = the box's window; the
/// owner reads the new selection with GetCurSel. Enter and Space send the same message without a
/// step (once per press, not on repeats). Each paint sends WM_NAVCTRL_PAINTBK to the owner first.
/// The receiver may destroy the box.
class RKNAVCTRLEX_API CNavVectorBox : protected NavVectorBoxSettings {
public:
    /// An uncreated box with the defaults of NavVectorBoxSettings.
    CNavVectorBox();
    /// A copy carries the settings, the items and a caller's frame bitmap, but no window and no
    /// file image: it starts uncreated, so the two objects never release the same handle.
    CNavVectorBox(const CNavVectorBox& other);
    /// Destroys this box's window and file image, then copies as the copy constructor does.
    CNavVectorBox& operator=(const CNavVectorBox& other);
    /// Destroys the window and the file image; the host's bitmaps and font stay untouched.
    ~CNavVectorBox();

    /// Makes the box's window: an owner-drawn BUTTON child of `parent` (any other button type in
    /// `dwStyle` is replaced), subclassed by the box. A box that has its window returns 1 and
    /// changes nothing.
    /// @param text the button's window text; not shown
    /// @param rect the box, in `parent`'s client coordinates
    /// @param id the control id, in the WM_COMMAND it sends
    /// @return 1, or 0 when the window could not be made
    int Create(HINSTANCE hInstance, DWORD dwStyle, const WCHAR* text, const RECT& rect, HWND parent, UINT id,
               VBoxType type);
    /// Appends an item: `text` cut at NAVVB_TEXT_LEN units (null: none), `bitmap` the host's (null:
    /// none; it must not be selected into a DC while the box paints). Does not repaint.
    /// @return 1
    int InsertItem(const WCHAR* text, HBITMAP bitmap);
    /// Shows item `index` and repaints; sends no notification and does not slide.
    /// @return 1, or -1 for a bad position (nothing changes)
    int SetCurSel(int index);
    /// @return the shown item's position; 0 in a box without items
    int GetCurSel();
    /// The items' text colour (black by default), from the next paint.
    void SetTextColor(COLORREF color);
    /// The items' font (the host's; it must live while the box paints), from the next paint.
    void SetFont(HFONT font);
    /// ShowWindow with `nCmdShow`, then repaints; nothing before Create.
    void Show(int nCmdShow);
    /// Each arrow's width (horizontal) or height (vertical) in px, 58 by default, at the box's
    /// ends; the middle field is what remains. Outside 0 to 32767: ignored.
    void SetPassControlWidth(int width);
    /// Replaces the library's frame with the host's, drawn unscaled from the box's top-left; a
    /// pressed arrow is then shown inverted 2 px inside. A null `image` changes nothing.
    /// @param image kind 0: points to an HBITMAP the caller keeps (null: back to the default
    ///        frame); otherwise points to the path of an image file (PNG, BMP, JPEG; under 260
    ///        units, else ignored) that the box loads and owns until the next call or its end.
    ///        A file that does not decode leaves the frame empty.
    void SetOwnerDrawBmp(void** image, int kind);
    /// Paints the box into `hdc`, a DC of its parent, at the box's place there (for hosts that
    /// compose off screen); the owner gets WM_NAVCTRL_PAINTBK for its background first.
    /// @return 1 (also for a box of no size, which paints nothing), or 0 for a null `hdc`, before
    ///         Create, or a box larger than any bitmap
    int OnPaintEx(HDC hdc);
    /// The slide's frame period: 0 (the default) for its 50 ms ticks, or 8 to 50 ms for frames on
    /// the same curve, placed by the time elapsed. A running slide goes on at the new period.
    /// @return 1, or 0 for other values (nothing changes)
    int SetAnimationInterval(int ms);

protected:
    /// The subclass procedure of the box's BUTTON window: drawing, pen, slide timers, keys.
    static LRESULT CALLBACK BitmapButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    /// Composes background, frame, items and focus cue off screen and copies them: into `hdc`'s
    /// client area when given, else into the DRAWITEMSTRUCT* `lParam`'s DC and rectangle.
    void OnDraw(WPARAM wParam, LPARAM lParam, HDC hdc);
    /// Draws item `index` (its bitmap, then its centred text) into `rect`; a bad index or an empty
    /// rectangle draws nothing.
    void OnDrawItem(HDC hdc, RECT rect, int index);
    /// Pen-down: stops a slide and presses the arrow under the pen.
    void OnLButtonDown(int x, int y);
    /// Pen-up: a step when it is over the pressed arrow.
    void OnLButtonUp(int x, int y);
    /// A slide tick or frame.
    void OnTimer(UINT id);

    /// Unsubclasses and destroys the window.
    void ReleaseWindow();
    /// Unloads and frees a frame loaded from a file.
    void ReleaseFileImage();
    /// Lets the window go (also when the host destroys it): unsubclassed, forgotten, slide ended.
    void ForgetWindow();
    /// Sends WM_NAVCTRL_PAINTBK to the owner with `dc` and the box's place in its client coordinates.
    void RequestBackground(HDC dc);
    /// The library's frame, horizontal boxes only, and the pressed arrow's picture.
    void DrawDefaultFrame(HDC dc, const RECT& box);
    /// The host's frame and the pressed arrow inverted.
    void DrawOwnerFrame(HDC dc, const RECT& box);
    /// The shown item and, while a slide runs, the one it came from, in the middle field.
    void DrawItems(HDC dc, const RECT& box);
    /// @return px of the middle field along the box's direction
    int MiddleWidth();
    /// @return the position before `index`, wrapping to the last; 0 without items
    int PreviousIndex(int index) const;
    /// @return the position after `index`, wrapping to the first; 0 without items
    int NextIndex(int index) const;
    /// Steps the selection (-1 previous, 1 next), starts the slide and sends BN_CLICKED.
    void Step(int direction);
    /// Sends the owner WM_COMMAND with BN_CLICKED.
    void NotifyClick();
    /// @return whether the key is the box's: its direction's arrows, Enter, Space
    bool OwnsKey(WPARAM key) const;
    /// An arrow of the box's direction steps; Enter and Space click.
    void OnKeyDown(WPARAM key, LPARAM lParam);
    /// WM_GETDLGCODE: a button that wants its direction's arrows and Enter.
    LRESULT DialogCode(const MSG* msg) const;
    /// Starts slide timer `timer` with the items drawn `offset` px along.
    void StartSlide(UINT timer, int offset);
    /// A frame between the slide's ticks, placed by the time elapsed.
    void SlideFrame(UINT id);
    /// Stops the slide's timers.
    void KillSlideTimers();

    HWND hWnd = nullptr;           ///< the box's window, null when none
    WNDPROC oldWndProc = nullptr;  ///< the BUTTON class's procedure
    void* ownerDrawImage = nullptr;  ///< the host's HBITMAP (kind 0) or a CNavImage the box owns
    int ownerDrawKind = 0;         ///< 0: ownerDrawImage is the host's bitmap; otherwise a file image
    int pressedPass = -1;          ///< the arrow under the pen: 0, 1, or -1 for none
    int slideOffset = 0;           ///< px the items are drawn along, as drawn
    int tickedOffset = 0;          ///< after the last tick of the slide's curve passed
    int slideTicks = 0;            ///< ticks of the curve passed
    DWORD slideStart = 0;          ///< GetTickCount() at the step
    UINT slideTimer = 0;           ///< the running slide's timer, 0 when none runs
    std::unique_ptr<kit::FocusCue> focusCue;  ///< with the window
};
