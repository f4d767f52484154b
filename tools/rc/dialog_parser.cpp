#include <cstring>

#include "dialog.h"
#include "expression.h"
#include "names.h"
#include "text.h"

namespace rc {

namespace {

struct ClassAtom {
    const char* name;
    uint16_t atom;
};

// rc stores the predefined control classes as atoms.
constexpr ClassAtom kClassAtoms[] = {
    {"BUTTON", 0x80}, {"EDIT", 0x81}, {"STATIC", 0x82}, {"LISTBOX", 0x83}, {"SCROLLBAR", 0x84}, {"COMBOBOX", 0x85},
};

int16_t ParseCoordinate(Cursor& cursor)
{
    Location where = cursor.Peek().where;
    auto value = int32_t(ParseExpression(cursor));
    if (value < -32768 || value > 32767) Fail(where, "coordinate " + std::to_string(value) + " does not fit 16 bits");
    return int16_t(value);
}

void ParseRectangle(Cursor& cursor, int16_t& x, int16_t& y, int16_t& cx, int16_t& cy)
{
    x = ParseCoordinate(cursor);
    cursor.Expect(",", "after x");
    y = ParseCoordinate(cursor);
    cursor.Expect(",", "after y");
    cx = ParseCoordinate(cursor);
    cursor.Expect(",", "after the width");
    cy = ParseCoordinate(cursor);
}

std::u16string ParseString(Cursor& cursor, const char* what)
{
    if (cursor.Peek().kind != TokenKind::String) cursor.Unexpected(what);
    return DecodeText(cursor.Next());
}

DialogFont ParseFont(Cursor& cursor, bool extended)
{
    DialogFont font;
    font.pointSize = uint16_t(ParseExpression(cursor));
    cursor.Expect(",", "after the font size");
    font.face = ParseString(cursor, "a quoted font face");
    if (!extended) return font;
    if (cursor.Accept(",")) font.weight = uint16_t(ParseExpression(cursor));
    if (cursor.Accept(",")) font.italic = uint8_t(ParseExpression(cursor));
    if (cursor.Accept(",")) font.charset = uint8_t(ParseExpression(cursor));
    return font;
}

ResourceId ParseClass(Cursor& cursor)
{
    const Token& token = cursor.Peek();
    if (token.kind != TokenKind::String && token.kind != TokenKind::Name) cursor.Unexpected("a window class");
    std::u16string name = DecodeText(cursor.Next());
    for (const ClassAtom& known : kClassAtoms)
        if (UpperCase(name) == std::u16string(known.name, known.name + strlen(known.name)))
            return ResourceId::Number(known.atom);
    return ResourceId{0, name};
}

DialogControl ParseControl(Cursor& cursor, bool extended)
{
    DialogControl control;
    if (cursor.Peek().kind == TokenKind::String)
        control.text = ResourceId{0, DecodeText(cursor.Next())};
    else
        control.text = ResourceId::Number(uint16_t(ParseExpression(cursor)));
    cursor.Expect(",", "after the control text");
    control.id = ParseExpression(cursor);
    cursor.Expect(",", "after the control id");
    control.windowClass = ParseClass(cursor);
    cursor.Expect(",", "after the control class");
    control.style = ParseStyle(cursor, kStyleChild | kStyleVisible);
    cursor.Expect(",", "after the control style");
    ParseRectangle(cursor, control.x, control.y, control.cx, control.cy);
    if (cursor.Accept(",")) control.exStyle = ParseStyle(cursor, 0);
    if (extended && cursor.Accept(",")) control.helpId = ParseExpression(cursor);
    return control;
}

bool AtBlockEnd(const Cursor& cursor)
{
    return cursor.IsKeyword("END") || cursor.IsPunct("}");
}

void ParseControls(Cursor& cursor, Dialog& dialog)
{
    if (!cursor.AcceptKeyword("BEGIN") && !cursor.Accept("{")) cursor.Unexpected("a dialog option or BEGIN");
    while (!AtBlockEnd(cursor)) {
        const Token& token = cursor.Peek();
        if (token.kind == TokenKind::End) Fail(token.where, "the dialog has no END");
        if (!cursor.AcceptKeyword("CONTROL"))
            Fail(token.where, "unsupported control statement " + Describe(token) + "; write it as CONTROL");
        dialog.controls.push_back(ParseControl(cursor, dialog.extended));
    }
    cursor.Next();
}

// The options between the dialog's rectangle and its BEGIN. rc adds WS_CAPTION for a caption and
// DS_SETFONT for a font, whatever the STYLE says.
void ParseOptions(Cursor& cursor, Dialog& dialog)
{
    std::optional<uint32_t> style;
    for (;;) {
        if (cursor.AcceptKeyword("STYLE")) {
            style = ParseStyle(cursor, 0);
        } else if (cursor.AcceptKeyword("EXSTYLE")) {
            dialog.exStyle = ParseStyle(cursor, 0);
        } else if (cursor.AcceptKeyword("CAPTION")) {
            dialog.caption = ParseString(cursor, "a quoted caption");
            dialog.style |= kStyleCaption;
        } else if (cursor.AcceptKeyword("FONT")) {
            dialog.font = ParseFont(cursor, dialog.extended);
            dialog.style |= kStyleSetFont;
        } else if (cursor.AcceptKeyword("MENU")) {
            dialog.menu = ParseResourceName(cursor, "a menu name");
        } else if (cursor.AcceptKeyword("CLASS")) {
            dialog.windowClass = ParseClass(cursor);
        } else {
            break;
        }
    }
    dialog.style |= style.value_or(kDefaultDialogStyle);
}

}  // namespace

Dialog ParseDialog(Cursor& cursor, bool extended)
{
    Dialog dialog;
    dialog.extended = extended;
    SkipMemoryOptions(cursor);
    ParseRectangle(cursor, dialog.x, dialog.y, dialog.cx, dialog.cy);
    if (extended && cursor.Accept(",")) dialog.helpId = ParseExpression(cursor);
    ParseOptions(cursor, dialog);
    ParseControls(cursor, dialog);
    return dialog;
}

}  // namespace rc
