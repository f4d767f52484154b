/// @file
/// CNavComboboxEx: a skinned one-line field with a drop button, whose drop-down list is a
/// NavListViewEx in drop-down mode. Picks are reported to the owner as WM_COMMAND.
#pragma once

#include <windows.h>

#include <memory>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"
#include "RKNavCtrlExApi.h"

/// The settings a host gives a combo box, with their defaults; a copy carries them (and the shown
/// text, in a block of its own) but no window and no list.
struct NavComboboxSettings {
    HWND hOwner = nullptr;          ///< receives WM_COMMAND; the `parent` given to Create
    HFONT font = nullptr;           ///< the host's; the field's text and the list's rows (null: the DC's)
    RECT dropRect = {0, 0, 0, 0};   ///< the area the list may take, in screen coordinates
    BOOL enabled = 1;               ///< 0: drawn disabled, ignores the pen and the keys
    int buttonWidth = 60;           ///< px of the drop button at the field's right
    int fieldHeight = 42;           ///< px of the field, and the list's first row height
    int animationInterval = 0;      ///< ms, the drop-down list's (NavListViewEx::SetAnimationInterval)
};

/// A drop-down list combo box: the field shows the picked text (typing never edits it), its drop
/// button opens the list 100 ms after the tap. The owner receives WM_COMMAND with
/// wParam = MAKEWPARAM(control id, code), lParam = the field's window: code 0 for a tap on the
/// field's text part, CBN_SELCHANGE (1) for a pick from the list or a step by Up / Down on the
/// field, then CBN_DBLCLK (2) for a double tap on a row; also the field's EN_SETFOCUS and
/// EN_KILLFOCUS. Before a pick's WM_COMMAND the owner also gets the list's WM_NAVLV_ITEMNOTIFY
/// (wParam = control id + 1050). Each paint of the field sends WM_NAVCTRL_PAINTBK to the owner.
/// The receiver of any of these may destroy the combo box. Functions that work on the list return
/// -1 before Create.
class RKNAVCTRLEX_API CNavComboboxEx : protected NavComboboxSettings {
public:
    /// An uncreated combo box with the defaults of NavComboboxSettings.
    CNavComboboxEx();
    /// Starts uncreated, with the other's settings and a copy of its shown text; no field, no list
    /// and no items.
    CNavComboboxEx(const CNavComboboxEx& other);
    /// Destroys this combo box's field and list, then copies as the copy constructor does.
    CNavComboboxEx& operator=(const CNavComboboxEx& other);
    /// Destroys the field and the list; the font stays the host's.
    virtual ~CNavComboboxEx();

    /// Makes the field (a subclassed EDIT child of `parent`, GetSafeHwnd) and the drop-down list
    /// (a hidden pop-up NavListViewEx owned by `parent`, control id `id` + 1050, rows
    /// fieldHeight px, no separators, black with a blue selection). A combo box that has its
    /// field returns 1 and changes nothing.
    /// @param dwStyle only WS_VISIBLE is taken; the field is WS_CHILD | WS_TABSTOP
    /// @param text the shown text (null: none, and GetComboxText returns -1)
    /// @param rect in `parent`'s client coordinates: left, top and right place the field (42 px
    ///        high), bottom is the lowest the list reaches. On return it holds that list area below
    ///        the field in screen coordinates (at least one field high).
    /// @param id the field's control id, in the WM_COMMAND it sends
    /// @return 1, or 0 when the field could not be made
    int Create(HINSTANCE hInstance, DWORD dwStyle, WCHAR* text, RECT& rect, HWND parent, UINT id);
    /// @return the field's window, or null before Create
    HWND GetSafeHwnd();
    /// The font (the host's; it must live while the combo box paints). Set before Create it serves
    /// the field and the list; set later, the field's text only.
    void SetFont(HFONT font);
    /// ShowWindow on the field with `nCmdShow`; the list closes.
    void Show(int nCmdShow);
    /// Moves and sizes the field in its parent's client coordinates and repaints it; the list opens
    /// under its new place.
    /// @return MoveWindow's result, or 0 before Create
    int MoveWindow(int x, int y, int cx, int cy);
    /// Enables (nonzero) or disables the control and repaints the field. Disabled, it shows the
    /// disabled picture and grey text, ignores the pen and the keys, and a press in progress ends.
    void EnableWindow(int enable);

    /// Inserts an item before position `index` (outside the items: appends); the list repaints.
    /// @return 1, or -1 before Create
    int InsertString(int index, const WCHAR* text);
    /// Appends an item (its text cut at NAVLV_TEXT_LEN units). @return 1, or -1 before Create
    int AddString(const WCHAR* text);
    /// Removes an item, as NavListViewEx::DeleteItem; the shown text stays.
    /// @return 1, 0 for a bad position, -1 before Create
    int DeleteString(int index);
    /// Removes every item and the selection; the shown text stays. @return 1, or -1 before Create
    int ResetContent();
    /// @return the number of items, or -1 before Create
    int GetCount();
    /// @return the selected position, -1 for none or before Create
    int GetCurSel();
    /// Selects an item and shows its text in the field (a negative `index`: no selection and an
    /// empty text); the list closes. Sends no notification.
    /// @return 1, 0 when `index` is not below GetCount (nothing changes), -1 before Create
    int SetCurSel(int index);
    /// An item's text, as NavListViewEx::GetItemText: `buffer` holds `len` + 1 units.
    /// @return 1, or -1 for a bad position, a null buffer, a negative `len` or before Create
    int GetLBText(int index, WCHAR* buffer, int len);
    /// @return the units of an item's text, or -1 for a bad position or before Create
    int GetLBTextLen(int index);
    /// The list's row height in px for every item; `index` is ignored and a height below 1 or
    /// above INT_MAX changes nothing. @return 1, or -1 before Create
    int SetItemHeight(int index, UINT height);
    /// @return the list's row height (`index` is ignored), or -1 before Create
    int GetItemHeight(int index);
    /// The drop-down list's animation period, as NavListViewEx::SetAnimationInterval takes it; the
    /// list has it from now on, and each time it opens (also when set before Create).
    /// @return 1, or 0 for a value other than 0 and 8 to 50 (nothing changes)
    int SetAnimationInterval(int ms);

    /// Sets the shown text, kept up to 100 units; null changes nothing. The selection stays.
    /// @param redraw nonzero: repaints the field
    void SetComboxText(WCHAR* text, int redraw);
    /// Copies the shown text: a text longer than `len` units gives exactly its first `len` units and
    /// no terminator; otherwise the whole text and its terminator (`buffer` holds `len` + 1 units).
    /// A null `buffer` or a negative `len` copies nothing.
    /// @return the full length of the shown text, or -1 when none was ever set
    int GetComboxText(WCHAR* buffer, int len);
    /// @return the units of the shown text, or -1 when none was ever set
    int GetComboxTextLen();
    /// Paints the field into `hdc`, a DC of its parent, at the field's place there (for hosts that
    /// compose off screen); the owner gets WM_NAVCTRL_PAINTBK for its background first.
    /// @return 1, or 0 for a null `hdc`, before Create, or a field larger than any bitmap
    int OnPaintEx(HDC hdc);

protected:
    /// Composes the owner's background, the frame and button, the text and the focus cue off
    /// screen and copies them to `hdc` at (0, 0).
    void OnComboxOnPaint(HDC hdc, RECT* rcPaint);
    /// The field's subclass procedure: paint, pen, drop timer, keys, the list's notifications.
    static LRESULT CALLBACK ComboboxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    /// For hosts that drop a system list box of their own (hListBox, oldListBoxProc); the library
    /// itself never installs it.
    static LRESULT CALLBACK ComboboxListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    /// Pen-down on the field: captures the pen and shows the text part or the button pressed.
    void OnComboxLButtonDown(int x, int y);
    /// Pen-up: a button tap starts the 100 ms drop timer; a text tap sends WM_COMMAND code 0.
    void OnComboxLButtonUp(int x, int y);
    /// The drop timer: opens the list (when it has items) or closes it.
    void OnTimer(UINT id);

    HWND hEdit = nullptr;            ///< the field's EDIT window
    HWND hListBox = nullptr;         ///< a host's system list box for ComboboxListProc; the library sets none
    int buttonPressed = 0;           ///< the pen went down on the drop button
    WNDPROC oldEditProc = nullptr;   ///< the EDIT class's procedure
    WNDPROC oldListBoxProc = nullptr;  ///< the host's list box's procedure, for ComboboxListProc
    std::unique_ptr<WCHAR[]> pszText;  ///< the shown text, up to 100 units and a terminator
    std::unique_ptr<NavListViewEx> pDropList;  ///< the drop-down list, made by Create

private:
    void OnItemNotify(const tagNAVLVITME* item);
    void OpenList();
    void HideList();
    RECT FieldRectInOwner();
    void Release();
    void WatchList();

    void CancelPress();

    /// Keys (combobox/Keys.cpp) on the field and, while it is open, on the list.
    LRESULT FieldDlgCode(const MSG* msg);
    bool OnFieldKey(UINT message, UINT vk, LPARAM lParam);
    bool OnListKey(UINT message, UINT vk, LPARAM lParam);
    void OpenByKey();
    void StepSelection(int step);

    /// A tap on the drop button while the list is open first activates the owner, which takes the
    /// list's focus and closes the list before the tap arrives; such a tap only closes it.
    BOOL closingTap = 0;
    BOOL penActivating = 0;    ///< a pen-down on the field is activating the owner
    BOOL listClosedByPen = 0;  ///< and the list lost the focus to it
    WNDPROC oldDropListProc = nullptr;
    int selAtOpen = -1;        ///< the selection when the list opened, which Escape restores
    BOOL keyDriven = 0;        ///< a key opened the list or moved in it: the focus returns to the field
    std::unique_ptr<kit::FocusCue> fieldCue;
    static LRESULT CALLBACK DropListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
