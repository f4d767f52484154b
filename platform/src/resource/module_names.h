// How a module name given to GetModuleHandleW is matched against a loaded object's file name.
#pragma once

#include <windows.h>

#include <string>

#include <wincore/utf.h>

namespace wincore {

// "RKNavCtrlEx", "RKNavCtrlEx.dll" and "libRKNavCtrlEx.so" all name ".../libRKNavCtrlEx.so.1".
bool ModuleNameMatches(const std::string& path, LPCWSTR name);

}  // namespace wincore
