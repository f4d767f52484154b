// The field's window procedure: pen handling with the pressed looks, the drop timer that opens
// and closes the list, and the list's pick turned into WM_COMMAND for the owner.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "NavComboboxEx.h"
#include "combobox/ComboDefs.h"
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "kit/FocusCue.h"
#include "kit/Guard.h"
#include "kit/Offscreen.h"
#include "listview/ListViewDefs.h"
#include "resources/resource.h"

using namespace combobox;

namespace {

// Drop lists being watched for losing the focus, and the combo box each belongs to.
std::vector<std::pair<HWND, CNavComboboxEx*>>& Watched()
{
    static std::vector<std::pair<HWND, CNavComboboxEx*>> watched;
    return watched;
}

}  // namespace

LRESULT CALLBACK CNavComboboxEx::ComboboxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* combo = reinterpret_cast<CNavComboboxEx*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!combo) return 0;
    WNDPROC old = combo->oldEditProc;
    int x = LOWORD(lParam), y = HIWORD(lParam);
    return kit::Guarded(
        [&]() -> LRESULT {
            combo->fieldCue->Observe(hwnd, message, wParam);
            switch (message) {
            case WM_PAINT: {
                kit::PaintScope scope(hwnd);
                combo->OnComboxOnPaint(scope.dc, &scope.paint.rcPaint);
                return 1;
            }
            case WM_ERASEBKGND: return 1;
            case WM_TIMER: combo->OnTimer(UINT(wParam)); break;
            case WM_CTLCOLOREDIT:
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            case WM_MOUSEACTIVATE: combo->penActivating = 1; break;
            case WM_CANCELMODE: combo->CancelPress(); break;
            case WM_LBUTTONDOWN: combo->OnComboxLButtonDown(x, y); return 1;
            case WM_LBUTTONUP: combo->OnComboxLButtonUp(x, y); break;
            case WM_LBUTTONDBLCLK: combo->OnComboxLButtonDown(x, y); break;
            case WM_NAVLV_ITEMNOTIFY: combo->OnItemNotify(reinterpret_cast<const tagNAVLVITME*>(lParam)); break;
            case WM_GETDLGCODE: return combo->FieldDlgCode(reinterpret_cast<const MSG*>(lParam));
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                if (combo->OnFieldKey(message, UINT(wParam), lParam)) return 0;
                break;
            case WM_CHAR: return 0;  // the field shows the pick; typing never edits it
            default: break;
            }
            return CallWindowProcW(old, hwnd, message, wParam, lParam);
        },
        [&] { return CallWindowProcW(old, hwnd, message, wParam, lParam); });
}

void CNavComboboxEx::OnComboxLButtonDown(int x, int y)
{
    if (!enabled) return;
    textPressed = 0;
    RECT client;
    GetClientRect(hEdit, &client);
    POINT point = {x, y};
    if (PtInRect(&client, point)) SetCapture(hEdit);
    RECT buttonArea = {client.right - buttonWidth, client.top, client.right, client.bottom};
    bool onButton = PtInRect(&buttonArea, point);
    closingTap = onButton && listClosedByPen;
    penActivating = 0;
    listClosedByPen = 0;

    // The press counts whether or not its picture can be shown.
    if (onButton)
        buttonPressed = 1;
    else
        textPressed = 1;
    HDC dc = GetDC(hEdit);
    CNavImage pressed;
    if (pressed.LoadFromResource(IDR_COMBO_DOWN, GetModuleInstance(), TEXT("PNG"))) {
        const int iw = pressed.GetWidth(), ih = pressed.GetHeight();
        const int height = client.bottom - client.top;
        if (onButton)
            pressed.DrawStretch(dc, client.right - buttonWidth, client.top, buttonWidth, height, iw - buttonWidth, 0,
                                buttonWidth, fieldHeight);
        else
            pressed.DrawStretch(dc, client.left, client.top, client.right - buttonWidth - client.left, height, 0, 0,
                                iw - buttonWidth, ih);
    }
    pressed.Unload();
    ReleaseDC(hEdit, dc);
}

// Ends a press without a tap: the pen leaves the control and the field shows its normal look.
void CNavComboboxEx::CancelPress()
{
    buttonPressed = 0;
    textPressed = 0;
    closingTap = 0;
    if (hEdit) InvalidateRect(hEdit, nullptr, FALSE);
}

void CNavComboboxEx::OnComboxLButtonUp(int x, int y)
{
    penActivating = 0;
    if (!enabled) return;
    RECT client;
    GetClientRect(hEdit, &client);
    POINT point = {x, y};
    RECT buttonArea = {client.right - buttonWidth, client.top, client.right, client.bottom};
    RECT textArea = {client.left, client.top, client.right - buttonWidth, client.bottom};
    const bool buttonTap = PtInRect(&buttonArea, point) && buttonPressed == 1;
    const bool textTap = !buttonTap && PtInRect(&textArea, point) && textPressed == 1;
    const bool toggleList = buttonTap && !closingTap;
    buttonPressed = 0;
    textPressed = 0;
    closingTap = 0;
    if (GetCapture() == hEdit) ReleaseCapture();
    InvalidateRect(hEdit, nullptr, FALSE);
    if (toggleList) SetTimer(hEdit, kDropTimer, kDropDelay, nullptr);
    // The owner may delete the combo box while it handles the tap, so the message comes last.
    if (textTap) SendMessageW(hOwner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hEdit), 0), reinterpret_cast<LPARAM>(hEdit));
}

void CNavComboboxEx::OnTimer(UINT id)
{
    if (id != kDropTimer) return;
    if (!pDropList) {
        KillTimer(hEdit, kDropTimer);
        return;
    }
    if (pDropList->IsWindowVisible() || pDropList->GetItemCount() < 1)
        SetWindowPos(pDropList->GetSafeHand(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW);
    else
        OpenList();
    KillTimer(hEdit, kDropTimer);
}

// Places the list under the field, or over it when the owner has no room below, and shows it.
void CNavComboboxEx::OpenList()
{
    HWND owner = GetParent(hEdit);
    const int rowHeight = pDropList->GetItemHeigh(), count = pDropList->GetItemCount();
    RECT field = FieldRectInOwner(), area = {0, 0, 0, 0};
    GetClientRect(owner, &area);
    // 64 bits: a count times a large row height overflows 32.
    int64_t rows = int64_t(count) * rowHeight;
    const int room = dropRect.bottom - dropRect.top;
    if (rows > room) rows = (room / rowHeight) * rowHeight;
    // The list's frame takes the bottom of its window, below its rows area: the window is that
    // much taller than its rows, so that every row it opens for shows whole.
    const int height = int(rows) + kFieldOverlap + listview::kDropInsetBottom;
    int top = field.bottom - kFieldOverlap, bottom = top + height;
    if (bottom > area.bottom) {
        bottom = field.top;
        top = bottom - height;
    }
    // The list is a pop-up: its position is on the screen, wherever the owner is.
    RECT placed = {field.left, top, field.right, bottom};
    MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&placed), 2);
    HWND list = pDropList->GetSafeHand();
    selAtOpen = pDropList->GetCurrentSel();
    keyDriven = 0;
    pDropList->SetAnimationInterval(animationInterval);
    ::MoveWindow(list, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);
    pDropList->CopyDCFromWnd(nullptr);
    SetWindowPos(list, HWND_TOPMOST, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                 SWP_SHOWWINDOW);
    SetFocus(list);
}

void CNavComboboxEx::OnItemNotify(const tagNAVLVITME* item)
{
    if (!item || (item->notifyCode != NAVLV_NOTIFY_TAP && item->notifyCode != NAVLV_NOTIFY_DBLTAP)) return;
    HWND edit = hEdit;
    int code = item->notifyCode;
    const bool refocus = keyDriven;
    WCHAR text[NAVLV_TEXT_LEN + 1] = {};
    std::copy(item->text1, item->text1 + NAVLV_TEXT_LEN, text);
    SetComboxText(text, 1);
    HideList();
    const HWND owner = hOwner;
    NotifyOwner(owner, edit, CBN_SELCHANGE);
    // The owner may have destroyed the combo box while handling the first message.
    if (code == NAVLV_NOTIFY_DBLTAP && ::IsWindow(edit)) NotifyOwner(owner, edit, CBN_DBLCLK);
    // A pick from the keys gives the focus back to the field once the owner has been told.
    if (refocus && ::IsWindow(edit)) SetFocus(edit);
}

void CNavComboboxEx::WatchList()
{
    HWND list = pDropList->GetSafeHand();
    if (!list) return;
    Watched().emplace_back(list, this);
    oldDropListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DropListProc)));
}

LRESULT CALLBACK CNavComboboxEx::DropListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& watched = Watched();
    auto found = std::find_if(watched.begin(), watched.end(), [hwnd](auto& entry) { return entry.first == hwnd; });
    if (found == watched.end()) return DefWindowProcW(hwnd, message, wParam, lParam);
    CNavComboboxEx* combo = found->second;
    WNDPROC old = combo->oldDropListProc;
    // Only a focus loss caused by a pen-down on the field makes that pen-down's tap a closing one.
    if (message == WM_KILLFOCUS && ::IsWindowVisible(hwnd) && combo->penActivating) combo->listClosedByPen = 1;
    if (message == WM_NCDESTROY) watched.erase(found);
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && combo->OnListKey(message, UINT(wParam), lParam))
        return 0;
    return CallWindowProcW(old, hwnd, message, wParam, lParam);
}
