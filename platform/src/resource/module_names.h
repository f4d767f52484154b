// How a module name given to GetModuleHandleW is matched against a loaded object's file name.
#pragma once

#include <windows.h>

#include <string>

namespace wincore {

// "RKNavCtrlEx", "RKNavCtrlEx.dll" and "libRKNavCtrlEx.so" all name ".../libRKNavCtrlEx.so.1".
bool ModuleNameMatches(const std::string& path, LPCWSTR name);

std::u16string Utf16FromUtf8(const std::string& text);

}  // namespace wincore
