#include "preprocessor.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>

namespace rc {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxIncludeDepth = 32;
// Macros that expand to macros can double the work at every level; far more than any script
// needs, these stop a runaway expansion with an error instead of exhausting time and memory.
constexpr size_t kMaxEmitted = size_t(1) << 20;  // tokens emitted or expanded, in all
constexpr size_t kMaxExpansionDepth = 256;
constexpr uint32_t kUtf8CodePage = 65001;
constexpr const char* kPunctuation = ",|()+-~&*/{}!";

struct Line {
    int number;
    std::string text;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || IsDigit(c);
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

std::string Trim(const std::string& text)
{
    size_t begin = 0;
    while (begin < text.size() && IsSpace(text[begin])) begin++;
    size_t end = text.size();
    while (end > begin && IsSpace(text[end - 1])) end--;
    return text.substr(begin, end - begin);
}

std::optional<std::string> ReadText(const FileSource& files, const fs::path& path)
{
    std::optional<std::string> content = files.Read(path);
    if (content && content->compare(0, 3, "\xEF\xBB\xBF") == 0) content->erase(0, 3);
    return content;
}

// Removes comments and joins lines continued with a backslash. Text after a block comment that
// spans lines stays on the line where it stands, so that tokens keep their line numbers.
std::vector<Line> LogicalLines(const std::string& content, const std::string& file)
{
    std::vector<Line> lines;
    std::string current;
    int line = 1;
    int start = 1;
    int commentStart = 0;
    bool inString = false;
    bool inComment = false;
    for (size_t i = 0; i < content.size(); i++) {
        char c = content[i];
        char next = i + 1 < content.size() ? content[i + 1] : '\0';
        if (c == '\r') continue;
        if (c == '\n') {
            line++;
            if (!inComment && !current.empty() && current.back() == '\\') {
                current.pop_back();
                continue;
            }
            inString = false;
            lines.push_back({start, current});
            current.clear();
            start = line;
        } else if (inComment) {
            if (c == '*' && next == '/') {
                inComment = false;
                current += ' ';
                i++;
            }
        } else if (inString) {
            current += c;
            if (c == '"') inString = false;
            if (c == '\\' && next && next != '\n') current += content[++i];
        } else if (c == '/' && next == '/') {
            while (i + 1 < content.size() && content[i + 1] != '\n') i++;
        } else if (c == '/' && next == '*') {
            inComment = true;
            commentStart = line;
            i++;
        } else {
            inString = c == '"';
            current += c;
        }
    }
    if (inComment) Fail({file, commentStart}, "unterminated comment");
    lines.push_back({start, current});
    return lines;
}

uint32_t ParseNumberLiteral(std::string literal, const Location& where)
{
    while (!literal.empty() && strchr("uUlL", literal.back())) literal.pop_back();
    int base = 10;
    size_t at = 0;
    if (literal.size() > 2 && literal[0] == '0' && (literal[1] == 'x' || literal[1] == 'X')) {
        base = 16;
        at = 2;
    } else if (literal.size() > 1 && literal[0] == '0') {
        base = 8;
        at = 1;
    }
    uint64_t value = 0;
    for (; at < literal.size(); at++) {
        char c = char(tolower((unsigned char)literal[at]));
        int digit = IsDigit(c) ? c - '0' : (c >= 'a' && c <= 'f' ? c - 'a' + 10 : base);
        if (digit >= base) Fail(where, "malformed number '" + literal + "'");
        value = value * base + digit;
        if (value > 0xFFFFFFFFu) Fail(where, "number '" + literal + "' is too large");
    }
    return uint32_t(value);
}

// The end of the string literal whose opening quote is at `open`: "" and \" do not end it.
size_t StringEnd(const std::string& text, size_t open, const Location& where)
{
    for (size_t at = open + 1; at < text.size(); at++) {
        if (text[at] == '\\') {
            at++;
        } else if (text[at] == '"') {
            if (at + 1 >= text.size() || text[at + 1] != '"') return at;
            at++;
        }
    }
    Fail(where, "unterminated string");
}

std::string Describe(char c)
{
    if (c > ' ' && c < 0x7F) return std::string("'") + c + "'";
    char hex[8];
    snprintf(hex, sizeof hex, "0x%02X", (unsigned char)c);
    return std::string("byte ") + hex;
}

bool IsHeader(const fs::path& path)
{
    std::string extension = path.extension().string();
    for (char& c : extension) c = char(tolower((unsigned char)c));
    return extension == ".h" || extension == ".hpp" || extension == ".hh" || extension == ".c";
}

class Preprocessor {
public:
    Preprocessor(const fs::path& script, const std::vector<fs::path>& includeDirs, const FileSource& files)
        : scriptDir_(script.parent_path()), includeDirs_(includeDirs), files_(files)
    {
        defines_["RC_INVOKED"] = {Token{TokenKind::Number, "1", 1, {}}};
    }

    Preprocessed Run(const fs::path& script)
    {
        std::optional<std::string> content = ReadText(files_, script);
        if (!content) Fail({script.string(), 0}, "cannot open the script");
        ProcessFile(script, *content, 0);
        Token end;
        end.where = out_.tokens.empty() ? Location{script.string(), 1} : out_.tokens.back().where;
        out_.tokens.push_back(end);
        return std::move(out_);
    }

private:
    struct Condition {
        bool active;
        bool taken;
        bool sawElse;
        Location where;
    };

    void ProcessFile(const fs::path& path, const std::string& content, int depth)
    {
        out_.files.push_back(fs::absolute(path).lexically_normal());
        std::vector<Condition> conditions;
        bool headerOnly = IsHeader(path);
        for (const Line& line : LogicalLines(content, path.string())) {
            Location where{path.string(), line.number};
            std::string text = Trim(line.text);
            if (!text.empty() && text[0] == '#')
                Directive(text.substr(1), where, path, conditions, depth);
            else if (Active(conditions) && !headerOnly)
                for (const Token& token : Tokenize(text, where)) Emit(token);
        }
        if (!conditions.empty()) Fail(conditions.back().where, "#ifdef without #endif");
    }

    static bool Active(const std::vector<Condition>& conditions)
    {
        return conditions.empty() || conditions.back().active;
    }

    void Directive(const std::string& text, const Location& where, const fs::path& file,
                   std::vector<Condition>& conditions, int depth)
    {
        size_t nameEnd = 0;
        while (nameEnd < text.size() && IsSpace(text[nameEnd])) nameEnd++;
        size_t nameBegin = nameEnd;
        while (nameEnd < text.size() && IsNameChar(text[nameEnd])) nameEnd++;
        std::string name = text.substr(nameBegin, nameEnd - nameBegin);
        std::string rest = Trim(text.substr(nameEnd));
        if (name == "ifdef" || name == "ifndef" || name == "else" || name == "endif") {
            Conditional(name, rest, where, conditions);
            return;
        }
        if (!Active(conditions) || name.empty()) return;
        if (name == "include")
            Include(rest, where, file, depth);
        else if (name == "define")
            Define(rest, where);
        else if (name == "undef")
            defines_.erase(MacroName(rest, where));
        else if (name == "pragma")
            Pragma(rest, where);
        else if (name == "error")
            Fail(where, "#error " + rest);
        else
            Fail(where, "unsupported directive #" + name);
    }

    void Conditional(const std::string& name, const std::string& rest, const Location& where,
                     std::vector<Condition>& conditions)
    {
        if (name == "ifdef" || name == "ifndef") {
            bool defined = defines_.count(MacroName(rest, where)) != 0;
            bool taken = name == "ifdef" ? defined : !defined;
            conditions.push_back({Active(conditions) && taken, taken, false, where});
            return;
        }
        if (conditions.empty()) Fail(where, "#" + name + " without #ifdef");
        if (name == "endif") {
            conditions.pop_back();
            return;
        }
        Condition& condition = conditions.back();
        if (condition.sawElse) Fail(where, "a second #else");
        bool outerActive = conditions.size() < 2 || conditions[conditions.size() - 2].active;
        condition.sawElse = true;
        condition.active = outerActive && !condition.taken;
    }

    std::string MacroName(const std::string& text, const Location& where)
    {
        size_t end = 0;
        while (end < text.size() && IsNameChar(text[end])) end++;
        if (end == 0 || !IsNameStart(text[0])) Fail(where, "expected a macro name");
        return text.substr(0, end);
    }

    void Define(const std::string& text, const Location& where)
    {
        std::string name = MacroName(text, where);
        if (name.size() < text.size() && text[name.size()] == '(')
            Fail(where, "function-like macros are not supported");
        defines_[name] = Tokenize(text.substr(name.size()), where);
    }

    void Pragma(const std::string& text, const Location& where)
    {
        if (text.compare(0, 9, "code_page") != 0) return;
        std::vector<Token> tokens = Tokenize(text.substr(9), where);
        bool wellFormed = tokens.size() == 3 && tokens[0].text == "(" && tokens[1].kind == TokenKind::Number &&
                          tokens[2].text == ")";
        if (!wellFormed) Fail(where, "expected #pragma code_page(65001)");
        if (tokens[1].value != kUtf8CodePage) Fail(where, "only code page 65001 (UTF-8) is supported");
    }

    void Include(const std::string& text, const Location& where, const fs::path& file, int depth)
    {
        char close = text.empty() ? 0 : (text[0] == '"' ? '"' : (text[0] == '<' ? '>' : 0));
        size_t end = close ? text.find(close, 1) : std::string::npos;
        if (end == std::string::npos) Fail(where, "expected #include \"file\" or <file>");
        std::string name = text.substr(1, end - 1);
        std::optional<fs::path> path = FindInclude(name, close == '"', file.parent_path());
        if (!path && close == '>') return;
        if (!path) Fail(where, "cannot open include file '" + name + "'");
        if (depth + 1 > kMaxIncludeDepth) Fail(where, "includes nest too deeply");
        std::optional<std::string> content = ReadText(files_, *path);
        if (!content) Fail(where, "cannot read include file '" + name + "'");
        ProcessFile(*path, *content, depth + 1);
    }

    std::optional<fs::path> FindInclude(const std::string& name, bool quoted, const fs::path& currentDir) const
    {
        std::vector<fs::path> candidates;
        if (fs::path(name).is_absolute()) candidates.push_back(name);
        if (quoted) {
            candidates.push_back(currentDir / name);
            candidates.push_back(scriptDir_ / name);
        }
        for (const fs::path& dir : includeDirs_) candidates.push_back(dir / name);
        for (const fs::path& candidate : candidates)
            if (files_.IsFile(candidate)) return candidate;
        return std::nullopt;
    }

    void Emit(const Token& token)
    {
        if (++emitted_ > kMaxEmitted) Fail(token.where, "macros expand to too many tokens");
        auto found = token.kind == TokenKind::Name ? defines_.find(token.text) : defines_.end();
        if (found == defines_.end() || expanding_.count(token.text)) {
            out_.tokens.push_back(token);
            return;
        }
        if (expanding_.size() >= kMaxExpansionDepth) Fail(token.where, "macros nest too deeply");
        expanding_.insert(token.text);
        for (Token replacement : found->second) {
            replacement.where = token.where;
            Emit(replacement);
        }
        expanding_.erase(token.text);
    }

    fs::path scriptDir_;
    std::vector<fs::path> includeDirs_;
    const FileSource& files_;
    std::map<std::string, std::vector<Token>> defines_;
    std::set<std::string> expanding_;
    size_t emitted_ = 0;
    Preprocessed out_;
};

}  // namespace

std::vector<Token> Tokenize(const std::string& text, const Location& where)
{
    std::vector<Token> tokens;
    for (size_t at = 0; at < text.size();) {
        char c = text[at];
        char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (IsSpace(c)) {
            at++;
            continue;
        }
        Token token;
        token.where = where;
        size_t end = at + 1;
        if (IsDigit(c)) {
            while (end < text.size() && IsNameChar(text[end])) end++;
            token.kind = TokenKind::Number;
            token.text = text.substr(at, end - at);
            token.value = ParseNumberLiteral(token.text, where);
        } else if (c == '"' || ((c == 'L' || c == 'l') && next == '"')) {
            size_t open = c == '"' ? at : at + 1;
            end = StringEnd(text, open, where) + 1;
            token.kind = TokenKind::String;
            token.text = text.substr(open + 1, end - open - 2);
        } else if (IsNameStart(c)) {
            while (end < text.size() && IsNameChar(text[end])) end++;
            token.kind = TokenKind::Name;
            token.text = text.substr(at, end - at);
        } else if (c && strchr(kPunctuation, c)) {
            token.kind = TokenKind::Punct;
            token.text = std::string(1, c);
        } else {
            Fail(where, "unexpected " + Describe(c));
        }
        tokens.push_back(token);
        at = end;
    }
    return tokens;
}

Preprocessed Preprocess(const fs::path& script, const std::vector<fs::path>& includeDirs, const FileSource& files)
{
    return Preprocessor(script, includeDirs, files).Run(script);
}

}  // namespace rc
