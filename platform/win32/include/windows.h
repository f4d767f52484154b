// Desktop Windows with what Windows CE adds and the controls use. The build defines NOMINMAX, so
// that std::min and std::max stay functions.
#pragma once

#include_next <windows.h>

// Windows CE's colour-keyed copy: `src` is a device context or a bitmap.
extern "C" BOOL WINAPI TransparentImage(HDC dst, int x, int y, int width, int height, HANDLE src, int srcX,
                                        int srcY, int srcWidth, int srcHeight, COLORREF transparent);
