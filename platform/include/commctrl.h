// Common controls: image lists.
#pragma once

#include "windows.h"

struct _IMAGELIST;
typedef struct _IMAGELIST* HIMAGELIST;

#define CLR_NONE 0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L

#define ILC_MASK 0x00000001
#define ILC_COLOR 0x00000000
#define ILC_COLORDDB 0x000000FE
#define ILC_COLOR4 0x00000004
#define ILC_COLOR8 0x00000008
#define ILC_COLOR16 0x00000010
#define ILC_COLOR24 0x00000018
#define ILC_COLOR32 0x00000020

#define ILD_NORMAL 0x00000000
#define ILD_TRANSPARENT 0x00000001

WINCORE_API HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
WINCORE_API BOOL WINAPI ImageList_Destroy(HIMAGELIST himl);
WINCORE_API int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP image, HBITMAP mask);
WINCORE_API int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP image, COLORREF mask);
WINCORE_API BOOL WINAPI ImageList_Remove(HIMAGELIST himl, int index);
WINCORE_API HIMAGELIST WINAPI ImageList_LoadImageW(HINSTANCE instance, LPCWSTR name, int cx, int grow, COLORREF mask,
                                                   UINT type, UINT flags);
WINCORE_API BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int index, HDC dc, int x, int y, UINT style);
WINCORE_API BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);
WINCORE_API int WINAPI ImageList_GetImageCount(HIMAGELIST himl);
WINCORE_API COLORREF WINAPI ImageList_SetBkColor(HIMAGELIST himl, COLORREF color);
WINCORE_API COLORREF WINAPI ImageList_GetBkColor(HIMAGELIST himl);

#define ImageList_LoadImage ImageList_LoadImageW
#define ImageList_LoadBitmap(instance, name, cx, grow, mask) \
    ImageList_LoadImageW(instance, name, cx, grow, mask, IMAGE_BITMAP, 0)
#define ImageList_RemoveAll(himl) ImageList_Remove(himl, -1)
