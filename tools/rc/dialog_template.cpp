#include "dialog.h"

namespace rc {

namespace {

class Writer {
public:
    void Byte(uint8_t value) { bytes_.push_back(value); }
    void Word(uint16_t value)
    {
        Byte(uint8_t(value));
        Byte(uint8_t(value >> 8));
    }
    void Dword(uint32_t value)
    {
        Word(uint16_t(value));
        Word(uint16_t(value >> 16));
    }
    void Text(const std::u16string& text)
    {
        for (char16_t c : text) Word(c);
        Word(0);
    }
    // An ordinal is 0xFFFF followed by the number; a string is written out; none is a lone 0.
    void Id(const ResourceId& id)
    {
        if (!id.IsNumber()) {
            Text(id.text);
            return;
        }
        Word(0xFFFF);
        Word(id.number);
    }
    void AlignDword()
    {
        while (bytes_.size() % 4) Byte(0);
    }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

void WriteRectangle(Writer& out, int16_t x, int16_t y, int16_t cx, int16_t cy)
{
    out.Word(uint16_t(x));
    out.Word(uint16_t(y));
    out.Word(uint16_t(cx));
    out.Word(uint16_t(cy));
}

void WriteControl(Writer& out, const DialogControl& control)
{
    out.AlignDword();
    out.Dword(control.style);
    out.Dword(control.exStyle);
    WriteRectangle(out, control.x, control.y, control.cx, control.cy);
    out.Word(uint16_t(control.id));
    out.Id(control.windowClass);
    out.Id(control.text);
    out.Word(0);  // no creation data
}

void WriteControlEx(Writer& out, const DialogControl& control)
{
    out.AlignDword();
    out.Dword(control.helpId);
    out.Dword(control.exStyle);
    out.Dword(control.style);
    WriteRectangle(out, control.x, control.y, control.cx, control.cy);
    out.Dword(control.id);
    out.Id(control.windowClass);
    out.Id(control.text);
    out.Word(0);
}

std::vector<uint8_t> Template(const Dialog& dialog)
{
    Writer out;
    out.Dword(dialog.style);
    out.Dword(dialog.exStyle);
    out.Word(uint16_t(dialog.controls.size()));
    WriteRectangle(out, dialog.x, dialog.y, dialog.cx, dialog.cy);
    out.Id(dialog.menu);
    out.Id(dialog.windowClass);
    out.Text(dialog.caption);
    if (dialog.style & kStyleSetFont) {
        out.Word(dialog.font ? dialog.font->pointSize : 0);
        out.Text(dialog.font ? dialog.font->face : u"");
    }
    for (const DialogControl& control : dialog.controls) WriteControl(out, control);
    return out.Take();
}

std::vector<uint8_t> TemplateEx(const Dialog& dialog)
{
    Writer out;
    out.Word(1);  // dlgVer
    out.Word(0xFFFF);  // signature
    out.Dword(dialog.helpId);
    out.Dword(dialog.exStyle);
    out.Dword(dialog.style);
    out.Word(uint16_t(dialog.controls.size()));
    WriteRectangle(out, dialog.x, dialog.y, dialog.cx, dialog.cy);
    out.Id(dialog.menu);
    out.Id(dialog.windowClass);
    out.Text(dialog.caption);
    if (dialog.style & kStyleSetFont) {
        DialogFont font = dialog.font.value_or(DialogFont());
        out.Word(font.pointSize);
        out.Word(font.weight);
        out.Byte(font.italic);
        out.Byte(font.charset);
        out.Text(font.face);
    }
    for (const DialogControl& control : dialog.controls) WriteControlEx(out, control);
    return out.Take();
}

}  // namespace

std::vector<uint8_t> DialogTemplate(const Dialog& dialog)
{
    return dialog.extended ? TemplateEx(dialog) : Template(dialog);
}

}  // namespace rc
