// GDI: device contexts, bitmaps, pens, brushes, fonts, regions, drawing and text.
#pragma once

#include "windef.h"

#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define NOTSRCCOPY 0x00330008
#define DSTINVERT 0x00550009
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062
#define PATCOPY 0x00F00021

#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

#define TRANSPARENT 1
#define OPAQUE 2

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

#define PS_SOLID 0
#define PS_DASH 1
#define PS_NULL 5

#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_MEMDC 10

#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMCOLORS 24
#define LOGPIXELSX 88
#define LOGPIXELSY 90

#define BI_RGB 0L
#define BI_BITFIELDS 3L
#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1

#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5

#define CLR_INVALID 0xFFFFFFFF

#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900
#define DEFAULT_CHARSET 1
#define ANSI_CHARSET 0
#define SHIFTJIS_CHARSET 128
#define HANGEUL_CHARSET 129
#define HANGUL_CHARSET 129
#define GB2312_CHARSET 134
#define CHINESEBIG5_CHARSET 136
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0
#define FF_SWISS 0x20
#define LF_FACESIZE 32

#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_TRUETYPE 0x04

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *PBITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO, *PBITMAPINFO, *LPBITMAPINFO;

#pragma pack(push, 2)
typedef struct tagBITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
} BITMAPFILEHEADER;
#pragma pack(pop)

typedef struct tagLOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH;

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN;

typedef struct tagLOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
} LOGFONTW, *PLOGFONTW, *LPLOGFONTW, LOGFONT;

typedef struct tagTEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICW, *LPTEXTMETRICW, TEXTMETRIC;

// Device contexts
WINCORE_API HDC WINAPI CreateCompatibleDC(HDC dc);
WINCORE_API BOOL WINAPI DeleteDC(HDC dc);
WINCORE_API HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object);
WINCORE_API HGDIOBJ WINAPI GetCurrentObject(HDC dc, UINT type);
WINCORE_API BOOL WINAPI DeleteObject(HGDIOBJ object);
WINCORE_API HGDIOBJ WINAPI GetStockObject(int index);
WINCORE_API int WINAPI GetObjectW(HGDIOBJ object, int size, LPVOID buffer);
WINCORE_API DWORD WINAPI GetObjectType(HGDIOBJ object);
WINCORE_API int WINAPI GetDeviceCaps(HDC dc, int index);

// Bitmaps
WINCORE_API HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height);
WINCORE_API HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
WINCORE_API HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                            DWORD offset);
WINCORE_API BOOL WINAPI BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
WINCORE_API BOOL WINAPI StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                                   int srcWidth, int srcHeight, DWORD rop);
WINCORE_API int WINAPI SetStretchBltMode(HDC dc, int mode);
WINCORE_API int WINAPI GetStretchBltMode(HDC dc);
WINCORE_API int WINAPI StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                                     int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
WINCORE_API int WINAPI SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int srcX, int srcY,
                                         UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                                         UINT usage);
WINCORE_API BOOL WINAPI TransparentImage(HDC dst, int x, int y, int width, int height, HANDLE src, int srcX,
                                         int srcY, int srcWidth, int srcHeight, COLORREF transparent);
#define TransparentBlt TransparentImage
WINCORE_API COLORREF WINAPI GetPixel(HDC dc, int x, int y);
WINCORE_API COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color);
WINCORE_API BOOL WINAPI PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Pens, brushes, lines, shapes
WINCORE_API HPEN WINAPI CreatePen(int style, int width, COLORREF color);
WINCORE_API HBRUSH WINAPI CreateSolidBrush(COLORREF color);
WINCORE_API BOOL WINAPI MoveToEx(HDC dc, int x, int y, LPPOINT previous);
WINCORE_API BOOL WINAPI LineTo(HDC dc, int x, int y);
WINCORE_API BOOL WINAPI Polyline(HDC dc, const POINT* points, int count);
WINCORE_API BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom);

// Colours and modes
WINCORE_API COLORREF WINAPI SetTextColor(HDC dc, COLORREF color);
WINCORE_API COLORREF WINAPI GetTextColor(HDC dc);
WINCORE_API COLORREF WINAPI SetBkColor(HDC dc, COLORREF color);
WINCORE_API COLORREF WINAPI GetBkColor(HDC dc);
WINCORE_API int WINAPI SetBkMode(HDC dc, int mode);
WINCORE_API int WINAPI GetBkMode(HDC dc);

// Coordinates and clipping
WINCORE_API BOOL WINAPI SetViewportOrgEx(HDC dc, int x, int y, LPPOINT previous);
WINCORE_API BOOL WINAPI GetViewportOrgEx(HDC dc, LPPOINT origin);
WINCORE_API BOOL WINAPI OffsetViewportOrgEx(HDC dc, int dx, int dy, LPPOINT previous);
WINCORE_API HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
WINCORE_API HRGN WINAPI CreateRectRgnIndirect(const RECT* rect);
WINCORE_API int WINAPI CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
WINCORE_API int WINAPI GetRgnBox(HRGN region, LPRECT rect);
WINCORE_API BOOL WINAPI PtInRegion(HRGN region, int x, int y);
WINCORE_API int WINAPI SelectClipRgn(HDC dc, HRGN region);
WINCORE_API int WINAPI IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
WINCORE_API int WINAPI ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
WINCORE_API int WINAPI GetClipBox(HDC dc, LPRECT rect);

// Fonts and text
WINCORE_API HFONT WINAPI CreateFontIndirectW(const LOGFONTW* font);
WINCORE_API BOOL WINAPI GetTextMetricsW(HDC dc, LPTEXTMETRICW metrics);
WINCORE_API BOOL WINAPI GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size);
WINCORE_API BOOL WINAPI GetTextExtentExPointW(HDC dc, LPCWSTR text, int count, int maxExtent, LPINT fit,
                                              LPINT dx, LPSIZE size);
WINCORE_API BOOL WINAPI ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                                    const INT* dx);
WINCORE_API int WINAPI GetTextFaceW(HDC dc, int count, LPWSTR faceName);

#define GetObject GetObjectW
#define CreateFontIndirect CreateFontIndirectW
#define GetTextMetrics GetTextMetricsW
#define GetTextExtentPoint32 GetTextExtentPoint32W
#define GetTextExtentExPoint GetTextExtentExPointW
#define ExtTextOut ExtTextOutW
