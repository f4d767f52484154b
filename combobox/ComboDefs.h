// Constants shared by the combo box's source files.
#pragma once

#include <windows.h>

namespace combobox {

constexpr UINT kDropTimer = 1;          // IDT_COMBO_DROP
constexpr UINT kDropDelay = 100;        // ms between the tap and the list opening or closing
constexpr UINT kListIdOffset = 1050;    // the list's control id is the field's plus this
constexpr int kTextLength = 100;        // characters the shown text keeps
constexpr int kTextInset = 5;           // px between the field's left edge and its text
constexpr COLORREF kDisabledText = 0x00C0C0C0;
constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr int kFieldOverlap = 2;        // px of the field's bottom that the list opened below covers

// Tells the owner of the combo box whose field is `field` (CBN_*), as Win32's combo box does.
inline void NotifyOwner(HWND owner, HWND field, WORD code)
{
    SendMessageW(owner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field), code), reinterpret_cast<LPARAM>(field));
}

// One flag for every combo box of the process: set by a pen-down on a text area, cleared by the
// next pen-up on any combo box.
extern int textPressed;

}  // namespace combobox
