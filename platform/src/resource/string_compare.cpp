// lstrcmpW and lstrcmpiW order strings linguistically, as Win32 does, not by code unit: letters
// compare without regard to case first (lowercase wins a tie), punctuation sorts before digits
// and digits before letters, and hyphens and apostrophes count only when all else is equal.
#include <windows.h>

#include <cstdint>

namespace {

// Punctuation and symbols in Win32's sort order; all sort before the digits.
constexpr char kSymbolOrder[] = " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";
constexpr uint32_t kDigits = sizeof kSymbolOrder;
constexpr uint32_t kLetters = kDigits + 10;
constexpr uint32_t kOthers = kLetters + 26;

bool IsUpper(WCHAR c)
{
    return c >= u'A' && c <= u'Z';
}

WCHAR Fold(WCHAR c)
{
    return IsUpper(c) ? WCHAR(c - u'A' + u'a') : c;
}

// Characters that take part only in the final tie-break: hyphen, apostrophe and control characters.
bool IsIgnorable(WCHAR c)
{
    return c == u'-' || c == u'\'' || (c > 0 && c < 0x20) || c == 0x7F;
}

uint32_t Primary(WCHAR c)
{
    c = Fold(c);
    if (c >= u'a' && c <= u'z') return kLetters + (c - u'a');
    if (c >= u'0' && c <= u'9') return kDigits + (c - u'0');
    for (uint32_t i = 0; kSymbolOrder[i]; i++)
        if (c == WCHAR(kSymbolOrder[i])) return i + 1;
    return kOthers + c;
}

LPCWSTR SkipIgnorable(LPCWSTR text)
{
    while (IsIgnorable(*text)) text++;
    return text;
}

// Strings that differ only in ignorable characters (or, for lstrcmpW, in case): the one with an
// ignorable character where the other has none sorts after it.
int TieBreak(LPCWSTR a, LPCWSTR b, bool foldCase)
{
    for (; *a || *b; a++, b++) {
        WCHAR x = foldCase ? Fold(*a) : *a;
        WCHAR y = foldCase ? Fold(*b) : *b;
        if (x == y) continue;
        if (IsIgnorable(x) != IsIgnorable(y)) return IsIgnorable(x) ? 1 : -1;
        return x < y ? -1 : 1;
    }
    return 0;
}

int Compare(LPCWSTR a, LPCWSTR b, bool foldCase)
{
    if (!a || !b) return a == b ? 0 : (a ? 1 : -1);
    int byCase = 0;
    LPCWSTR p = SkipIgnorable(a);
    LPCWSTR q = SkipIgnorable(b);
    for (; *p && *q; p = SkipIgnorable(p + 1), q = SkipIgnorable(q + 1)) {
        uint32_t x = Primary(*p);
        uint32_t y = Primary(*q);
        if (x != y) return x < y ? -1 : 1;
        if (!byCase && IsUpper(*p) != IsUpper(*q)) byCase = IsUpper(*p) ? 1 : -1;
    }
    if (*p || *q) return *p ? 1 : -1;
    if (byCase && !foldCase) return byCase;
    return TieBreak(a, b, foldCase);
}

}  // namespace

int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b)
{
    return Compare(a, b, false);
}

int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b)
{
    return Compare(a, b, true);
}
