// Keys as gesture scripts name them: Win32's VK_ names (VK_TAB, VK_F10, ...) and single letters
// and digits, whose virtual-key codes are their upper-case characters.
#pragma once

#include <string>

#include <windows.h>

namespace demo {

// False for a name that is neither in the table nor a letter A-Z or digit 0-9.
bool ReadKeyName(const std::string& name, UINT* vk);
// The name that reads back as `vk`; empty for a key no name stands for.
std::string KeyName(UINT vk);

}  // namespace demo
