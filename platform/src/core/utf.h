// UTF-16 and UTF-8 conversions for file names, font names and the like.
#pragma once

#include <cstddef>
#include <string>

namespace wincore {

void AppendUtf8(std::string& out, char32_t c);

// Converts up to `maxUnits` units of `text`, stopping at a NUL. An unpaired surrogate becomes
// U+FFFD, or makes the conversion fail when `strict` is set.
bool Utf8FromUtf16(const char16_t* text, size_t maxUnits, std::string& out, bool strict = false);
std::string Utf8FromUtf16(const char16_t* text);

// Invalid, overlong and surrogate sequences become U+FFFD.
std::u16string Utf16FromUtf8(const std::string& text);

}  // namespace wincore
