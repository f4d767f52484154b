#include "window/dialog_template.h"

#include <cstring>

namespace wincore {

namespace {

constexpr size_t kMaxItems = 255;

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Word(WORD& out) { return Read(&out, sizeof out); }
    bool Dword(DWORD& out) { return Read(&out, sizeof out); }
    bool Short(short& out) { return Read(&out, sizeof out); }
    bool Byte(BYTE& out) { return Read(&out, sizeof out); }

    bool String(std::u16string& out)
    {
        out.clear();
        for (WORD unit; Word(unit);) {
            if (unit == 0) return true;
            out.push_back(char16_t(unit));
        }
        return false;
    }

    bool NameOrOrd(NameOrOrdinal& out)
    {
        WORD first;
        if (!Word(first)) return false;
        if (first == 0x0000) return true;
        if (first == 0xFFFF) return Word(out.ordinal);
        out.name.push_back(char16_t(first));
        std::u16string rest;
        if (!String(rest)) return false;
        out.name += rest;
        return true;
    }

    bool Align(size_t to)
    {
        size_t aligned = (offset_ + to - 1) / to * to;
        if (aligned > size_) return false;
        offset_ = aligned;
        return true;
    }

    bool Skip(size_t bytes)
    {
        if (bytes > size_ - offset_) return false;
        offset_ += bytes;
        return true;
    }

private:
    bool Read(void* out, size_t bytes)
    {
        if (bytes > size_ - offset_) return false;
        std::memcpy(out, data_ + offset_, bytes);
        offset_ += bytes;
        return true;
    }

    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

bool ReadRect(Reader& reader, RECT& rect)
{
    short x, y, cx, cy;
    if (!reader.Short(x) || !reader.Short(y) || !reader.Short(cx) || !reader.Short(cy)) return false;
    rect = {x, y, x + cx, y + cy};
    return true;
}

bool ReadItem(Reader& reader, bool extended, DialogItem& item)
{
    if (!reader.Align(4)) return false;
    if (extended) {
        DWORD helpId;
        if (!reader.Dword(helpId) || !reader.Dword(item.exStyle) || !reader.Dword(item.style)) return false;
        if (!ReadRect(reader, item.rect) || !reader.Dword(item.id)) return false;
    } else {
        WORD id;
        if (!reader.Dword(item.style) || !reader.Dword(item.exStyle) || !ReadRect(reader, item.rect)) return false;
        if (!reader.Word(id)) return false;
        item.id = id;
    }
    WORD extra;
    if (!reader.NameOrOrd(item.windowClass) || !reader.NameOrOrd(item.title) || !reader.Word(extra)) return false;
    return reader.Skip(extra);
}

bool ReadFont(Reader& reader, bool extended, DialogTemplate& out)
{
    if (!reader.Word(out.pointSize)) return false;
    if (extended) {
        BYTE italic, charset;
        if (!reader.Word(out.weight) || !reader.Byte(italic) || !reader.Byte(charset)) return false;
        out.italic = italic != 0;
    }
    return reader.String(out.face);
}

}  // namespace

bool ParseDialogTemplate(const uint8_t* data, size_t size, DialogTemplate& out)
{
    if (!data) return false;
    Reader reader(data, size);
    out = DialogTemplate{};
    WORD version = 0, signature = 0;
    if (!reader.Word(version) || !reader.Word(signature)) return false;
    bool extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (extended) {
        DWORD helpId;
        if (!reader.Dword(helpId) || !reader.Dword(out.exStyle) || !reader.Dword(out.style)) return false;
    } else {
        out.style = DWORD(version) | (DWORD(signature) << 16);
        if (!reader.Dword(out.exStyle)) return false;
    }
    if (!reader.Word(count) || !ReadRect(reader, out.rect)) return false;
    if (!reader.NameOrOrd(out.menu) || !reader.NameOrOrd(out.windowClass) || !reader.String(out.title)) return false;
    out.hasFont = (out.style & DS_SETFONT) != 0;
    if (out.hasFont && !ReadFont(reader, extended, out)) return false;
    if (count > kMaxItems) return false;
    out.items.resize(count);
    for (DialogItem& item : out.items)
        if (!ReadItem(reader, extended, item)) return false;
    return true;
}

}  // namespace wincore
