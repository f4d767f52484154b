// The demo's texts: UTF-16 in the platform's WCHAR (char16_t on wincore, wchar_t on Windows).
#pragma once

#include <string>

#include <windows.h>

namespace demo {

using Text = std::basic_string<WCHAR>;

inline Text Ascii(const std::string& text)
{
    return Text(text.begin(), text.end());
}

}  // namespace demo
