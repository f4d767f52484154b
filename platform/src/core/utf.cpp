#include "core/utf.h"

namespace wincore {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsLead(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsTrail(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Length of the UTF-8 sequence that `lead` starts, or 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 0;
}

void AppendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += char16_t(c);
        return;
    }
    c -= 0x10000;
    out += char16_t(0xD800 + (c >> 10));
    out += char16_t(0xDC00 + (c & 0x3FF));
}

// Decodes the sequence at `i`; returns its length, or 0 when it is not valid UTF-8.
int DecodeUtf8(const std::string& text, size_t i, char32_t& c)
{
    unsigned char lead = (unsigned char)text[i];
    int length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) return 0;
    c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; k++) {
        unsigned char next = (unsigned char)text[i + k];
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return 0;
    return length;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool Utf8FromUtf16(const char16_t* text, size_t maxUnits, std::string& out, bool strict)
{
    out.clear();
    for (size_t i = 0; i < maxUnits && text[i]; i++) {
        char32_t c = text[i];
        if (IsLead(c) && i + 1 < maxUnits && IsTrail(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            i++;
        } else if (IsLead(c) || IsTrail(c)) {
            if (strict) return false;
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return true;
}

std::string Utf8FromUtf16(const char16_t* text)
{
    std::string out;
    if (text) Utf8FromUtf16(text, std::string::npos, out);
    return out;
}

std::u16string Utf16FromUtf8(const std::string& text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        int length = DecodeUtf8(text, i, c);
        if (length == 0) {
            out += char16_t(kReplacement);
            i++;
            continue;
        }
        AppendUtf16(out, c);
        i += length;
    }
    return out;
}

}  // namespace wincore
