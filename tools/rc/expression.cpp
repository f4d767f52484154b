#include "expression.h"

#include <map>
#include <string>

namespace rc {

namespace {

const std::map<std::string, uint32_t>& Constants()
{
    static const std::map<std::string, uint32_t> constants = {
        {"WS_OVERLAPPED", 0x00000000}, {"WS_POPUP", 0x80000000}, {"WS_CHILD", 0x40000000},
        {"WS_MINIMIZE", 0x20000000}, {"WS_VISIBLE", 0x10000000}, {"WS_DISABLED", 0x08000000},
        {"WS_CLIPSIBLINGS", 0x04000000}, {"WS_CLIPCHILDREN", 0x02000000}, {"WS_MAXIMIZE", 0x01000000},
        {"WS_CAPTION", 0x00C00000}, {"WS_BORDER", 0x00800000}, {"WS_DLGFRAME", 0x00400000},
        {"WS_VSCROLL", 0x00200000}, {"WS_HSCROLL", 0x00100000}, {"WS_SYSMENU", 0x00080000},
        {"WS_THICKFRAME", 0x00040000}, {"WS_GROUP", 0x00020000}, {"WS_TABSTOP", 0x00010000},
        {"WS_MINIMIZEBOX", 0x00020000}, {"WS_MAXIMIZEBOX", 0x00010000}, {"WS_POPUPWINDOW", 0x80880000},
        {"WS_OVERLAPPEDWINDOW", 0x00CF0000},
        {"WS_EX_DLGMODALFRAME", 0x00000001}, {"WS_EX_TOPMOST", 0x00000008}, {"WS_EX_TRANSPARENT", 0x00000020},
        {"WS_EX_TOOLWINDOW", 0x00000080}, {"WS_EX_WINDOWEDGE", 0x00000100}, {"WS_EX_CLIENTEDGE", 0x00000200},
        {"WS_EX_CONTEXTHELP", 0x00000400}, {"WS_EX_CONTROLPARENT", 0x00010000}, {"WS_EX_STATICEDGE", 0x00020000},
        {"WS_EX_APPWINDOW", 0x00040000}, {"WS_EX_LAYERED", 0x00080000}, {"WS_EX_NOACTIVATE", 0x08000000},
        {"DS_ABSALIGN", 0x0001}, {"DS_SYSMODAL", 0x0002}, {"DS_3DLOOK", 0x0004}, {"DS_FIXEDSYS", 0x0008},
        {"DS_NOFAILCREATE", 0x0010}, {"DS_LOCALEDIT", 0x0020}, {"DS_SETFONT", 0x0040}, {"DS_MODALFRAME", 0x0080},
        {"DS_NOIDLEMSG", 0x0100}, {"DS_SETFOREGROUND", 0x0200}, {"DS_CONTROL", 0x0400}, {"DS_CENTER", 0x0800},
        {"DS_CENTERMOUSE", 0x1000}, {"DS_CONTEXTHELP", 0x2000}, {"DS_SHELLFONT", 0x0048},
        {"BS_PUSHBUTTON", 0x0}, {"BS_DEFPUSHBUTTON", 0x1}, {"BS_CHECKBOX", 0x2}, {"BS_AUTOCHECKBOX", 0x3},
        {"BS_RADIOBUTTON", 0x4}, {"BS_GROUPBOX", 0x7}, {"BS_AUTORADIOBUTTON", 0x9}, {"BS_OWNERDRAW", 0xB},
        {"ES_LEFT", 0x0}, {"ES_CENTER", 0x1}, {"ES_RIGHT", 0x2}, {"ES_MULTILINE", 0x4},
        {"ES_AUTOHSCROLL", 0x80}, {"ES_READONLY", 0x800}, {"SS_LEFT", 0x0}, {"SS_CENTER", 0x1},
        {"SS_RIGHT", 0x2}, {"SS_BITMAP", 0xE}, {"SS_NOTIFY", 0x100},
        {"IDOK", 1}, {"IDCANCEL", 2}, {"IDC_STATIC", 0xFFFFFFFF},
    };
    return constants;
}

// Operators and parentheses nest by recursion: a script may not nest them deeper than this.
constexpr int kMaxNesting = 256;

uint32_t ParseOr(Cursor& cursor, int depth);

uint32_t ParseUnary(Cursor& cursor, int depth)
{
    const Token& token = cursor.Peek();
    if (depth > kMaxNesting) Fail(token.where, "the expression nests too deeply");
    if (cursor.Accept("-")) return 0u - ParseUnary(cursor, depth + 1);
    if (cursor.Accept("~")) return ~ParseUnary(cursor, depth + 1);
    if (cursor.Accept("(")) {
        uint32_t value = ParseOr(cursor, depth + 1);
        cursor.Expect(")", "to close the expression");
        return value;
    }
    if (token.kind == TokenKind::Number) return cursor.Next().value;
    if (token.kind == TokenKind::Name) {
        auto found = Constants().find(token.text);
        if (found == Constants().end()) Fail(token.where, "unknown name '" + token.text + "' in an expression");
        cursor.Next();
        return found->second;
    }
    cursor.Unexpected("a number");
}

// Signed division, where the one quotient that does not fit (the most negative value by -1)
// wraps as the other operators do instead of trapping.
uint32_t Divide(uint32_t value, uint32_t divisor)
{
    if (divisor == 0xFFFFFFFFu) return 0u - value;
    return uint32_t(int32_t(value) / int32_t(divisor));
}

uint32_t ParseProduct(Cursor& cursor, int depth)
{
    uint32_t value = ParseUnary(cursor, depth);
    for (;;) {
        if (cursor.Accept("*")) {
            value *= ParseUnary(cursor, depth);
        } else if (cursor.IsPunct("/")) {
            Location where = cursor.Next().where;
            uint32_t divisor = ParseUnary(cursor, depth);
            if (divisor == 0) Fail(where, "division by zero");
            value = Divide(value, divisor);
        } else {
            return value;
        }
    }
}

uint32_t ParseSum(Cursor& cursor, int depth)
{
    uint32_t value = ParseProduct(cursor, depth);
    for (;;) {
        if (cursor.Accept("+"))
            value += ParseProduct(cursor, depth);
        else if (cursor.Accept("-"))
            value -= ParseProduct(cursor, depth);
        else
            return value;
    }
}

uint32_t ParseAnd(Cursor& cursor, int depth)
{
    uint32_t value = ParseSum(cursor, depth);
    while (cursor.Accept("&")) value &= ParseSum(cursor, depth);
    return value;
}

uint32_t ParseOr(Cursor& cursor, int depth)
{
    uint32_t value = ParseAnd(cursor, depth);
    while (cursor.Accept("|")) value |= ParseAnd(cursor, depth);
    return value;
}

}  // namespace

uint32_t ParseExpression(Cursor& cursor)
{
    return ParseOr(cursor, 0);
}

uint32_t ParseStyle(Cursor& cursor, uint32_t initial)
{
    uint32_t style = initial;
    do {
        if (cursor.AcceptKeyword("NOT"))
            style &= ~ParseAnd(cursor, 0);
        else
            style |= ParseAnd(cursor, 0);
    } while (cursor.Accept("|"));
    return style;
}

bool StartsExpression(const Cursor& cursor)
{
    const Token& token = cursor.Peek();
    if (token.kind == TokenKind::Number) return true;
    if (token.kind == TokenKind::Name) return Constants().count(token.text) != 0;
    return cursor.IsPunct("-") || cursor.IsPunct("~") || cursor.IsPunct("(");
}

}  // namespace rc
