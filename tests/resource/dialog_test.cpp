// A dialog template as rc lays it out, word for word: the form the menus' windows are made from.
#include <gtest/gtest.h>

#include <windows.h>

#include "resource/data/test_ids.h"
#include "resource/resource_bytes.h"

namespace {

// Style, extended style, then item count, x, y, cx, cy, no menu, the default class, no title; the
// font's size and name (outside ASCII, as the library's own templates name it).
TEST(DialogTemplate, RcLaysOutAPlainTemplateAsWin32ReadsIt)
{
    std::vector<uint16_t> words = {LOWORD(WS_POPUP | DS_SETFONT), HIWORD(WS_POPUP | DS_SETFONT), 0, 0, 0, 0, 0, 186,
                                   95, 0, 0, 0, 8};
    for (char16_t unit : std::u16string(u"仿宋_GB2312")) words.push_back(unit);
    words.push_back(0);
    std::vector<uint8_t> bytes;
    for (uint16_t word : words) bytes.insert(bytes.end(), {uint8_t(word), uint8_t(word >> 8)});
    EXPECT_EQ(ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_PLAIN), RT_DIALOG), bytes);
}

}  // namespace
