// Kernel services: memory blocks, modules and their resources, time, strings.
#pragma once

#include <string.h>

#include "windef.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define LMEM_FIXED 0x0000
#define LMEM_MOVEABLE 0x0002
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_RCDATA MAKEINTRESOURCEW(10)
#define RT_DIALOG MAKEINTRESOURCEW(5)

#define INFINITE 0xFFFFFFFF

#define CopyMemory(dst, src, n) memcpy((dst), (src), (n))
#define MoveMemory(dst, src, n) memmove((dst), (src), (n))
#define FillMemory(dst, n, v) memset((dst), (v), (n))
#define ZeroMemory(dst, n) memset((dst), 0, (n))

// Memory blocks
WINCORE_API HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes);
WINCORE_API HLOCAL WINAPI LocalFree(HLOCAL block);
WINCORE_API LPVOID WINAPI LocalLock(HLOCAL block);
WINCORE_API BOOL WINAPI LocalUnlock(HLOCAL block);
WINCORE_API SIZE_T WINAPI LocalSize(HLOCAL block);
WINCORE_API HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
WINCORE_API HGLOBAL WINAPI GlobalFree(HGLOBAL block);
WINCORE_API LPVOID WINAPI GlobalLock(HGLOBAL block);
WINCORE_API BOOL WINAPI GlobalUnlock(HGLOBAL block);
WINCORE_API SIZE_T WINAPI GlobalSize(HGLOBAL block);
WINCORE_API HGLOBAL WINAPI GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);

// Modules and resources
WINCORE_API HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName);
WINCORE_API DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);
WINCORE_API HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
WINCORE_API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
WINCORE_API LPVOID WINAPI LockResource(HGLOBAL resourceData);
WINCORE_API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
WINCORE_API BOOL WINAPI FreeResource(HGLOBAL resourceData);

// Time, errors
WINCORE_API DWORD WINAPI GetTickCount(void);
WINCORE_API void WINAPI Sleep(DWORD ms);
WINCORE_API DWORD WINAPI GetLastError(void);
WINCORE_API void WINAPI SetLastError(DWORD error);

// UTF-16 strings
WINCORE_API int WINAPI lstrlenW(LPCWSTR text);
WINCORE_API LPWSTR WINAPI lstrcpyW(LPWSTR dst, LPCWSTR src);
WINCORE_API LPWSTR WINAPI lstrcpynW(LPWSTR dst, LPCWSTR src, int maxCount);
WINCORE_API int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b);
WINCORE_API int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b);
WINCORE_API int WINAPI MulDiv(int number, int numerator, int denominator);

#define FindResource FindResourceW
#define GetModuleHandle GetModuleHandleW
#define lstrlen lstrlenW
#define lstrcpy lstrcpyW
#define lstrcpyn lstrcpynW
#define lstrcmp lstrcmpW
