// Integer expressions as rc evaluates them: numbers, the Win32 constants scripts use by name,
// + - * / & | ~ and parentheses, with C's precedence.
#pragma once

#include <cstdint>

#include "cursor.h"

namespace rc {

uint32_t ParseExpression(Cursor& cursor);

// A style such as `WS_POPUP | DS_SETFONT`: the terms are or-ed into `initial`, and a term
// written `NOT X` removes X instead.
uint32_t ParseStyle(Cursor& cursor, uint32_t initial);

// Whether the next token can begin an expression.
bool StartsExpression(const Cursor& cursor);

}  // namespace rc
