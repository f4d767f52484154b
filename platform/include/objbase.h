// COM start-up, object creation and memory streams.
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "unknwn.h"
#include "objidl.h"

typedef enum tagCOINIT {
    COINIT_MULTITHREADED = 0x0,
    COINIT_APARTMENTTHREADED = 0x2,
    COINIT_DISABLE_OLE1DDE = 0x4,
    COINIT_SPEED_OVER_MEMORY = 0x8,
} COINIT;

typedef enum tagCLSCTX {
    CLSCTX_INPROC_SERVER = 0x1,
    CLSCTX_INPROC_HANDLER = 0x2,
    CLSCTX_LOCAL_SERVER = 0x4,
    CLSCTX_REMOTE_SERVER = 0x10,
} CLSCTX;
inline constexpr DWORD CLSCTX_INPROC = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER;
inline constexpr DWORD CLSCTX_SERVER = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
inline constexpr DWORD CLSCTX_ALL = CLSCTX_SERVER | CLSCTX_INPROC_HANDLER;

// Initialisation is counted for the whole process: the first call returns S_OK, later ones S_FALSE,
// and each successful call is balanced by one CoUninitialize.
WINCORE_API HRESULT WINAPI CoInitializeEx(LPVOID reserved, DWORD coInit);
WINCORE_API void WINAPI CoUninitialize(void);
WINCORE_API HRESULT WINAPI CoCreateInstance(REFCLSID classId, LPUNKNOWN outer, DWORD classContext, REFIID riid,
                                            LPVOID* object);

// A stream over a global memory block; a NULL block makes the stream allocate its own.
WINCORE_API HRESULT WINAPI CreateStreamOnHGlobal(HGLOBAL block, BOOL deleteOnRelease, LPSTREAM* stream);
