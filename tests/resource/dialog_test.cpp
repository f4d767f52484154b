// Dialog templates as rc lays them out, word for word.
#include <gtest/gtest.h>

#include <windows.h>

#include "resource/data/test_ids.h"
#include "resource/resource_bytes.h"

namespace {

// A template spelled out in words: a DWORD is two, a text ends with its terminator.
class Words {
public:
    Words& Word(std::initializer_list<int> values)
    {
        for (int value : values) words_.push_back(uint16_t(value));
        return *this;
    }
    Words& Dword(DWORD value) { return Word({LOWORD(value), HIWORD(value)}); }
    Words& Text(const std::u16string& text)
    {
        words_.insert(words_.end(), text.begin(), text.end());
        return Word({0});
    }
    Words& Align() { return words_.size() % 2 ? Word({0}) : *this; }  // each item starts on a DWORD
    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> bytes;
        for (uint16_t word : words_) bytes.insert(bytes.end(), {uint8_t(word), uint8_t(word >> 8)});
        return bytes;
    }

private:
    std::vector<uint16_t> words_;
};

// The header's words: item count, x, y, cx, cy, then no menu and the default class.
TEST(DialogTemplate, RcLaysOutEachTemplateAsWin32ReadsIt)
{
    Words plain, captioned, extended;
    plain.Dword(WS_POPUP | DS_SETFONT).Dword(0).Word({0, 0, 0, 186, 95, 0, 0}).Text(u"").Word({8}).Text(u"仿宋_GB2312");
    // No STYLE: the default one, WS_CAPTION for the caption; NOT WS_VISIBLE removes a default.
    captioned.Dword(WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION).Dword(0).Word({2, -1, 2, 300, 32, 0, 0});
    captioned.Text(u"Title \"quoted\"").Align();
    captioned.Dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | 1 /* BS_DEFPUSHBUTTON */).Dword(0);
    captioned.Word({5, 6, 50, 14, IDC_FIRST, 0xFFFF, 0x0080 /* the button class */}).Text(u"OK").Word({0}).Align();
    captioned.Dword(WS_CHILD).Dword(0x200 /* WS_EX_CLIENTEDGE */).Word({1, 2, 3, 4, 0xFFFF}).Text(u"MyClass");
    captioned.Word({0xFFFF, 7, 0});
    // Version 1, signature, help id, extended style, style, then as above; weight, italic and charset.
    extended.Word({1, 0xFFFF}).Dword(99).Dword(WS_EX_TOPMOST).Dword(WS_CHILD | DS_SETFONT);
    extended.Word({0, 1, 2, 3, 4, 0, 0}).Text(u"").Word({9, 700, 1 | 134 << 8}).Text(u"Tahoma");
    struct Row {
        int id;
        const Words& expected;
    };
    for (Row row : {Row{IDD_PLAIN, plain}, Row{IDD_CAPTIONED, captioned}, Row{IDD_EXTENDED, extended}})
        EXPECT_EQ(ResourceBytes(nullptr, MAKEINTRESOURCEW(row.id), RT_DIALOG), row.expected.Bytes()) << row.id;
}

}  // namespace
