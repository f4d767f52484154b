#include "kit/StoredText.h"

namespace kit {

namespace {

bool IsHighSurrogate(WCHAR unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

int KeptLength(const WCHAR* text, int capacity)
{
    if (!text) return 0;
    int length = 0;
    while (length < capacity && text[length]) length++;
    if (length == capacity && length > 0 && text[length] && IsHighSurrogate(text[length - 1])) length--;
    return length;
}

int FieldLength(const WCHAR* field, int capacity)
{
    int length = 0;
    while (length < capacity && field[length]) length++;
    return length;
}

void StoreText(WCHAR* field, int capacity, const WCHAR* text)
{
    const int length = KeptLength(text, capacity);
    for (int i = 0; i < capacity; i++) field[i] = i < length ? text[i] : WCHAR(0);
}

}  // namespace kit
