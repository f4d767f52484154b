// The list view's invariants, for the list itself and for the combo box's drop-down list.
#pragma once

#include "NavListViewEx.h"

// Checks what holds after every step. `current`: no operation since the last paint has changed
// what the rows show without repainting them, so that rows painted since show the items.
void CheckList(NavListViewEx& list, bool current);
