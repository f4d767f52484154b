// UTF-8 to UTF-16, for the strings a script puts into resources.
#pragma once

#include <optional>
#include <string>

namespace rc {

// Nothing when `text` is not valid UTF-8.
std::optional<std::u16string> Utf16FromUtf8(const std::string& text);

}  // namespace rc
