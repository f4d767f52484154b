// The library's process-wide state: its own module instance, through which every resource is
// found, and the one imaging factory that decodes every picture.
#pragma once

#include <windows.h>
#include <imaging.h>

#include "RKNavCtrlExApi.h"

RKNAVCTRLEX_API HINSTANCE GetModuleInstance();
RKNAVCTRLEX_API IImagingFactory* ImagingFactory();

extern "C" RKNAVCTRLEX_API BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
