#include "unicode.h"

namespace rc {

namespace {

int SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 0;
}

std::optional<char32_t> Decode(const std::string& text, size_t at, int length)
{
    if (length == 0 || at + length > text.size()) return std::nullopt;
    unsigned char lead = (unsigned char)text[at];
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; k++) {
        unsigned char next = (unsigned char)text[at + k];
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
    return c;
}

}  // namespace

std::optional<std::u16string> Utf16FromUtf8(const std::string& text)
{
    std::u16string out;
    for (size_t at = 0; at < text.size();) {
        int length = SequenceLength((unsigned char)text[at]);
        std::optional<char32_t> c = Decode(text, at, length);
        if (!c) return std::nullopt;
        if (*c < 0x10000) {
            out += char16_t(*c);
        } else {
            out += char16_t(0xD800 + ((*c - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((*c - 0x10000) & 0x3FF));
        }
        at += length;
    }
    return out;
}

}  // namespace rc
