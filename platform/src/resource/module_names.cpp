#include "resource/module_names.h"

#include <cctype>

namespace wincore {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

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

std::string Utf8FromUtf16(LPCWSTR text)
{
    std::string out;
    for (size_t i = 0; text[i]; i++) {
        char32_t c = text[i];
        bool lead = c >= 0xD800 && c < 0xDC00;
        bool trail = text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (lead && trail) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            i++;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
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

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Where ".so" starts when it is followed by nothing but version numbers (".so", ".so.1.2").
size_t SharedObjectSuffix(const std::string& name)
{
    for (size_t at = name.find(".so"); at != std::string::npos; at = name.find(".so", at + 1)) {
        size_t rest = at + 3;
        while (rest < name.size() && name[rest] == '.' && rest + 1 < name.size() && isdigit((unsigned char)name[rest + 1])) {
            rest++;
            while (rest < name.size() && isdigit((unsigned char)name[rest])) rest++;
        }
        if (rest == name.size()) return at;
    }
    return std::string::npos;
}

// The file's base name, folded, without directory, "lib" prefix and extension.
std::string Stem(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    for (char& c : name) c = FoldAscii(c);
    size_t so = SharedObjectSuffix(name);
    if (so != std::string::npos)
        name.resize(so);
    else if (EndsWith(name, ".dll") || EndsWith(name, ".exe"))
        name.resize(name.size() - 4);
    if (name.size() > 3 && name.compare(0, 3, "lib") == 0) name.erase(0, 3);
    return name;
}

}  // namespace

bool ModuleNameMatches(const std::string& path, LPCWSTR name)
{
    std::string wanted = Stem(Utf8FromUtf16(name));
    return !wanted.empty() && wanted == Stem(path);
}

std::u16string Utf16FromUtf8(const std::string& text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = (unsigned char)text[i];
        int length = SequenceLength(lead);
        if (length == 0 || i + length > text.size()) {
            out += char16_t(kReplacement);
            i++;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; k++) {
            unsigned char next = (unsigned char)text[i + k];
            valid = valid && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (!valid || overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
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
