#include "cursor.h"

#include <strings.h>

namespace rc {

bool Cursor::IsKeyword(const char* keyword, size_t ahead) const
{
    const Token& token = Peek(ahead);
    return token.kind == TokenKind::Name && strcasecmp(token.text.c_str(), keyword) == 0;
}

void Cursor::Expect(const char* punct, const std::string& context)
{
    if (!Accept(punct)) Unexpected(std::string("'") + punct + "' " + context);
}

void Cursor::Unexpected(const std::string& expected) const
{
    Fail(Peek().where, "expected " + expected + ", found " + Describe(Peek()));
}

std::string Describe(const Token& token)
{
    switch (token.kind) {
    case TokenKind::Number:
        return "number " + token.text;
    case TokenKind::Name:
        return "'" + token.text + "'";
    case TokenKind::String:
        return "string \"" + token.text + "\"";
    case TokenKind::Punct:
        return "'" + token.text + "'";
    case TokenKind::End:
        break;
    }
    return "end of file";
}

}  // namespace rc
