// Text laid out as cells, one per character, and split into the lines DrawTextW draws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "text/fonts.h"

namespace wincore {

struct Cell {
    Glyph glyph;  // glyph.face == nullptr for characters never drawn (control characters)
    int advance = 0;
    char32_t code = 0;
    uint8_t units = 0;  // UTF-16 code units the character came from
    bool underline = false;
};

// Literal: every character is text. Mnemonic: '&' is not drawn and underlines the character after
// it; "&&" is a literal '&'.
enum class Prefixes { Literal, Mnemonic };

// Reads exactly `count` UTF-16 units: surrogate pairs become one character, unpaired surrogates
// U+FFFD, control characters zero-width cells with nothing to draw.
void AppendCells(ResolvedFont& font, const WCHAR* text, size_t count, Prefixes prefixes, std::vector<Cell>& cells);
int64_t WidthOf(const Cell* begin, const Cell* end);

struct LineSpan {
    size_t begin = 0;
    size_t end = 0;  // trailing spaces of a wrapped line are left out
    int64_t width = 0;
};

// One line unless multi-line, where "\r\n", "\n" and "\r" end lines; with wordBreak, lines
// longer than maxWidth wrap at spaces (a word wider than maxWidth keeps a line of its own).
std::vector<LineSpan> BreakLines(const std::vector<Cell>& cells, bool multiLine, bool wordBreak, int64_t maxWidth);

}  // namespace wincore
