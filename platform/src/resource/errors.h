// Win32 error codes that this area reports and the public header does not name.
#pragma once

#include <windows.h>

namespace wincore {

constexpr DWORD kErrorInsufficientBuffer = 122;
constexpr DWORD kErrorModNotFound = 126;
constexpr DWORD kErrorNotLocked = 158;
constexpr DWORD kErrorResourceTypeNotFound = 1813;

}  // namespace wincore
