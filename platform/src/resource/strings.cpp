#include <windows.h>

int WINAPI lstrlenW(LPCWSTR text)
{
    if (!text) return 0;
    int length = 0;
    while (text[length]) length++;
    return length;
}

LPWSTR WINAPI lstrcpyW(LPWSTR dst, LPCWSTR src)
{
    if (!dst || !src) return nullptr;
    int i = 0;
    for (; src[i]; i++) dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

LPWSTR WINAPI lstrcpynW(LPWSTR dst, LPCWSTR src, int maxCount)
{
    if (!dst || !src) return nullptr;
    if (maxCount <= 0) return dst;
    int copied = 0;
    for (; copied < maxCount - 1 && src[copied]; copied++) dst[copied] = src[copied];
    dst[copied] = 0;
    return dst;
}
