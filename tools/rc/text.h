// The contents of a script's string literals.
#pragma once

#include <string>

#include "token.h"

namespace rc {

// Text that goes into a resource (captions, font faces, names): escapes and "" resolved, UTF-16.
std::u16string DecodeText(const Token& token);

// A file name: taken literally but for "\\", and with backslashes read as folder separators.
std::string FileName(const Token& token);

std::u16string UpperCase(std::u16string text);

}  // namespace rc
