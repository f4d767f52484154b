// Per-DC drawing state and device capabilities.
#include <utility>

#include "gdi/device.h"
#include "gdi/gdi.h"

using namespace wincore;

WINCORE_API COLORREF WINAPI SetTextColor(HDC handle, COLORREF color)
{
    DC* dc = Lookup<DC>(handle);
    return dc ? std::exchange(dc->textColor, color & 0xFFFFFF) : CLR_INVALID;
}

WINCORE_API COLORREF WINAPI GetTextColor(HDC handle)
{
    DC* dc = Lookup<DC>(handle);
    return dc ? dc->textColor : CLR_INVALID;
}

WINCORE_API COLORREF WINAPI SetBkColor(HDC handle, COLORREF color)
{
    DC* dc = Lookup<DC>(handle);
    return dc ? std::exchange(dc->bkColor, color & 0xFFFFFF) : CLR_INVALID;
}

WINCORE_API COLORREF WINAPI GetBkColor(HDC handle)
{
    DC* dc = Lookup<DC>(handle);
    return dc ? dc->bkColor : CLR_INVALID;
}

WINCORE_API int WINAPI SetBkMode(HDC handle, int mode)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(dc->bkMode, mode);
}

WINCORE_API int WINAPI GetBkMode(HDC handle)
{
    DC* dc = Lookup<DC>(handle);
    return dc ? dc->bkMode : 0;
}

WINCORE_API int WINAPI SetStretchBltMode(HDC handle, int mode)
{
    DC* dc = Lookup<DC>(handle);
    if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return std::exchange(dc->stretchMode, mode);
}

WINCORE_API int WINAPI GetStretchBltMode(HDC handle)
{
    DC* dc = Lookup<DC>(handle);
    return dc ? dc->stretchMode : 0;
}

WINCORE_API int WINAPI GetDeviceCaps(HDC handle, int index)
{
    if (!Lookup<DC>(handle)) return 0;
    int dpi = ScreenDpi();
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return dpi;
    case HORZRES: return GetSystemMetrics(SM_CXSCREEN);
    case VERTRES: return GetSystemMetrics(SM_CYSCREEN);
    case HORZSIZE: return MulDiv(GetSystemMetrics(SM_CXSCREEN), 254, dpi * 10);
    case VERTSIZE: return MulDiv(GetSystemMetrics(SM_CYSCREEN), 254, dpi * 10);
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    default: return 0;
    }
}
