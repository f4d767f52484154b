#include "text.h"

#include <wincore/utf.h>

namespace rc {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Resolves one escape sequence starting after the backslash at `at`; returns the index after it.
size_t Escape(const std::string& raw, size_t at, std::string& out)
{
    char c = raw[at];
    switch (c) {
    case 'n': out += '\n'; return at + 1;
    case 't': out += '\t'; return at + 1;
    case 'r': out += '\r'; return at + 1;
    case 'a': out += '\a'; return at + 1;
    case 'x': {
        int value = 0;
        size_t end = at + 1;
        for (; end < raw.size() && end < at + 3 && HexDigit(raw[end]) >= 0; end++) value = value * 16 + HexDigit(raw[end]);
        out += char(value);
        return end;
    }
    default:
        break;
    }
    if (c >= '0' && c <= '7') {
        int value = 0;
        size_t end = at;
        for (; end < raw.size() && end < at + 3 && raw[end] >= '0' && raw[end] <= '7'; end++) value = value * 8 + (raw[end] - '0');
        out += char(value);
        return end;
    }
    out += c;
    return at + 1;
}

}  // namespace

std::u16string DecodeText(const Token& token)
{
    const std::string& raw = token.text;
    std::string bytes;
    for (size_t at = 0; at < raw.size();) {
        if (raw[at] == '\\' && at + 1 < raw.size()) {
            at = Escape(raw, at + 1, bytes);
        } else if (raw[at] == '"') {
            bytes += '"';
            at += 2;
        } else {
            bytes += raw[at++];
        }
    }
    std::optional<std::u16string> text = wincore::StrictUtf16FromUtf8(bytes);
    if (!text) Fail(token.where, "string is not valid UTF-8");
    return *text;
}

std::string FileName(const Token& token)
{
    std::string name;
    for (size_t at = 0; at < token.text.size(); at++) {
        char c = token.text[at];
        if (c == '\\' && at + 1 < token.text.size() && token.text[at + 1] == '\\') at++;
        name += c == '\\' ? '/' : c;
    }
    return name;
}

std::u16string UpperCase(std::u16string text)
{
    for (char16_t& c : text)
        if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    return text;
}

}  // namespace rc
