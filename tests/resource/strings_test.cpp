// The string helpers, MulDiv and the per-thread last error.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <climits>
#include <string>
#include <thread>

namespace {

TEST(Strings, LengthAndCopies)
{
    EXPECT_EQ(lstrlenW(nullptr), 0);
    EXPECT_EQ(lstrlenW(u""), 0);
    EXPECT_EQ(lstrlenW(u"仿宋"), 2);
    WCHAR buffer[8] = {};
    EXPECT_EQ(lstrcpyW(buffer, u"abc"), buffer);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(lstrcpyW(nullptr, u"abc"), nullptr);
    EXPECT_EQ(lstrcpyW(buffer, nullptr), nullptr);

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
    EXPECT_EQ(lstrcpynW(buffer, nullptr, 8), nullptr);
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
        {u"abc", u"abc", 0, 0},   {u"abc", u"abd", -1, -1}, {u"abc", u"abcd", -1, -1}, {u"a", u"B", -1, -1},
        {u"a", u"A", -1, 0},      {u"Ab", u"aC", -1, -1},   {u"Abc", u"abc", 1, 0},    {u"_", u"0", -1, -1},
        {u"9", u"a", -1, -1},     {u"Z", u"~", 1, 1},       {u"coop", u"co-op", -1, -1}, {u"co-op", u"cop", -1, -1},
        {u"coop", u"Co-op", -1, -1}, {nullptr, u"", -1, -1}, {nullptr, nullptr, 0, 0},
    };
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    auto ascii = [](const char16_t* text) { return text ? std::string(text, text + lstrlenW(text)) : "null"; };
    for (const Row& row : rows) {
        std::string name = ascii(row.a) + " / " + ascii(row.b);
        EXPECT_EQ(sign(lstrcmpW(row.a, row.b)), row.sign) << name;
        EXPECT_EQ(sign(lstrcmpW(row.b, row.a)), -row.sign) << name;
        EXPECT_EQ(sign(lstrcmpiW(row.a, row.b)), row.signIgnoringCase) << name;
        EXPECT_EQ(sign(lstrcmpiW(row.b, row.a)), -row.signIgnoringCase) << name;
    }
}

// 64-bit intermediate; a zero divisor or a quotient past INT_MAX gives -1.
TEST(MulDiv, RoundsHalfAwayFromZeroAndFailsWithMinusOne)
{
    const std::array<int, 4> rows[] = {{10, 3, 4, 8}, {-10, 3, 4, -8}, {10, 3, -4, -8}, {9, 1, 4, 2}, {8, 96, 72, 11},
                                       {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {1, 2, 0, -1}, {INT_MAX, 2, 1, -1}};
    for (auto [number, numerator, denominator, result] : rows)
        EXPECT_EQ(MulDiv(number, numerator, denominator), result) << number << " * " << numerator << " / " << denominator;
}

TEST(LastError, IsKeptPerThread)
{
    SetLastError(1234);
    DWORD seenByOther = 1;
    std::thread([&] {
        seenByOther = GetLastError();
        SetLastError(99);
    }).join();
    EXPECT_EQ(seenByOther, 0u);
    EXPECT_EQ(GetLastError(), 1234u);
}

}  // namespace
