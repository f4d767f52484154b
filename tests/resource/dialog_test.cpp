#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "resource/data/test_ids.h"
#include "resource/resource_bytes.h"

namespace {

TEST(DialogTemplate, PlainTemplateWithFontReadsFieldByField)
{
    std::vector<uint8_t> bytes = ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_PLAIN), RT_DIALOG);
    ASSERT_GE(bytes.size(), sizeof(DLGTEMPLATE));
    DLGTEMPLATE header;
    memcpy(&header, bytes.data(), sizeof header);
    EXPECT_EQ(header.style, DWORD(WS_POPUP | DS_SETFONT));
    EXPECT_EQ(header.dwExtendedStyle, 0u);
    EXPECT_EQ(header.cdit, 0);
    EXPECT_EQ(header.x, 0);
    EXPECT_EQ(header.y, 0);
    EXPECT_EQ(header.cx, 186);
    EXPECT_EQ(header.cy, 95);

    std::vector<uint8_t> expected(bytes.begin(), bytes.begin() + sizeof header);
    AppendWord(expected, 0);  // no menu
    AppendWord(expected, 0);  // the default class
    AppendText(expected, u"");
    AppendWord(expected, 8);
    AppendText(expected, u"仿宋_GB2312");
    EXPECT_EQ(bytes, expected);
}

TEST(DialogTemplate, DefaultStyleCaptionAndControls)
{
    std::vector<uint8_t> expected;
    AppendDword(expected, WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION);
    AppendDword(expected, 0);
    AppendWord(expected, 2);
    for (int value : {-1, 2, 300, 32}) AppendWord(expected, uint16_t(value));
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
