// CNavComboboxEx: a skinned one-line field with a drop button, whose drop-down list is a
// NavListViewEx in drop-down mode. Picks are reported to the owner as WM_COMMAND.
#pragma once

#include <windows.h>

#include "NavCtrlMessages.h"
#include "NavListViewEx.h"
#include "RKNavCtrlExApi.h"

class RKNAVCTRLEX_API CNavComboboxEx {
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

    void SetComboxText(WCHAR* text, int redraw);
    int GetComboxText(WCHAR* buffer, int len);
    int GetComboxTextLen();
    int OnPaintEx(HDC hdc);

protected:
    void OnComboxOnPaint(HDC hdc, RECT* rcPaint);
    static LRESULT CALLBACK ComboboxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ComboboxListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnComboxLButtonDown(int x, int y);
    void OnComboxLButtonUp(int x, int y);
    void OnTimer(UINT id);

    HWND hEdit = nullptr;
    HWND hOwner = nullptr;
    HWND hListBox = nullptr;
    HFONT font = nullptr;
    int buttonPressed = 0;
    RECT dropRect = {0, 0, 0, 0};
    WNDPROC oldEditProc = nullptr;
    WNDPROC oldListBoxProc = nullptr;
    BOOL enabled = 1;
    int buttonWidth = 60;
    int fieldHeight = 42;
    WCHAR* pszText = nullptr;
    NavListViewEx* pDropList = nullptr;

private:
    void OnItemNotify(const tagNAVLVITME* item);
    void OpenList();
    void HideList();
    RECT FieldRectInOwner();
    void Release();
    void WatchList();

    void CancelPress();

    // A tap on the drop button while the list is open first activates the owner, which takes the
    // list's focus and closes the list before the tap arrives; such a tap only closes it.
    BOOL closingTap = 0;
    BOOL penActivating = 0;    // a pen-down on the field is activating the owner
    BOOL listClosedByPen = 0;  // and the list lost the focus to it
    WNDPROC oldDropListProc = nullptr;
    static LRESULT CALLBACK DropListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
