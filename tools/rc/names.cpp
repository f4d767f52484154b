#include "names.h"

#include "expression.h"
#include "text.h"

namespace rc {

namespace {

constexpr const char* kMemoryOptions[] = {
    "PRELOAD", "LOADONCALL", "FIXED", "MOVEABLE", "DISCARDABLE", "PURE", "IMPURE", "SHARED", "NONSHARED",
};

}  // namespace

ResourceId ParseResourceName(Cursor& cursor, const char* what)
{
    const Token& token = cursor.Peek();
    if (StartsExpression(cursor)) {
        uint32_t value = ParseExpression(cursor);
        if (value < 1 || value > 0xFFFF)
            Fail(token.where, "id " + std::to_string(int32_t(value)) + " is outside 1..65535");
        return ResourceId::Number(uint16_t(value));
    }
    if (token.kind == TokenKind::Name) return ResourceId{0, UpperCase(DecodeText(cursor.Next()))};
    if (token.kind == TokenKind::String) {
        std::u16string text = DecodeText(cursor.Next());
        if (text.empty()) Fail(token.where, std::string(what) + " is empty");
        return ResourceId{0, UpperCase(text)};
    }
    cursor.Unexpected(what);
}

void SkipMemoryOptions(Cursor& cursor)
{
    for (bool skipped = true; skipped;) {
        skipped = false;
        for (const char* option : kMemoryOptions)
            if (cursor.AcceptKeyword(option)) skipped = true;
    }
}

}  // namespace rc
