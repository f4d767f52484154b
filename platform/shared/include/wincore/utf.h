// UTF-16 and UTF-8 for the whole tree: wincore's file and font names, the resource compiler's
// scripts, and hosts (tests, benchmarks, the demo) that print or compare texts. Header-only, so
// that a build tool can use it without linking wincore; any 16-bit unit type serves (WCHAR is
// wchar_t on Windows, char16_t elsewhere).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace wincore {

namespace utf {

constexpr char32_t kReplacement = 0xFFFD;

inline bool IsLead(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

inline bool IsTrail(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Length of the UTF-8 sequence that `lead` starts, or 0 for a byte that cannot start one.
inline int SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 0;
}

// Decodes the sequence at `i`; returns its length, or 0 when it is not valid UTF-8 (overlong,
// a surrogate, beyond U+10FFFF or cut short).
inline int DecodeUtf8(const std::string& text, size_t i, char32_t& c)
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

inline void AppendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += char16_t(c);
        return;
    }
    c -= 0x10000;
    out += char16_t(0xD800 + (c >> 10));
    out += char16_t(0xDC00 + (c & 0x3FF));
}

}  // namespace utf

inline void AppendUtf8(std::string& out, char32_t c)
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

// Converts up to `maxUnits` units of `text`, stopping at a NUL. An unpaired surrogate becomes
// U+FFFD, or makes the conversion fail when `strict` is set.
template <class Unit>
bool Utf8FromUtf16(const Unit* text, size_t maxUnits, std::string& out, bool strict = false)
{
    static_assert(sizeof(Unit) == 2, "UTF-16 units");
    out.clear();
    for (size_t i = 0; i < maxUnits && text[i]; i++) {
        char32_t c = char16_t(text[i]);
        if (utf::IsLead(c) && i + 1 < maxUnits && utf::IsTrail(char16_t(text[i + 1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(char16_t(text[i + 1])) - 0xDC00);
            i++;
        } else if (utf::IsLead(c) || utf::IsTrail(c)) {
            if (strict) return false;
            c = utf::kReplacement;
        }
        AppendUtf8(out, c);
    }
    return true;
}

template <class Unit>
std::string Utf8FromUtf16(const Unit* text)
{
    std::string out;
    if (text) Utf8FromUtf16(text, std::string::npos, out);
    return out;
}

template <class Unit>
std::string Utf8FromUtf16(const std::basic_string<Unit>& text)
{
    std::string out;
    Utf8FromUtf16(text.c_str(), text.size(), out);
    return out;
}

// Invalid, overlong and surrogate sequences become U+FFFD.
inline std::u16string Utf16FromUtf8(const std::string& text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        int length = utf::DecodeUtf8(text, i, c);
        if (length == 0) {
            out += char16_t(utf::kReplacement);
            i++;
            continue;
        }
        utf::AppendUtf16(out, c);
        i += length;
    }
    return out;
}

// Nothing when `text` is not valid UTF-8.
inline std::optional<std::u16string> StrictUtf16FromUtf8(const std::string& text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        int length = utf::DecodeUtf8(text, i, c);
        if (length == 0) return std::nullopt;
        utf::AppendUtf16(out, c);
        i += length;
    }
    return out;
}

}  // namespace wincore
