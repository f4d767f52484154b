// The keys both menu windows share: the hot item that Up and Down move, whether an opening comes
// from a key, and what the windows ask of a dialog manager.
#pragma once

#include <windows.h>

#include <vector>

#include "menu/MenuItem.h"

namespace menu {

// Moves the hot item to the next (+1) or previous (-1) enabled, shown item, wrapping; without a
// hot item, to the first or the last. False when no item can be hot.
bool StepHot(std::vector<tagMW_Item>& items, int direction);

// Makes the first enabled, shown item the only hot one.
void HotFirst(std::vector<tagMW_Item>& items);

// The hot item that Enter picks, or null.
const tagMW_Item* HotItem(const std::vector<tagMW_Item>& items);

// True while a key other than a modifier is down, which is when an opening runs inside the
// handling of a key (the key state follows the messages taken).
bool OpenedFromKey();

// Arrows, Enter and Escape are the menu's; Tab stays the dialog's.
LRESULT DialogCode(const MSG* msg);

// Answers WM_GETDLGCODE from a dialog procedure, which returns the code through DWLP_MSGRESULT.
INT_PTR AnswerDialogCode(HWND hwnd, LPARAM lParam);

}  // namespace menu
