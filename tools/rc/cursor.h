// Walks the token list of a preprocessed script.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "token.h"

namespace rc {

class Cursor {
public:
    explicit Cursor(const std::vector<Token>& tokens) : tokens_(tokens) {}

    const Token& Peek(size_t ahead = 0) const
    {
        size_t at = std::min(position_ + ahead, tokens_.size() - 1);
        return tokens_[at];
    }
    const Token& Next()
    {
        const Token& token = Peek();
        if (position_ + 1 < tokens_.size()) position_++;
        return token;
    }
    bool AtEnd() const { return Peek().kind == TokenKind::End; }

    bool IsPunct(const char* punct, size_t ahead = 0) const
    {
        return Peek(ahead).kind == TokenKind::Punct && Peek(ahead).text == punct;
    }
    // Keywords are matched without regard to case, as rc does.
    bool IsKeyword(const char* keyword, size_t ahead = 0) const;

    bool Accept(const char* punct)
    {
        if (!IsPunct(punct)) return false;
        Next();
        return true;
    }
    bool AcceptKeyword(const char* keyword)
    {
        if (!IsKeyword(keyword)) return false;
        Next();
        return true;
    }
    void Expect(const char* punct, const std::string& context);
    [[noreturn]] void Unexpected(const std::string& expected) const;

private:
    const std::vector<Token>& tokens_;
    size_t position_ = 0;
};

std::string Describe(const Token& token);

}  // namespace rc
