/// @file
/// NavListViewEx: a kinetic list of equal-height rows for pen-operated screens. Rows carry up to
/// three texts, a check box, an icon or host-drawn cell and a right arrow; the list is dragged,
/// glides after a flick, springs back at both ends and reports taps to its owner.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "NavHandles.h"
#include "RKNavCtrlExApi.h"

class CNavImage;
/// @cond INTERNAL
namespace kit {
class FocusCue;
}  // namespace kit
namespace listview {
class ListScroller;
struct ListMetrics;
struct ScrollStep;
}  // namespace listview
/// @endcond

/// Sent to the owner (and then the respond window) when a page-scroll button is tapped, and by
/// PageUp / PageDown (buttons 0 / 1, when enabled) while the page bar is shown:
/// wParam = MAKEWPARAM(control id, button 0 left / 1 right / 2 middle), lParam = list window.
/// The list does not scroll for it: paging is the host's.
constexpr UINT WM_NAVLV_PAGESCROLL = 0x060A;
/// Sent to the owner (and then the respond window) when a row is tapped or double-tapped or a key
/// moves the selection: wParam = control id, lParam = tagNAVLVITME*, valid during the call only:
/// the row with its position (`index`), its rectangle in the list's client coordinates (`rect`)
/// and `notifyCode` (NAVLV_NOTIFY_*). For a tap its `state` is that of the last paint, before this
/// tap's selection and check-mark change. The receiver may destroy the list.
constexpr UINT WM_NAVLV_ITEMNOTIFY = 0x0BD2;
/// Sent to the owner at each paint of a list with SetBkColor(color, 1), to paint what lies beneath
/// the list: wParam = memory DC whose origin is the list's top-left corner, lParam = RECT* of the
/// list in the owner's client coordinates. What the owner leaves unpainted is undefined.
constexpr UINT WM_NAVLV_PAINTBK = 0x0BD1;

/// An ordinary list: its background solid or the owner's (SetBkColor); the last argument of Create.
constexpr int NAVLV_MODE_LIST = -1;
/// The drop-down list of a combo box: framed, over a snapshot of what lies beneath it
/// (CopyDCFromWnd), hidden when it loses the focus.
constexpr int NAVLV_MODE_DROPDOWN = 100;

/// notifyCode of a tap: pen-down and pen-up on the same row (Enter on the selected row sends it too).
constexpr int NAVLV_NOTIFY_TAP = -2;
/// notifyCode of a WM_LBUTTONDBLCLK on a row. The list's window class has no CS_DBLCLKS, so only a
/// host that sends that message itself gets this code.
constexpr int NAVLV_NOTIFY_DBLTAP = -3;
/// notifyCode when a key (arrows, page keys, Home, End) moved the selection to this row.
constexpr int NAVLV_NOTIFY_KEYSELECT = -4;

/// Item state: set on every new item; nothing depends on it.
constexpr DWORD NAVLV_STATE_NEW = 0x1;
/// Item state: the row's check mark.
constexpr DWORD NAVLV_STATE_CHECKED = 0x2;
/// Item state: set on the selected item, cleared on the one the selection leaves.
constexpr DWORD NAVLV_STATE_SELECTED = 0x4;

/// UTF-16 units of each of a row's text fields.
constexpr int NAVLV_TEXT_LEN = 100;

/// One row. Each text keeps at most NAVLV_TEXT_LEN units; a full field has no terminator, so
/// readers stop after NAVLV_TEXT_LEN units.
typedef struct tagNAVLVITME {
    HWND hWnd;             ///< the list's window when the item was added (null before Create)
    int notifyCode;        ///< in a WM_NAVLV_ITEMNOTIFY record: NAVLV_NOTIFY_TAP, _DBLTAP or _KEYSELECT
    WCHAR text1[NAVLV_TEXT_LEN];  ///< first text: left, vertically centred; a line feed splits it in two lines when text3 is empty
    WCHAR text2[NAVLV_TEXT_LEN];  ///< second text: 5 px right of text1, in text1's band
    WCHAR text3[NAVLV_TEXT_LEN];  ///< third text: the row's lower half (text1 then takes the upper half)
    DWORD state;           ///< NAVLV_STATE_* flags
    int index;             ///< in rows handed to the host (notification, draw callback): the item's position
    int image;             ///< image-list index, or -1 for none (the draw callback's cell instead)
    int height;            ///< the row height when the item was added; rows are drawn at the list's height
    int reserved;          ///< unused, 0
    RECT rect;             ///< in rows handed to the host: the row in the list's client coordinates
    COLORREF textColor[3]; ///< colours of text1, text2, text3
} NAVLVITEM;

/// Draws a row's cell when the row has no image-list picture: `rect` is the cell (after the check
/// box, as wide as the size given to SetImageList, down to the row's bottom), `item` a copy of the
/// row (its `index` and `rect` set). On the selected row the DC holds a brush of the selection colour.
typedef void (*NAVLV_DRAWCALLBACK)(HDC dc, RECT* rect, tagNAVLVITME* item);

/// How a list shows its rows, with the defaults a new list has; Destroy restores them.
struct NavListSettings {
    BOOL solidBk = 1;              ///< 1: fill with bkColor; 0: the owner paints (WM_NAVLV_PAINTBK)
    COLORREF bkColor = 0;          ///< background of a solid list
    BOOL scrollBarEnabled = 1;     ///< the scroll indicator may show (EnableHScrollBar)
    NAVLV_DRAWCALLBACK pfnDrawCallback = nullptr;  ///< host-drawn cells (SetImageList)
    HIMAGELIST hImageList = nullptr;  ///< the host's; never destroyed by the list
    SIZE imageSize = {0, 0};       ///< px of the image or host-drawn cell
    HFONT hFonts[3] = {nullptr, nullptr, nullptr};  ///< the host's fonts of text1..text3; null: the DC's
    COLORREF textColor = 0;        ///< colour new items take for their texts (SetColor)
    COLORREF selBkColor = 0x00FF0000;  ///< middle of the selected row's white-to-colour gradient
    int itemHeight = 60;           ///< px per row
    BOOL checkBoxMode = 0;         ///< rows show a check box that a tap toggles
    BOOL selectHScroll = 1;        ///< stored for hosts that set it; nothing depends on it
    BOOL itemBorder = 1;           ///< 1: a separator line between rows
};

/// Where a list lives and its page-scroll bar: what a list keeps across Destroy.
struct NavListPlacement {
    /// One of the page bar's three buttons.
    struct PageScrollButton {
        WORD id;    ///< 0 left, 1 right, 2 middle
        int state;  ///< 0 normal, 1 pressed, 2 disabled
        RECT rc;    ///< in the list's client coordinates, from the last paint of the bar
    };

    HWND hParent = nullptr;            ///< the owner: notifications and WM_NAVLV_PAINTBK go here
    HINSTANCE hInstance = nullptr;     ///< given to Create
    int listMode = NAVLV_MODE_LIST;    ///< NAVLV_MODE_LIST or NAVLV_MODE_DROPDOWN
    RECT wndRect = {0, 0, 0, 0};       ///< the window in its parent's client coordinates
    HWND hRespond = nullptr;           ///< second receiver of the notifications (SetRespondHwnd)
    BOOL pageScrollEnabled = 0;        ///< the page bar (44 px) is shown below the rows
    BOOL pageBarRedraw = 1;            ///< 0: the next paint keeps the bar on screen as it is
    PageScrollButton pageButtons[3] = {{0, 0, {0, 0, 0, 0}}, {1, 0, {0, 0, 0, 0}}, {2, 0, {0, 0, 0, 0}}};  ///< left, right, middle
    BOOL rightArrow = 0;               ///< 1: an arrow at each row's right edge
    int pageSize = 0;                  ///< rows drawn by the last paint, a cut-off one included
};

/// A list's items, selection, the rows' position and what the last paint recorded; Destroy restores
/// the defaults.
struct NavListState {
    std::vector<tagNAVLVITME> items;  ///< the rows, in order
    int curSel = -1;                  ///< selected position, -1 for none
    int pressedItem = -1;             ///< the row under the pen since pen-down, -1 for none
    std::vector<tagNAVLVITME> visibleRows;  ///< copies of the rows the last paint drew, with index and rect
    int topIndex = 0;                 ///< position of the top row drawn
    int lastIndex = 0;                ///< position of the last row drawn
    int firstRowBottom = 60;          ///< px, the top row's bottom edge (0 reads as itemHeight)
    int bottomGap = 0;                ///< px between the last row drawn and the rows area's bottom
    BOOL scrollBarVisible = 0;        ///< the indicator shows: while the rows are dragged or move by themselves
    RECT listRect = {0, 0, 0, 0};     ///< the rows area in client coordinates
    RECT pageBarRect = {0, 0, 0, 0};  ///< the page bar's strip along the client area's bottom
    BOOL snapshotFresh = 1;           ///< a drop-down list's snapshot has yet to take the frame
    POINT penPoint = {0, 0};          ///< the pen's last point, client coordinates
    POINT penDownPoint = {0, 0};      ///< where the pen went down
    BOOL penDown = 0;                 ///< the pen is on the list
};

/// The kinetic list. Results are 1 for success and 0 (or -1 where said) for refusal; setters change
/// nothing on screen unless they say they repaint (Refresh does). A copy carries the settings,
/// placement and state but neither the window nor any GDI object.
class RKNAVCTRLEX_API NavListViewEx : protected NavListSettings, protected NavListPlacement, protected NavListState {
public:
    /// An uncreated list with the defaults of NavListSettings.
    NavListViewEx();
    /// Starts uncreated (no window, no snapshot, the pen up) with the other's items and settings;
    /// the host's fonts and image list are shared, not copied.
    NavListViewEx(const NavListViewEx& other);
    /// Destroys this list's window and releases what it made, then copies as the copy constructor does.
    NavListViewEx& operator=(const NavListViewEx& other);
    /// Destroys the window and releases what the list made; the host's objects stay untouched.
    ~NavListViewEx();

    /// Makes the list's window (class "NAV_LIST_VIEW_WND", registered on first use) and loads its
    /// pictures; in NAVLV_MODE_DROPDOWN it first takes the snapshot of `hParent` under `rect`.
    /// Items added before Create are kept. A list whose window exists keeps it where it is and
    /// only records the new parent, rectangle and mode.
    /// @param dwStyle window styles: WS_CHILD for a child (`id` its control id), WS_POPUP for a
    ///        pop-up (`id` set as its GWLP_ID)
    /// @param rect the window, in `hParent`'s client coordinates (screen coordinates for a pop-up)
    /// @param hParent the owner: it receives the notifications and WM_NAVLV_PAINTBK
    /// @param mode NAVLV_MODE_LIST or NAVLV_MODE_DROPDOWN
    /// @return 1 when the list has a window, 0 when it could not be made
    int Create(HINSTANCE hInstance, DWORD dwStyle, RECT rect, HWND hParent, UINT id, int mode);
    /// Destroys the window, releases what the list made, forgets the items, the host's fonts, image
    /// list and callback (without destroying them) and returns settings and state to a new list's
    /// defaults; the placement (parent, rectangle, mode, page bar, right arrow, respond window) stays,
    /// so Create can be called again.
    void Destroy();

    /// Shows (nonzero) or hides the 44 px page-scroll bar along the bottom; the rows area shrinks by
    /// it. Takes effect at the next paint. @return 1
    int EnablePageScroll(int enable);
    /// Enables (nonzero) or disables the page bar's buttons: left, right, middle. A disabled button
    /// is drawn so and ignores the pen and the page keys; all are enabled by default.
    /// Takes effect at the next paint. @return 1
    int SetPageScroll(int enable0, int enable1, int enable2);
    /// Sets what draws each row's picture cell, left of the texts.
    /// @param himl image list drawn from at each item's `image` (-1: none); the cell takes its
    ///        icon size and `size` is ignored. The list stays the host's, and a callback set
    ///        earlier still draws the rows whose `image` is -1.
    /// @param size with `himl` null: the cell's size in px (null keeps the previous size)
    /// @param callback with `himl` null: draws each row's cell (NAVLV_DRAWCALLBACK)
    /// @return 1; 0 when `himl` has no readable icon size (the list is kept all the same) or when
    ///         both `himl` and `callback` are null
    int SetImageList(HIMAGELIST himl, SIZE* size, NAVLV_DRAWCALLBACK callback);
    /// Fonts of text1, text2 and text3 (null: the DC's font). They stay the host's and must live
    /// while the list paints; Destroy forgets them.
    void SetFont(HFONT f1, HFONT f2, HFONT f3);
    /// The background of an ordinary list: `fromParent` 0 fills it with `color` (black by default);
    /// otherwise each paint sends WM_NAVLV_PAINTBK to the owner. A drop-down list shows its snapshot.
    void SetBkColor(COLORREF color, int fromParent);
    /// Row height in px (60 by default) for all rows; puts the top row back whole. Below 1: ignored.
    void SetItemHeigh(int height);
    /// 1 (the default): a 1 px separator line between rows; any other value: none.
    void SetItemBorder(int on);
    /// 1: an arrow picture at each row's right edge (its highlighted form on the selected row);
    /// any other value (0 is the default): none.
    void SetRightArrow(int on);
    /// @return row height in px
    int GetItemHeigh();
    /// @return the list's window, or null before Create and after Destroy
    HWND GetSafeHand();
    /// @return the selected position, or -1 for none
    int GetCurrentSel();
    /// @return nonzero when the window exists and is visible
    int IsWindowVisible();
    /// Stored only; nothing depends on it.
    void EnableSelectHScroll(int on);
    /// Allows (nonzero, the default) or forbids the scroll indicator: an 8 px thumb at the rows'
    /// right edge, shown while the rows move when they do not all fit.
    void EnableHScrollBar(int on);
    /// A second window that receives WM_NAVLV_ITEMNOTIFY and WM_NAVLV_PAGESCROLL after the owner.
    /// @return 1; 0 when `h` is not a window (the previous one stays)
    int SetRespondHwnd(HWND h);
    /// Invalidates the whole window (without erasing), so that it repaints at its next WM_PAINT.
    void Refresh();
    /// The period of the glide's and spring-backs' timer: 0 (the default) steps them every 50 ms;
    /// 8 to 50 ms moves the rows along the same curve at that rate, by the time actually passed.
    /// @return 1, or 0 for any other value (nothing changes). A running movement takes it at once.
    int SetAnimationInterval(int ms);

    /// Appends a row: text1 `text` (null: empty; cut at NAVLV_TEXT_LEN units), picture `image`
    /// (-1: none), state NAVLV_STATE_NEW, texts in the list's text colour.
    /// @param redraw nonzero: Refresh
    /// @return 1
    int AddItem(const WCHAR* text, int image, int redraw);
    /// Inserts a row before position `index`, as AddItem makes it; an `index` outside the items
    /// appends. A selection at or after `index` moves with its item.
    /// @return 1
    int InsertItem(const WCHAR* text, int index, int image, int redraw);
    /// Replaces a row's texts (each cut at NAVLV_TEXT_LEN units); a null text stays as it was.
    /// Does not repaint.
    /// @return 1, or 0 for a bad position
    int SetItemText(int index, const WCHAR* text1, const WCHAR* text2, const WCHAR* text3);
    /// @return the units of the row's text1 without terminator (at most NAVLV_TEXT_LEN), or -1 for
    ///         a bad position
    int GetItemTextLen(int index);
    /// Copies the row's text1: a text longer than `len` units gives exactly its first `len` units
    /// and no terminator; otherwise the whole text and its terminator. `buffer` holds `len` + 1 units.
    /// @return 1, or -1 for a bad position, a null `buffer` or a negative `len`
    int GetItemText(int index, WCHAR* buffer, int len);
    /// @return the number of rows
    int GetItemCount();
    /// Removes a row and repaints. The selection keeps its item; when that is the deleted one it
    /// passes to the row now in its place (or the new last row), which takes the selected mark.
    /// Rows past the end spring back.
    /// @return 1, or 0 for a bad position
    int DeleteItem(int index);
    /// Removes every row, clears the selection, scrolls to the top and repaints. @return 1
    int DeleteAllItems();
    /// @return 1 when the row is checked, 0 when it is not or the position is bad
    int GetCheckStatus(int index);
    /// Sets (nonzero) or clears a row's check mark and repaints; a bad position changes nothing.
    void SetCheckStatus(int index, int check);
    /// Checks every row and repaints.
    void SetCheckAll();
    /// Clears every row's check mark and repaints.
    void SetCheckOff();
    /// Check-box mode on (nonzero) or off (the default): a box at each row's left, toggled by a tap
    /// on the row or by Space on the selected row. Clears every check mark and repaints.
    void SetCheckBox(int on);
    /// Colours of one row's three texts; a bad position changes nothing. Does not repaint.
    void SetItemTextColor(int index, COLORREF color1, COLORREF color2, COLORREF color3);
    /// The text colour of every row, present and future (black by default), and the selected row's
    /// colour (0x00FF0000, blue, by default). Does not repaint.
    void SetColor(COLORREF text, COLORREF selBk);
    /// Selects a row (a negative `index`: none) and repaints; sends no notification and does not
    /// scroll.
    /// @return 1, or 0 when `index` is not below GetItemCount (nothing changes)
    int SetCurrentSel(int index);

    /// Drop-down mode only: takes a new snapshot of `hwnd`'s pixels under the list's rectangle,
    /// which the list paints as its background and frames at its next paint.
    /// @return 1, or 0 for an ordinary list
    int CopyDCFromWnd(HWND hwnd);
    /// Paints the list into `dc`, a DC of its parent, at the list's place there (for hosts that
    /// compose off screen); the page bar is always drawn. The window itself is not painted.
    /// @return 1, or 0 for a null `dc`, no window, or a list larger than any bitmap
    int OnPaintEx(HDC dc);

protected:
    /// The list window's procedure; the NavListViewEx comes with WM_CREATE.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    /// Handles one message of the list's window: pen, keys, timers, paint, focus, placement.
    LRESULT OnWndMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    /// Destroys the window and releases what the list made; forgets items, fonts, image list, callback.
    void ReleaseResource();
    /// Releases the drop-down snapshot.
    void ReleaseSnapshot();
    /// @return the rows the last paint drew
    int GetPageSize();
    /// Shows or hides the scroll indicator from the next paint.
    void SetScrollBarVisible(int on);
    /// Kept for hosts built against the list's interface; does nothing.
    void BitBltToScreen();
    /// Kept for hosts built against the list's interface; does nothing.
    void DrawBufferDC();

    /// At WM_CREATE: the drop-down snapshot, the layout, the pictures and the separator pen.
    void InitialResource();
    /// Places the rows area (inset in drop-down mode, above the page bar) and the bar's strip.
    /// @return the client area
    RECT LayOutAreas();
    /// Composes background, rows, indicator, focus cue and page bar off screen, then copies them to `dc`.
    void OnPaint(HDC dc, RECT* update);
    /// Draws the page bar's three buttons in their states and records their rectangles.
    void DrawPageSrcoll(HDC dc, RECT bar);
    /// Draws one row: highlight, check box, picture cell, texts, arrow.
    void DrawItem(HDC dc, RECT row, tagNAVLVITME item);
    /// The solid colour, the owner's WM_NAVLV_PAINTBK, or the drop-down snapshot and its frame.
    void PaintBackground(HDC dc, const RECT& client);
    /// Draws the rows that show and records them in visibleRows.
    void PaintRows(HDC dc);
    /// Draws the item at `position` as the row whose bottom edge is `bottom`.
    void PaintRow(HDC dc, int position, int bottom);
    /// A separator line across the rows area at `y`.
    void DrawSeparator(HDC dc, int y);
    /// The scroll indicator's thumb, when shown and allowed and the rows do not all fit.
    void PaintIndicator(HDC dc);
    /// The selected row's gradient.
    void DrawHighlight(HDC dc, const RECT& row);
    /// The check box in check-box mode. @return the x where the picture cell starts
    int DrawCheckBox(HDC dc, const RECT& row, const tagNAVLVITME& item);
    /// The image-list picture or the host's callback cell from x `cursor`. @return the cell
    RECT DrawImageCell(HDC dc, const RECT& row, int cursor, tagNAVLVITME& item);
    /// Text `which` (0..2) in its font and `color` into `band`, single line, vertically centred.
    void DrawItemText(HDC dc, int which, const WCHAR* text, int length, RECT band, COLORREF color);
    /// The right arrow, when SetRightArrow(1).
    void DrawArrow(HDC dc, const RECT& row, bool selected);
    /// Sends `message` to the owner, then to the respond window.
    void Notify(UINT message, WPARAM wParam, LPARAM lParam);
    /// Selects a painted row (toggling its check mark in check-box mode), repaints and sends
    /// WM_NAVLV_ITEMNOTIFY with `code`.
    void SelectRow(const tagNAVLVITME& row, int code);
    /// Presses the first enabled page button under the point. @return 1 when one was hit
    int PressPageButton(int x, int y);
    /// Stops the glide and the spring-backs.
    void KillMovementTimers();

    /// Pen-down: stops any movement, presses a page button or the row under the pen.
    void OnLButtonDown(int x, int y);
    /// Pen drag: moves the rows (not when the drag started on the page bar).
    void OnMouseMove(int x, int y);
    /// Pen-up: starts a glide or spring-back; a page button or a tap notifies the owner.
    void OnLButtonUp(int x, int y);
    /// WM_LBUTTONDBLCLK: selects the row with NAVLV_NOTIFY_DBLTAP.
    void OnLButtonDBClick(int x, int y);
    /// A glide or spring-back timer tick.
    void OnTimer(UINT id);
    /// Moves the rows by `delta` px (down when positive); `flag` is unused.
    void OnScrollList(int delta, int flag);
    /// Kept for hosts built against the list's interface; the library never calls it. Invalidates
    /// the painted row `row` when it has a text.
    void OnHScrollItem(int row);
    /// Keys: the selection moved by rows, pages or to an end, Enter as a tap on the selected row,
    /// Space for its check mark.
    void OnKeyDown(UINT vk);
    /// WM_GETDLGCODE: the arrows and characters, and Enter's key-down as a message of the list's.
    LRESULT OnGetDlgCode(const MSG* msg);
    /// Selects `index` (clamped to the rows), scrolls it into view and sends NAVLV_NOTIFY_KEYSELECT
    /// when the selection changed.
    void KeySelect(int index);
    /// PageUp (-1) / PageDown (1): the page button's WM_NAVLV_PAGESCROLL, then a page of rows.
    void KeyPage(int direction);
    /// Enter: the selected row as a tap.
    void KeyTap();
    /// Space in check-box mode: toggles the selected row's mark.
    void KeyToggleCheck();
    /// Before a key moves the selection: ends a glide or spring-back where it is and settles the
    /// rows in their resting range.
    void StopForKey();
    /// Scrolls the least that shows row `index` whole (its top, in an area shorter than a row).
    void ScrollIntoView(int index);
    /// @return the item at `index` with its position and its row rectangle as the rows lie now
    tagNAVLVITME RowRecord(int index);
    /// @return time in ms of the last pen move that scrolled
    DWORD lastMoveTick() const;
    /// @return the point of the last pen move that scrolled
    POINT lastMovePoint() const;
    /// @return that move's step in px; while gliding, the speed per tick
    int lastMoveDelta() const;
    /// @return the rows' position and size as the scroller reads them
    listview::ListMetrics ScrollMetrics() const;
    /// Carries out a scroller step: position, indicator, timers, repaint.
    void Follow(const listview::ScrollStep& step);

    HWND hWnd = nullptr;  ///< the list's window, null when none
    navctrl::OwnedPicture pPageBarImage;  ///< the page bar's picture (made and released by the list)
    navctrl::OwnedGdi<HPEN> hBorderPen;   ///< the separator pen
    HDC hSnapshotDC = nullptr;            ///< drop-down snapshot: its memory DC
    HBITMAP hSnapshotBmp = nullptr;       ///< drop-down snapshot: its bitmap
    HGDIOBJ hSnapshotOldBmp = nullptr;    ///< the bitmap the snapshot's DC held before
    navctrl::OwnedGdi<HBITMAP> hCheckedBmp;    ///< the checked box
    navctrl::OwnedGdi<HBITMAP> hUncheckedBmp;  ///< the empty box
    navctrl::OwnedImageList hArrowImages;      ///< the right arrow, plain and highlighted
    /// Drag, glide and spring-back; on the heap, so that it can grow without changing what hosts
    /// compile against.
    std::unique_ptr<listview::ListScroller> scroller;
    /// Shown once a key reached the list, gone at the next pen-down (on the heap for the same reason).
    std::unique_ptr<kit::FocusCue> focusCue;
};
