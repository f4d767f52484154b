// NavListViewEx: a kinetic list of equal-height rows for pen-operated screens. Rows carry up to
// three texts, a check box, an icon or host-drawn cell and a right arrow; the list is dragged,
// glides after a flick, springs back at both ends and reports taps to its owner.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "NavHandles.h"
#include "RKNavCtrlExApi.h"

class CNavImage;
namespace kit {
class FocusCue;
}  // namespace kit
namespace listview {
class ListScroller;
struct ListMetrics;
struct ScrollStep;
}  // namespace listview

// Sent to the owner (and then the respond window) when a page-scroll button is tapped:
// wParam = MAKEWPARAM(control id, button 0 left / 1 right / 2 middle), lParam = list window.
constexpr UINT WM_NAVLV_PAGESCROLL = 0x060A;
// Sent when a row is tapped or double-tapped: wParam = control id, lParam = tagNAVLVITME*.
constexpr UINT WM_NAVLV_ITEMNOTIFY = 0x0BD2;
// Asks the owner to paint what lies beneath the list: wParam = memory DC whose origin is the
// list's top-left corner, lParam = RECT* of the list in the owner's client coordinates.
constexpr UINT WM_NAVLV_PAINTBK = 0x0BD1;

// The list's mode, the last argument of Create: an ordinary list, or the drop-down list of a
// combo box (framed, over a snapshot of what lies beneath it, hidden when it loses the focus).
constexpr int NAVLV_MODE_LIST = -1;
constexpr int NAVLV_MODE_DROPDOWN = 100;

constexpr int NAVLV_NOTIFY_TAP = -2;
constexpr int NAVLV_NOTIFY_DBLTAP = -3;
// A key (arrows, page keys, Home, End) moved the selection to this row.
constexpr int NAVLV_NOTIFY_KEYSELECT = -4;

constexpr DWORD NAVLV_STATE_NEW = 0x1;
constexpr DWORD NAVLV_STATE_CHECKED = 0x2;
constexpr DWORD NAVLV_STATE_SELECTED = 0x4;

constexpr int NAVLV_TEXT_LEN = 100;

// One row. Each text keeps at most NAVLV_TEXT_LEN units; a full field has no terminator, so
// readers stop after NAVLV_TEXT_LEN units.
typedef struct tagNAVLVITME {
    HWND hWnd;
    int notifyCode;
    WCHAR text1[NAVLV_TEXT_LEN];
    WCHAR text2[NAVLV_TEXT_LEN];
    WCHAR text3[NAVLV_TEXT_LEN];
    DWORD state;
    int index;
    int image;
    int height;
    int reserved;
    RECT rect;
    COLORREF textColor[3];
} NAVLVITEM;

typedef void (*NAVLV_DRAWCALLBACK)(HDC dc, RECT* rect, tagNAVLVITME* item);

// How a list shows its rows, with the defaults a new list has; Destroy restores them.
struct NavListSettings {
    BOOL solidBk = 1;
    COLORREF bkColor = 0;
    BOOL scrollBarEnabled = 1;
    NAVLV_DRAWCALLBACK pfnDrawCallback = nullptr;
    HIMAGELIST hImageList = nullptr;  // the host's
    SIZE imageSize = {0, 0};
    HFONT hFonts[3] = {nullptr, nullptr, nullptr};  // the host's
    COLORREF textColor = 0;
    COLORREF selBkColor = 0x00FF0000;
    int itemHeight = 60;
    BOOL checkBoxMode = 0;
    BOOL selectHScroll = 1;  // stored for hosts that set it; nothing depends on it
    BOOL itemBorder = 1;
};

// Where a list lives and its page-scroll bar: what a list keeps across Destroy.
struct NavListPlacement {
    struct PageScrollButton {
        WORD id;
        int state;  // 0 normal, 1 pressed, 2 disabled
        RECT rc;
    };

    HWND hParent = nullptr;
    HINSTANCE hInstance = nullptr;
    int listMode = NAVLV_MODE_LIST;
    RECT wndRect = {0, 0, 0, 0};
    HWND hRespond = nullptr;
    BOOL pageScrollEnabled = 0;
    BOOL pageBarRedraw = 1;
    PageScrollButton pageButtons[3] = {{0, 0, {0, 0, 0, 0}}, {1, 0, {0, 0, 0, 0}}, {2, 0, {0, 0, 0, 0}}};
    BOOL rightArrow = 0;
    int pageSize = 0;
};

// A list's items, selection, the rows' position and what the last paint recorded; Destroy restores
// the defaults.
struct NavListState {
    std::vector<tagNAVLVITME> items;
    int curSel = -1;
    int pressedItem = -1;
    std::vector<tagNAVLVITME> visibleRows;
    int topIndex = 0;
    int lastIndex = 0;
    int firstRowBottom = 60;
    int bottomGap = 0;
    BOOL scrollBarVisible = 0;
    RECT listRect = {0, 0, 0, 0};
    RECT pageBarRect = {0, 0, 0, 0};
    BOOL snapshotFresh = 1;
    POINT penPoint = {0, 0};
    POINT penDownPoint = {0, 0};
    BOOL penDown = 0;
};

// A copy carries the settings, placement and state but neither the window nor any GDI object.
class RKNAVCTRLEX_API NavListViewEx : protected NavListSettings, protected NavListPlacement, protected NavListState {
public:
    NavListViewEx();
    NavListViewEx(const NavListViewEx& other);
    NavListViewEx& operator=(const NavListViewEx& other);
    ~NavListViewEx();

    int Create(HINSTANCE hInstance, DWORD dwStyle, RECT rect, HWND hParent, UINT id, int mode);
    void Destroy();

    // Options
    int EnablePageScroll(int enable);
    int SetPageScroll(int enable0, int enable1, int enable2);
    int SetImageList(HIMAGELIST himl, SIZE* size, NAVLV_DRAWCALLBACK callback);
    void SetFont(HFONT f1, HFONT f2, HFONT f3);
    void SetBkColor(COLORREF color, int fromParent);
    void SetItemHeigh(int height);
    void SetItemBorder(int on);
    void SetRightArrow(int on);
    int GetItemHeigh();
    HWND GetSafeHand();
    int GetCurrentSel();
    int IsWindowVisible();
    void EnableSelectHScroll(int on);
    void EnableHScrollBar(int on);
    int SetRespondHwnd(HWND h);
    void Refresh();
    // The period of the glide's and spring-backs' timer: 0 (the default) steps them every 50 ms;
    // 8 to 50 ms moves the rows along the same curve at that rate, by the time actually passed.
    // Returns 1, or 0 for any other value (nothing changes). A running movement takes it at once.
    int SetAnimationInterval(int ms);

    // Items
    int AddItem(const WCHAR* text, int image, int redraw);
    int InsertItem(const WCHAR* text, int index, int image, int redraw);
    int SetItemText(int index, const WCHAR* text1, const WCHAR* text2, const WCHAR* text3);
    int GetItemTextLen(int index);
    int GetItemText(int index, WCHAR* buffer, int len);
    int GetItemCount();
    int DeleteItem(int index);
    int DeleteAllItems();
    int GetCheckStatus(int index);
    void SetCheckStatus(int index, int check);
    void SetCheckAll();
    void SetCheckOff();
    void SetCheckBox(int on);
    void SetItemTextColor(int index, COLORREF color1, COLORREF color2, COLORREF color3);
    void SetColor(COLORREF text, COLORREF selBk);
    int SetCurrentSel(int index);

    // Painting
    int CopyDCFromWnd(HWND hwnd);
    int OnPaintEx(HDC dc);

protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnWndMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void ReleaseResource();
    void ReleaseSnapshot();
    int GetPageSize();
    void SetScrollBarVisible(int on);
    // Kept for hosts built against the list's interface; they do nothing.
    void BitBltToScreen();
    void DrawBufferDC();

    void InitialResource();
    RECT LayOutAreas();
    void OnPaint(HDC dc, RECT* update);
    void DrawPageSrcoll(HDC dc, RECT bar);
    void DrawItem(HDC dc, RECT row, tagNAVLVITME item);
    void PaintBackground(HDC dc, const RECT& client);
    void PaintRows(HDC dc);
    void PaintRow(HDC dc, int position, int bottom);
    void DrawSeparator(HDC dc, int y);
    void PaintIndicator(HDC dc);
    void DrawHighlight(HDC dc, const RECT& row);
    int DrawCheckBox(HDC dc, const RECT& row, const tagNAVLVITME& item);
    RECT DrawImageCell(HDC dc, const RECT& row, int cursor, tagNAVLVITME& item);
    void DrawItemText(HDC dc, int which, const WCHAR* text, int length, RECT band, COLORREF color);
    void DrawArrow(HDC dc, const RECT& row, bool selected);
    void Notify(UINT message, WPARAM wParam, LPARAM lParam);
    void SelectRow(const tagNAVLVITME& row, int code);
    int PressPageButton(int x, int y);
    void KillMovementTimers();

    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnLButtonDBClick(int x, int y);
    void OnTimer(UINT id);
    void OnScrollList(int delta, int flag);
    // Kept for hosts built against the list's interface; the library never calls it.
    void OnHScrollItem(int row);
    // Keys (listview/Keys.cpp): the selection moved by rows, pages or to an end, Enter as a tap
    // on the selected row, Space for its check mark.
    void OnKeyDown(UINT vk);
    LRESULT OnGetDlgCode(const MSG* msg);
    void KeySelect(int index);
    void KeyPage(int direction);
    void KeyTap();
    void KeyToggleCheck();
    void StopForKey();
    void ScrollIntoView(int index);
    tagNAVLVITME RowRecord(int index);
    // The scroller's state, under the names the list has always given it: the last move that
    // scrolled (its time in ms, its point) and its step in px, while gliding the speed per tick.
    DWORD lastMoveTick() const;
    POINT lastMovePoint() const;
    int lastMoveDelta() const;
    listview::ListMetrics ScrollMetrics() const;
    void Follow(const listview::ScrollStep& step);

    HWND hWnd = nullptr;
    // What the list makes and releases (ReleaseResource, in its order).
    navctrl::OwnedPicture pPageBarImage;
    navctrl::OwnedGdi<HPEN> hBorderPen;
    HDC hSnapshotDC = nullptr;
    HBITMAP hSnapshotBmp = nullptr;
    HGDIOBJ hSnapshotOldBmp = nullptr;
    navctrl::OwnedGdi<HBITMAP> hCheckedBmp;
    navctrl::OwnedGdi<HBITMAP> hUncheckedBmp;
    navctrl::OwnedImageList hArrowImages;
    // Drag, glide and spring-back (listview/Scroller.h); on the heap, so that it can grow without
    // changing what hosts compile against.
    std::unique_ptr<listview::ListScroller> scroller;
    // Shown once a key reached the list, gone at the next pen-down (on the heap for the same reason).
    std::unique_ptr<kit::FocusCue> focusCue;
};
