// The tokens of a preprocessed resource script.
#pragma once

#include <cstdint>
#include <string>

#include "diagnostics.h"

namespace rc {

enum class TokenKind { Number, Name, String, Punct, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;    // a name, a punctuation character, or a string's content between the quotes
    uint32_t value = 0;  // a number's value
    Location where;
};

}  // namespace rc
