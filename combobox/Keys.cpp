// Keys, as Win32's drop-down list combo box takes them: on the field F4, Alt+Down and Enter open
// the list at once and Up/Down step the selection; in the open list the combo box keeps Escape
// and the toggles, and leaves the moves and Enter (a tap on the selected row) to the list.
#include <algorithm>

#include "NavComboboxEx.h"
#include "combobox/ComboDefs.h"
#include "kit/FocusCue.h"

namespace {

// F4, Alt+Down and Alt+Up open and close the list.
bool IsToggle(UINT message, UINT vk, LPARAM lParam)
{
    const bool alt = message == WM_SYSKEYDOWN && (HIWORD(lParam) & KF_ALTDOWN);
    return vk == VK_F4 || (alt && (vk == VK_DOWN || vk == VK_UP));
}

}  // namespace

using namespace combobox;

LRESULT CNavComboboxEx::FieldDlgCode(const MSG* msg)
{
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (!msg || msg->message != WM_KEYDOWN) return code;
    const bool open = pDropList && pDropList->IsWindowVisible();
    if (msg->wParam == VK_RETURN || (msg->wParam == VK_ESCAPE && open)) code |= DLGC_WANTMESSAGE;
    return code;
}

bool CNavComboboxEx::OnFieldKey(UINT message, UINT vk, LPARAM lParam)
{
    if (!enabled || !pDropList) return false;
    if (IsToggle(message, vk, lParam) || (message == WM_KEYDOWN && vk == VK_RETURN)) {
        OpenByKey();
        return true;
    }
    if (message != WM_KEYDOWN || (vk != VK_UP && vk != VK_DOWN)) return false;
    StepSelection(vk == VK_DOWN ? 1 : -1);
    return true;
}

void CNavComboboxEx::OpenByKey()
{
    KillTimer(hEdit, kDropTimer);  // a tap's pending toggle would close the list again
    if (pDropList->GetItemCount() < 1) return;  // an empty list never opens
    OpenList();
    keyDriven = 1;
}

// Without a selection Down starts at the first item and Up at the last; at either end nothing changes.
void CNavComboboxEx::StepSelection(int step)
{
    const int count = pDropList->GetItemCount(), current = pDropList->GetCurrentSel();
    if (count < 1) return;
    const int next = current < 0 ? (step > 0 ? 0 : count - 1) : std::clamp(current + step, 0, count - 1);
    if (next == current) return;
    SetCurSel(next);
    NotifyOwner(hOwner, hEdit, CBN_SELCHANGE);
}

bool CNavComboboxEx::OnListKey(UINT message, UINT vk, LPARAM lParam)
{
    keyDriven = 1;
    // The field shows its cue when the focus comes back.
    fieldCue->Observe(hEdit, message, vk);
    if (!IsToggle(message, vk, lParam) && !(message == WM_KEYDOWN && vk == VK_ESCAPE)) return false;
    pDropList->SetCurrentSel(selAtOpen);
    SetFocus(hEdit);  // the list hides as it loses the focus
    return true;
}
