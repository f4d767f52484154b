// Moving the hot item over the items that keys can reach, and telling a key's opening from the pen's.
#include "menu/MenuKeys.h"

namespace menu {

namespace {

constexpr int kFirstKey = VK_BACK;  // below it: the mouse buttons and Ctrl+Break
constexpr int kLastKey = 0xFE;

bool CanBeHot(const tagMW_Item& item)
{
    return !item.bDisabled && !(item.uFlags & MWF_HIDDEN);
}

bool IsModifier(int key)
{
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || (key >= VK_LSHIFT && key <= VK_RMENU);
}

int HotIndex(const std::vector<tagMW_Item>& items)
{
    for (size_t i = 0; i < items.size(); i++)
        if (items[i].bHot) return int(i);
    return -1;
}

}  // namespace

bool StepHot(std::vector<tagMW_Item>& items, int direction)
{
    const int count = int(items.size());
    const int hot = HotIndex(items);
    const int start = hot >= 0 ? hot : direction > 0 ? -1 : count;
    for (int i = 1; i <= count; i++) {
        const int candidate = ((start + direction * i) % count + count) % count;
        if (!CanBeHot(items[size_t(candidate)])) continue;
        for (tagMW_Item& item : items) item.bHot = 0;
        items[size_t(candidate)].bHot = 1;
        return true;
    }
    return false;
}

void HotFirst(std::vector<tagMW_Item>& items)
{
    for (tagMW_Item& item : items) item.bHot = 0;
    StepHot(items, +1);
}

const tagMW_Item* HotItem(const std::vector<tagMW_Item>& items)
{
    const int hot = HotIndex(items);
    return hot >= 0 ? &items[size_t(hot)] : nullptr;
}

bool OpenedFromKey()
{
    for (int key = kFirstKey; key <= kLastKey; key++)
        if (!IsModifier(key) && (GetKeyState(key) & 0x8000)) return true;
    return false;
}

LRESULT DialogCode(const MSG* msg)
{
    const LRESULT code = DLGC_WANTARROWS;
    if (!msg || msg->message != WM_KEYDOWN) return code;
    if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) return code | DLGC_WANTMESSAGE;
    return code;
}

INT_PTR AnswerDialogCode(HWND hwnd, LPARAM lParam)
{
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, DialogCode(reinterpret_cast<const MSG*>(lParam)));
    return TRUE;
}

}  // namespace menu
