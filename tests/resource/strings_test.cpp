// The string helpers and MulDiv.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <climits>
#include <string>

namespace {

TEST(Strings, LengthAndCopies)
{
    EXPECT_EQ((std::array<int, 3>{lstrlenW(nullptr), lstrlenW(u""), lstrlenW(u"仿宋")}), (std::array<int, 3>{0, 0, 2}));
    WCHAR buffer[8] = {};
    EXPECT_TRUE(lstrcpyW(buffer, u"abc") == buffer && std::u16string(buffer) == u"abc");
    EXPECT_TRUE(!lstrcpyW(nullptr, u"abc") && !lstrcpynW(buffer, nullptr, 8));
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

// Letters compare alphabetically first, lowercase first only among equals; punctuation before
// digits before letters; hyphens count only when nothing else differs.
TEST(Strings, CompareOrdersLikeWin32)
{
    struct Row {
        const char16_t *a, *b;
        int sign, signIgnoringCase;
    };
    const Row rows[] = {
        {u"abc", u"abcd", -1, -1}, {u"a", u"A", -1, 0},         {u"Ab", u"aC", -1, -1},   {u"_", u"0", -1, -1},
        {u"9", u"a", -1, -1},      {u"coop", u"co-op", -1, -1}, {u"co-op", u"cop", -1, -1}, {nullptr, u"", -1, -1},
    };
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (const Row& row : rows) {
        const std::array<int, 4> signs = {sign(lstrcmpW(row.a, row.b)), -sign(lstrcmpW(row.b, row.a)),
                                          sign(lstrcmpiW(row.a, row.b)), -sign(lstrcmpiW(row.b, row.a))};
        EXPECT_EQ(signs, (std::array<int, 4>{row.sign, row.sign, row.signIgnoringCase, row.signIgnoringCase}))
            << (row.a ? std::string(row.a, row.a + lstrlenW(row.a)) : "null") << " / "
            << (row.b ? std::string(row.b, row.b + lstrlenW(row.b)) : "null");
    }
}

// 64-bit intermediate; a zero divisor or a quotient past INT_MAX gives -1.
TEST(MulDiv, RoundsHalfAwayFromZeroAndFailsWithMinusOne)
{
    const std::array<int, 4> rows[] = {{10, 3, 4, 8}, {10, 3, -4, -8}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                                       {1, 2, 0, -1}, {INT_MAX, 2, 1, -1}};
    for (auto [number, numerator, denominator, result] : rows)
        EXPECT_EQ(MulDiv(number, numerator, denominator), result) << number << " * " << numerator << " / " << denominator;
}

}  // namespace
