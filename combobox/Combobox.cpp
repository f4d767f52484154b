// The combo box object: creation, the list it owns, the shown text and the operations that
// forward to the list.
#include <algorithm>
#include <memory>

#include "NavComboboxEx.h"
#include "combobox/ComboDefs.h"
#include "kit/FocusCue.h"
#include "kit/StoredText.h"
#include "kit/TickedMotion.h"

using namespace combobox;

namespace combobox {
int textPressed = 0;
}

CNavComboboxEx::CNavComboboxEx() : fieldCue(std::make_unique<kit::FocusCue>()) {}

// A copy carries the settings and the shown text but no window and no list of its own, so the
// two objects never destroy the same window or free the same memory.
CNavComboboxEx::CNavComboboxEx(const CNavComboboxEx& other) : CNavComboboxEx()
{
    *this = other;
}

CNavComboboxEx& CNavComboboxEx::operator=(const CNavComboboxEx& other)
{
    if (this == &other) return *this;
    Release();
    NavComboboxSettings::operator=(other);
    if (other.pszText) SetComboxText(other.pszText.get(), 0);
    return *this;
}

CNavComboboxEx::~CNavComboboxEx()
{
    Release();
}

void CNavComboboxEx::Release()
{
    if (::IsWindow(hEdit)) {
        SetWindowLongPtrW(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldEditProc));
        DestroyWindow(hEdit);
    }
    hEdit = nullptr;
    pszText.reset();
    pDropList.reset();  // destroys the list window
    oldDropListProc = nullptr;
}

int CNavComboboxEx::Create(HINSTANCE hInstance, DWORD dwStyle, WCHAR* text, RECT& rect, HWND parent, UINT id)
{
    if (::IsWindow(hEdit)) return 1;
    hOwner = parent;
    DWORD style = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | (dwStyle & WS_VISIBLE);
    hEdit = CreateWindowExW(0, TEXT("EDIT"), TEXT(""), style, rect.left, rect.top, rect.right - rect.left,
                            fieldHeight, parent, reinterpret_cast<HMENU>(UINT_PTR(id)), hInstance, nullptr);

    // The caller's rectangle becomes the list's area in screen coordinates.
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    rect.top += fieldHeight;
    if (rect.bottom <= rect.top) rect.bottom = rect.top + fieldHeight;
    dropRect = rect;

    pDropList = std::make_unique<NavListViewEx>();
    if (!::IsWindow(hEdit)) {
        hEdit = nullptr;
        return 0;
    }
    pDropList->SetRespondHwnd(hEdit);
    pDropList->SetItemBorder(0);
    pDropList->SetColor(0x00000000, 0x00FF0000);
    pDropList->SetBkColor(0x00000000, 0);
    pDropList->SetItemHeigh(fieldHeight);
    pDropList->SetAnimationInterval(animationInterval);
    RECT listRect = {dropRect.left, dropRect.top - 2, dropRect.right, dropRect.bottom};
    pDropList->Create(hInstance, WS_POPUP, listRect, parent, id + kListIdOffset, NAVLV_MODE_DROPDOWN);
    WatchList();

    SetComboxText(text, 0);
    if (font) {
        pDropList->SetFont(font, nullptr, nullptr);
        SendMessageW(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    }
    // After the font: an edit control takes a new font's own margins in place of those set before.
    SendMessageW(hEdit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, buttonWidth));
    SetWindowLongPtrW(hEdit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    oldEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboboxProc)));
    return 1;
}

HWND CNavComboboxEx::GetSafeHwnd()
{
    return hEdit;
}

void CNavComboboxEx::SetFont(HFONT newFont)
{
    font = newFont;
}

void CNavComboboxEx::Show(int nCmdShow)
{
    ShowWindow(hEdit, nCmdShow);
    HideList();
}

int CNavComboboxEx::MoveWindow(int x, int y, int cx, int cy)
{
    if (!::IsWindow(hEdit)) return 0;
    return ::MoveWindow(hEdit, x, y, cx, cy, TRUE);
}

void CNavComboboxEx::EnableWindow(int enable)
{
    // A disabled control ignores the pen, so a press in progress ends here, as a disabled window's
    // does: WM_CANCELMODE drops the pressed look and lets the capture go.
    if (enabled && !enable && ::IsWindow(hEdit)) SendMessageW(hEdit, WM_CANCELMODE, 0, 0);
    enabled = enable;
    if (hEdit) InvalidateRect(hEdit, nullptr, FALSE);
}

int CNavComboboxEx::InsertString(int index, const WCHAR* text)
{
    return pDropList ? pDropList->InsertItem(text, index, -1, 1) : -1;
}

int CNavComboboxEx::AddString(const WCHAR* text)
{
    return pDropList ? pDropList->AddItem(text, -1, 1) : -1;
}

int CNavComboboxEx::DeleteString(int index)
{
    return pDropList ? pDropList->DeleteItem(index) : -1;
}

int CNavComboboxEx::ResetContent()
{
    return pDropList ? pDropList->DeleteAllItems() : -1;
}

int CNavComboboxEx::GetCount()
{
    return pDropList ? pDropList->GetItemCount() : -1;
}

int CNavComboboxEx::GetCurSel()
{
    return pDropList ? pDropList->GetCurrentSel() : -1;
}

int CNavComboboxEx::SetCurSel(int index)
{
    if (!pDropList) return -1;
    int result = pDropList->SetCurrentSel(index);
    if (result < 1) return result;
    // A negative index clears the selection, and with it the shown text.
    int length = std::max(pDropList->GetItemTextLen(index), 0);
    WCHAR* block = new WCHAR[length + 1];
    block[0] = 0;
    if (index >= 0) pDropList->GetItemText(index, block, length);
    block[length] = 0;
    SetComboxText(block, 1);
    delete[] block;
    HideList();
    return result;
}

int CNavComboboxEx::GetLBText(int index, WCHAR* buffer, int len)
{
    return pDropList ? pDropList->GetItemText(index, buffer, len) : -1;
}

int CNavComboboxEx::GetLBTextLen(int index)
{
    return pDropList ? pDropList->GetItemTextLen(index) : -1;
}

int CNavComboboxEx::SetAnimationInterval(int ms)
{
    if (!kit::IsAnimationInterval(ms)) return 0;
    animationInterval = ms;
    if (pDropList) pDropList->SetAnimationInterval(ms);
    return 1;
}

int CNavComboboxEx::SetItemHeight(int, UINT height)
{
    if (!pDropList) return -1;
    pDropList->SetItemHeigh(int(height));
    return 1;
}

int CNavComboboxEx::GetItemHeight(int)
{
    return pDropList ? pDropList->GetItemHeigh() : -1;
}

void CNavComboboxEx::SetComboxText(WCHAR* text, int redraw)
{
    if (!text) return;
    // One unit more than the text keeps, so a full text still ends in a terminator.
    pszText = std::make_unique<WCHAR[]>(kTextLength + 1);
    kit::StoreText(pszText.get(), kTextLength, text);
    if (redraw && hEdit) InvalidateRect(hEdit, nullptr, FALSE);
}

int CNavComboboxEx::GetComboxText(WCHAR* buffer, int len)
{
    if (!pszText) return -1;
    int length = lstrlenW(pszText.get());
    if (!buffer || len < 0) return length;
    if (length > len) {
        std::copy(pszText.get(), pszText.get() + len, buffer);
    } else {
        std::copy(pszText.get(), pszText.get() + length, buffer);
        buffer[length] = 0;
    }
    return length;
}

int CNavComboboxEx::GetComboxTextLen()
{
    return pszText ? lstrlenW(pszText.get()) : -1;
}

void CNavComboboxEx::HideList()
{
    if (pDropList && pDropList->GetSafeHand()) ShowWindow(pDropList->GetSafeHand(), SW_HIDE);
}
