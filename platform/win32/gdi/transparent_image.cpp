// TransparentImage on desktop Windows: TransparentBlt, which takes only a device context, so a
// bitmap source is selected into a memory DC for the copy.
#include <windows.h>

extern "C" BOOL WINAPI TransparentImage(HDC dst, int x, int y, int width, int height, HANDLE src, int srcX,
                                        int srcY, int srcWidth, int srcHeight, COLORREF transparent)
{
    if (!dst || !src) return FALSE;
    DWORD type = GetObjectType(src);
    if (type == OBJ_DC || type == OBJ_MEMDC)
        return TransparentBlt(dst, x, y, width, height, HDC(src), srcX, srcY, srcWidth, srcHeight, transparent);
    if (type != OBJ_BITMAP) return FALSE;
    HDC memory = CreateCompatibleDC(dst);
    if (!memory) return FALSE;
    HGDIOBJ old = SelectObject(memory, src);
    BOOL done = old ? TransparentBlt(dst, x, y, width, height, memory, srcX, srcY, srcWidth, srcHeight, transparent)
                    : FALSE;
    if (old) SelectObject(memory, old);
    DeleteDC(memory);
    return done;
}
