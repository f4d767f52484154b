// Rectangle arithmetic.
#include <algorithm>

#include <windows.h>

WINCORE_API BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom)
{
    if (!rect) return FALSE;
    *rect = {left, top, right, bottom};
    return TRUE;
}

WINCORE_API BOOL WINAPI SetRectEmpty(LPRECT rect)
{
    return SetRect(rect, 0, 0, 0, 0);
}

WINCORE_API BOOL WINAPI CopyRect(LPRECT dst, const RECT* src)
{
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

WINCORE_API BOOL WINAPI IsRectEmpty(const RECT* rect)
{
    return !rect || rect->left >= rect->right || rect->top >= rect->bottom;
}

WINCORE_API BOOL WINAPI PtInRect(const RECT* rect, POINT point)
{
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top && point.y < rect->bottom;
}

WINCORE_API BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy)
{
    if (!rect) return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

WINCORE_API BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy)
{
    if (!rect) return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

WINCORE_API BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b) return FALSE;
    RECT result = {std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                   std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&result)) {
        SetRectEmpty(dst);
        return FALSE;
    }
    *dst = result;
    return TRUE;
}

WINCORE_API BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b) return FALSE;
    if (IsRectEmpty(a)) return CopyRect(dst, b) && !IsRectEmpty(b);
    if (IsRectEmpty(b)) return CopyRect(dst, a);
    *dst = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
            std::max(a->bottom, b->bottom)};
    return TRUE;
}

WINCORE_API BOOL WINAPI EqualRect(const RECT* a, const RECT* b)
{
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
