// CNavComboboxEx: a skinned one-line field with a drop button, whose drop-down list is a
// NavListViewEx in drop-down mode. Picks are reported to the owner as WM_COMMAND.
#pragma once

#include <windows.h>

#include <memory>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"
#include "RKNavCtrlExApi.h"

// The settings a host gives a combo box, with their defaults; a copy carries them (and the shown
// text, in a block of its own) but no window and no list.
struct NavComboboxSettings {
    HWND hOwner = nullptr;
    HFONT font = nullptr;  // the host's
    RECT dropRect = {0, 0, 0, 0};
    BOOL enabled = 1;
    int buttonWidth = 60;
    int fieldHeight = 42;
    int animationInterval = 0;  // ms, the drop-down list's (NavListViewEx::SetAnimationInterval)
};

class RKNAVCTRLEX_API CNavComboboxEx : protected NavComboboxSettings {
public:
    CNavComboboxEx();
    CNavComboboxEx(const CNavComboboxEx& other);
    CNavComboboxEx& operator=(const CNavComboboxEx& other);
    virtual ~CNavComboboxEx();

    int Create(HINSTANCE hInstance, DWORD dwStyle, WCHAR* text, RECT& rect, HWND parent, UINT id);
    HWND GetSafeHwnd();
    void SetFont(HFONT font);
    void Show(int nCmdShow);
    int MoveWindow(int x, int y, int cx, int cy);
    void EnableWindow(int enable);

    int InsertString(int index, const WCHAR* text);
    int AddString(const WCHAR* text);
    int DeleteString(int index);
    int ResetContent();
    int GetCount();
    int GetCurSel();
    int SetCurSel(int index);
    int GetLBText(int index, WCHAR* buffer, int len);
    int GetLBTextLen(int index);
    int SetItemHeight(int index, UINT height);
    int GetItemHeight(int index);
    // The drop-down list's animation period, as NavListViewEx::SetAnimationInterval takes it; the
    // list has it from now on, and each time it opens.
    int SetAnimationInterval(int ms);

    void SetComboxText(WCHAR* text, int redraw);
    int GetComboxText(WCHAR* buffer, int len);
    int GetComboxTextLen();
    int OnPaintEx(HDC hdc);

protected:
    void OnComboxOnPaint(HDC hdc, RECT* rcPaint);
    static LRESULT CALLBACK ComboboxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // For hosts that drop a system list box of their own (hListBox, oldListBoxProc); the library
    // itself never installs it.
    static LRESULT CALLBACK ComboboxListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnComboxLButtonDown(int x, int y);
    void OnComboxLButtonUp(int x, int y);
    void OnTimer(UINT id);

    HWND hEdit = nullptr;
    HWND hListBox = nullptr;
    int buttonPressed = 0;
    WNDPROC oldEditProc = nullptr;
    WNDPROC oldListBoxProc = nullptr;
    std::unique_ptr<WCHAR[]> pszText;  // the shown text, up to 100 units and a terminator
    std::unique_ptr<NavListViewEx> pDropList;

private:
    void OnItemNotify(const tagNAVLVITME* item);
    void OpenList();
    void HideList();
    RECT FieldRectInOwner();
    void Release();
    void WatchList();

    void CancelPress();

    // Keys (combobox/Keys.cpp) on the field and, while it is open, on the list.
    LRESULT FieldDlgCode(const MSG* msg);
    bool OnFieldKey(UINT message, UINT vk, LPARAM lParam);
    bool OnListKey(UINT message, UINT vk, LPARAM lParam);
    void OpenByKey();
    void StepSelection(int step);

    // A tap on the drop button while the list is open first activates the owner, which takes the
    // list's focus and closes the list before the tap arrives; such a tap only closes it.
    BOOL closingTap = 0;
    BOOL penActivating = 0;    // a pen-down on the field is activating the owner
    BOOL listClosedByPen = 0;  // and the list lost the focus to it
    WNDPROC oldDropListProc = nullptr;
    int selAtOpen = -1;        // the selection when the list opened, which Escape restores
    BOOL keyDriven = 0;        // a key opened the list or moved in it: the focus returns to the field
    std::unique_ptr<kit::FocusCue> fieldCue;
    static LRESULT CALLBACK DropListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
