// The window manager: classes, windows, messages, timers, input, dialogs.
#pragma once

#include "windef.h"

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

#define MAKEINTRESOURCEW(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)

// Messages
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_CANCELMODE 0x001F
#define WM_MOUSEACTIVATE 0x0021
#define WM_DRAWITEM 0x002B
#define WM_NEXTDLGCTL 0x0028
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_KEYFIRST 0x0100
#define WM_KEYLAST 0x0109
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_CHANGEUISTATE 0x0127
#define WM_UPDATEUISTATE 0x0128
#define WM_QUERYUISTATE 0x0129
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORLISTBOX 0x0134
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORDLG 0x0136
#define WM_CTLCOLORSTATIC 0x0138
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_CAPTURECHANGED 0x0215
#define WM_USER 0x0400
#define DM_GETDEFID (WM_USER + 0)
#define DC_HASDEFID 0x534B
#define WM_APP 0x8000

#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

#define SIZE_RESTORED 0
#define MK_LBUTTON 0x0001
#define HTCLIENT 1
#define MA_ACTIVATE 1
#define MA_ACTIVATEANDEAT 2
#define MA_NOACTIVATE 3
#define MA_NOACTIVATEANDEAT 4

// Keyboard
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F10 0x79
#define VK_F11 0x7A
#define VK_F12 0x7B
#define VK_LSHIFT 0xA0
#define VK_RSHIFT 0xA1
#define VK_LCONTROL 0xA2
#define VK_RCONTROL 0xA3
#define VK_LMENU 0xA4
#define VK_RMENU 0xA5
#define KF_EXTENDED 0x0100
#define KF_ALTDOWN 0x2000
#define KF_REPEAT 0x4000
#define KF_UP 0x8000

// WM_GETDLGCODE
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// Keyboard cues
#define UIS_SET 1
#define UIS_CLEAR 2
#define UIS_INITIALIZE 3
#define UISF_HIDEFOCUS 0x1
#define UISF_HIDEACCEL 0x2
#define UISF_ACTIVE 0x4

// Window styles
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_SYSMENU 0x00080000L
#define WS_TABSTOP 0x00010000L
#define WS_GROUP 0x00020000L
#define WS_OVERLAPPEDWINDOW (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU)
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_NOACTIVATE 0x08000000L

// Class styles
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_PARENTDC 0x0080

// Window data
#define GWL_WNDPROC (-4)
#define GWL_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_USERDATA (-21)
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_ID (-12)
#define GWLP_USERDATA (-21)
#define DWLP_MSGRESULT 0
#define DWL_MSGRESULT 0

// ShowWindow
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOW 5
#define SW_SHOWNA 8
#define SW_SHOWNOACTIVATE 4

// GetWindow
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

// SetWindowPos
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080

// RedrawWindow
#define RDW_INVALIDATE 0x0001
#define RDW_ERASE 0x0004
#define RDW_ALLCHILDREN 0x0080
#define RDW_UPDATENOW 0x0100
#define RDW_ERASENOW 0x0200

// PeekMessage
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// System metrics
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37

#define CW_USEDEFAULT ((int)0x80000000)

// Buttons
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_OWNERDRAW 0x0000000BL
#define BS_TYPEMASK 0x0000000FL
#define BN_CLICKED 0
#define IDOK 1
#define IDCANCEL 2
#define BN_DBLCLK 5
#define ODT_BUTTON 4
#define ODA_DRAWENTIRE 0x0001
#define ODA_SELECT 0x0002
#define ODA_FOCUS 0x0004
#define ODS_SELECTED 0x0001
#define ODS_GRAYED 0x0002
#define ODS_DISABLED 0x0004
#define ODS_FOCUS 0x0010
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BST_PUSHED 0x0004

// Edit controls
#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_MULTILINE 0x0004L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_SETMARGINS 0x00D3
#define LB_GETCURSEL 0x0188
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define EM_GETMARGINS 0x00D4
#define EC_LEFTMARGIN 0x0001
#define EC_RIGHTMARGIN 0x0002
#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300

// Combo box notifications (the library's combo box reports these codes)
#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2

// Dialogs
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L

typedef struct tagCREATESTRUCTW {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTW, *LPCREATESTRUCTW, CREATESTRUCT, *LPCREATESTRUCT;

typedef struct tagWNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
} WNDCLASSW, *LPWNDCLASSW, WNDCLASS;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *PMSG, *LPMSG;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *PPAINTSTRUCT, *LPPAINTSTRUCT;

typedef struct tagDRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
} DRAWITEMSTRUCT, *PDRAWITEMSTRUCT, *LPDRAWITEMSTRUCT;

#pragma pack(push, 2)
typedef struct {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;
    short x;
    short y;
    short cx;
    short cy;
} DLGTEMPLATE, *LPDLGTEMPLATEW, *LPDLGTEMPLATE;
typedef const DLGTEMPLATE* LPCDLGTEMPLATEW;
typedef const DLGTEMPLATE* LPCDLGTEMPLATE;

typedef struct {
    DWORD style;
    DWORD dwExtendedStyle;
    short x;
    short y;
    short cx;
    short cy;
    WORD id;
} DLGITEMTEMPLATE;
#pragma pack(pop)

// Classes and windows
WINCORE_API ATOM WINAPI RegisterClassW(const WNDCLASSW* wc);
WINCORE_API BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance);
WINCORE_API HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                        int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                        LPVOID param);
#define CreateWindowW(className, windowName, style, x, y, width, height, parent, menu, instance, param) \
    CreateWindowExW(0, className, windowName, style, x, y, width, height, parent, menu, instance, param)
WINCORE_API BOOL WINAPI DestroyWindow(HWND hwnd);
WINCORE_API BOOL WINAPI IsWindow(HWND hwnd);
WINCORE_API BOOL WINAPI IsWindowVisible(HWND hwnd);
WINCORE_API BOOL WINAPI ShowWindow(HWND hwnd, int command);
WINCORE_API BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
WINCORE_API BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
WINCORE_API BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect);
WINCORE_API BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect);
WINCORE_API BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point);
WINCORE_API BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point);
WINCORE_API int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
WINCORE_API HWND WINAPI GetParent(HWND hwnd);
WINCORE_API HWND WINAPI GetWindow(HWND hwnd, UINT relation);
WINCORE_API int WINAPI GetDlgCtrlID(HWND hwnd);
WINCORE_API HWND WINAPI GetDlgItem(HWND dialog, int id);
WINCORE_API LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
WINCORE_API LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index);
WINCORE_API LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value);
WINCORE_API LONG WINAPI GetWindowLongW(HWND hwnd, int index);
WINCORE_API BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text);
WINCORE_API int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount);
WINCORE_API int WINAPI GetWindowTextLengthW(HWND hwnd);
WINCORE_API BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable);
WINCORE_API BOOL WINAPI IsWindowEnabled(HWND hwnd);
WINCORE_API HWND WINAPI WindowFromPoint(POINT point);
WINCORE_API BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
WINCORE_API BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect);
WINCORE_API BOOL WINAPI UpdateWindow(HWND hwnd);
WINCORE_API BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
WINCORE_API BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
WINCORE_API HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
WINCORE_API BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
WINCORE_API HDC WINAPI GetDC(HWND hwnd);
WINCORE_API HDC WINAPI GetWindowDC(HWND hwnd);
WINCORE_API int WINAPI ReleaseDC(HWND hwnd, HDC dc);
WINCORE_API int WINAPI GetSystemMetrics(int index);

// Messages
WINCORE_API LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINCORE_API LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINCORE_API LRESULT WINAPI SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINCORE_API BOOL WINAPI PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINCORE_API BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
WINCORE_API BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
WINCORE_API BOOL WINAPI TranslateMessage(const MSG* msg);
WINCORE_API LRESULT WINAPI DispatchMessageW(const MSG* msg);
WINCORE_API void WINAPI PostQuitMessage(int exitCode);
WINCORE_API BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg);
WINCORE_API HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
WINCORE_API HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
WINCORE_API SHORT WINAPI GetKeyState(int virtualKey);
WINCORE_API SHORT WINAPI GetAsyncKeyState(int virtualKey);

// Timers, input, focus
WINCORE_API UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC timerProc);
WINCORE_API BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id);
WINCORE_API HWND WINAPI SetCapture(HWND hwnd);
WINCORE_API BOOL WINAPI ReleaseCapture(void);
WINCORE_API HWND WINAPI GetCapture(void);
WINCORE_API HWND WINAPI SetFocus(HWND hwnd);
WINCORE_API HWND WINAPI GetFocus(void);
WINCORE_API HWND WINAPI GetActiveWindow(void);
WINCORE_API HWND WINAPI SetActiveWindow(HWND hwnd);
WINCORE_API BOOL WINAPI SetForegroundWindow(HWND hwnd);
WINCORE_API HWND WINAPI GetForegroundWindow(void);

// Dialogs
WINCORE_API HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dlgTemplate, HWND parent,
                                                   DLGPROC dialogProc, LPARAM initParam);
WINCORE_API BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
WINCORE_API LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
WINCORE_API BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect);

// Rectangles
WINCORE_API BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
WINCORE_API BOOL WINAPI SetRectEmpty(LPRECT rect);
WINCORE_API BOOL WINAPI CopyRect(LPRECT dst, const RECT* src);
WINCORE_API BOOL WINAPI IsRectEmpty(const RECT* rect);
WINCORE_API BOOL WINAPI PtInRect(const RECT* rect, POINT point);
WINCORE_API BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
WINCORE_API BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
WINCORE_API BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
WINCORE_API BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b);
WINCORE_API BOOL WINAPI EqualRect(const RECT* a, const RECT* b);

// Drawing that lives in the window manager's part of the API
WINCORE_API int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush);
WINCORE_API BOOL WINAPI InvertRect(HDC dc, const RECT* rect);
WINCORE_API int WINAPI FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
WINCORE_API int WINAPI DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format);
WINCORE_API DWORD WINAPI GetSysColor(int index);

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_END_ELLIPSIS 0x00008000

#define COLOR_WINDOW 5
#define COLOR_WINDOWTEXT 8
#define COLOR_HIGHLIGHT 13
#define COLOR_BTNFACE 15
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18

#define SendMessage SendMessageW
#define PostMessage PostMessageW
#define DefWindowProc DefWindowProcW
#define CallWindowProc CallWindowProcW
#define RegisterClass RegisterClassW
#define CreateWindowEx CreateWindowExW
#define CreateWindow CreateWindowW
#define GetMessage GetMessageW
#define PeekMessage PeekMessageW
#define DispatchMessage DispatchMessageW
#define SetWindowLong SetWindowLongW
#define GetWindowLong GetWindowLongW
#define SetWindowLongPtr SetWindowLongPtrW
#define GetWindowLongPtr GetWindowLongPtrW
#define SetWindowText SetWindowTextW
#define GetWindowText GetWindowTextW
#define DrawText DrawTextW
#define CreateDialogIndirectParam CreateDialogIndirectParamW

// Bitmaps from resources
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x00000000
#define LR_LOADFROMFILE 0x00000010
#define LR_DEFAULTSIZE 0x00000040
#define LR_CREATEDIBSECTION 0x00002000
#define LR_SHARED 0x00008000
WINCORE_API HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name);
WINCORE_API HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int width, int height, UINT flags);
#define LoadBitmap LoadBitmapW
#define LoadImage LoadImageW
