// Dialog templates as rc lays them out, byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include "resource/data/test_ids.h"
#include "resource/resource_bytes.h"

namespace {

// The fixed part of a DLGTEMPLATE: style, extended style, item count, x, y, cx, cy.
void AppendHeader(std::vector<uint8_t>& bytes, DWORD style, DWORD exStyle, WORD items, std::vector<int> box)
{
    AppendDword(bytes, style);
    AppendDword(bytes, exStyle);
    AppendWord(bytes, items);
    for (int value : box) AppendWord(bytes, uint16_t(value));
}

TEST(DialogTemplate, PlainTemplateWithFont)
{
    std::vector<uint8_t> expected;
    AppendHeader(expected, WS_POPUP | DS_SETFONT, 0, 0, {0, 0, 186, 95});
    AppendWord(expected, 0);  // no menu
    AppendWord(expected, 0);  // the default class
    AppendText(expected, u"");
    AppendWord(expected, 8);
    AppendText(expected, u"仿宋_GB2312");
    EXPECT_EQ(ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_PLAIN), RT_DIALOG), expected);
}

TEST(DialogTemplate, DefaultStyleCaptionAndControls)
{
    std::vector<uint8_t> expected;
    AppendHeader(expected, WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION, 0, 2, {-1, 2, 300, 32});
    AppendWord(expected, 0);
    AppendWord(expected, 0);
    AppendText(expected, u"Title \"quoted\"");
    ASSERT_EQ(expected.size() % 4, 0u);

    AppendDword(expected, WS_CHILD | WS_VISIBLE | WS_TABSTOP | 1);  // BS_DEFPUSHBUTTON
    AppendDword(expected, 0);
    for (int value : {5, 6, 50, 14}) AppendWord(expected, uint16_t(value));
    AppendWord(expected, IDC_FIRST);
    AppendWord(expected, 0xFFFF);
    AppendWord(expected, 0x0080);  // the button class atom
    AppendText(expected, u"OK");
    AppendWord(expected, 0);
    expected.resize((expected.size() + 3) / 4 * 4);  // each item starts on a DWORD

    AppendDword(expected, WS_CHILD);  // NOT WS_VISIBLE removed the default
    AppendDword(expected, 0x200);     // WS_EX_CLIENTEDGE
    for (int value : {1, 2, 3, 4}) AppendWord(expected, uint16_t(value));
    AppendWord(expected, 0xFFFF);
    AppendText(expected, u"MyClass");
    AppendWord(expected, 0xFFFF);
    AppendWord(expected, 7);
    AppendWord(expected, 0);
    EXPECT_EQ(ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_CAPTIONED), RT_DIALOG), expected);
}

TEST(DialogTemplate, ExtendedTemplate)
{
    std::vector<uint8_t> expected;
    AppendWord(expected, 1);
    AppendWord(expected, 0xFFFF);
    AppendDword(expected, 99);  // help id
    AppendDword(expected, WS_EX_TOPMOST);
    AppendDword(expected, WS_CHILD | DS_SETFONT);
    AppendWord(expected, 0);
    for (int value : {1, 2, 3, 4}) AppendWord(expected, uint16_t(value));
    AppendWord(expected, 0);
    AppendWord(expected, 0);
    AppendText(expected, u"");
    AppendWord(expected, 9);
    AppendWord(expected, 700);
    expected.push_back(1);    // italic
    expected.push_back(134);  // charset
    AppendText(expected, u"Tahoma");
    EXPECT_EQ(ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_EXTENDED), RT_DIALOG), expected);
}

}  // namespace
