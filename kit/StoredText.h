// Texts the controls store in fields of a fixed number of UTF-16 units: a field keeps at most its
// capacity, without a terminator when it is full.
#pragma once

#include <windows.h>

namespace kit {

// Units of `text` a field of `capacity` keeps: up to the terminator or the capacity, one less
// where the cut would split a surrogate pair. A null text keeps none.
int KeptLength(const WCHAR* text, int capacity);
// Units in a field of `capacity`: up to its terminator, or all of them when it is full.
int FieldLength(const WCHAR* field, int capacity);
// Stores the kept part of `text` and clears the rest of the field.
void StoreText(WCHAR* field, int capacity, const WCHAR* text);

}  // namespace kit
