// The string helpers the controls call: lengths and bounded copies.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>

namespace {

TEST(Strings, LengthAndCopies)
{
    EXPECT_EQ((std::array<int, 3>{lstrlenW(nullptr), lstrlenW(u""), lstrlenW(u"仿宋")}), (std::array<int, 3>{0, 0, 2}));
    WCHAR buffer[8] = {};
    EXPECT_EQ(lstrcpynW(buffer, nullptr, 8), nullptr);
    // lstrcpynW copies at most count - 1 characters and always terminates.
    struct Row {
        const char16_t* source;
        int count;
        std::u16string after;  // the buffer's first five units
    };
    for (Row row : {Row{u"abcdef", 4, {u"abc\0x", 5}}, Row{u"abcdef", 1, {u"\0xxxx", 5}},
                    Row{u"abc", 0, u"xxxxx"}, Row{u"ab", 8, {u"ab\0xx", 5}}}) {
        std::fill(std::begin(buffer), std::end(buffer), u'x');
        EXPECT_EQ(lstrcpynW(buffer, row.source, row.count), buffer) << row.count;
        EXPECT_EQ(std::u16string(buffer, 5), row.after) << row.count;
    }
}

}  // namespace
