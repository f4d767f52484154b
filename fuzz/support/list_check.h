// The list view's invariants, read from its protected state, for the list itself and for the
// combo box's drop-down list.
#pragma once

#include "NavListViewEx.h"

// Checks the invariants that hold after every step. `painted`: the list has just been painted
// from its current items, so its visible rows must show them.
void CheckList(const NavListViewEx& list, bool painted);

// Whether the list's window has been painted with nothing left to paint.
bool FreshlyPainted(NavListViewEx& list);
