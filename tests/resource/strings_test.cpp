#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <string>
#include <thread>

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(Strings, LengthAndCopy)
{
    EXPECT_EQ(lstrlenW(nullptr), 0);
    EXPECT_EQ(lstrlenW(u""), 0);
    EXPECT_EQ(lstrlenW(u"仿宋"), 2);
    WCHAR buffer[8] = {};
    EXPECT_EQ(lstrcpyW(buffer, u"abc"), buffer);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(lstrcpyW(nullptr, u"abc"), nullptr);
    EXPECT_EQ(lstrcpyW(buffer, nullptr), nullptr);
}

TEST(Strings, CopyNTruncatesAndAlwaysTerminates)
{
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'x');
    EXPECT_EQ(lstrcpynW(buffer, u"abcdef", 4), buffer);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(buffer[4], u'x');
    lstrcpynW(buffer, u"abcdef", 1);
    EXPECT_EQ(buffer[0], 0);
    buffer[0] = u'q';
    EXPECT_EQ(lstrcpynW(buffer, u"abc", 0), buffer);
    EXPECT_EQ(buffer[0], u'q');
    EXPECT_EQ(lstrcpynW(buffer, u"ab", 8), buffer);
    EXPECT_EQ(std::u16string(buffer), u"ab");
    EXPECT_EQ(lstrcpynW(buffer, nullptr, 8), nullptr);
}

TEST(Strings, CompareOrdersLikeWin32)
{
    EXPECT_EQ(lstrcmpW(u"abc", u"abc"), 0);
    EXPECT_LT(lstrcmpW(u"abc", u"abd"), 0);
    EXPECT_LT(lstrcmpW(u"abc", u"abcd"), 0);
    // Letters compare alphabetically first; lowercase comes first only among equals.
    EXPECT_LT(lstrcmpW(u"a", u"B"), 0);
    EXPECT_LT(lstrcmpW(u"a", u"A"), 0);
    EXPECT_LT(lstrcmpW(u"Ab", u"aC"), 0);
    EXPECT_GT(lstrcmpW(u"Abc", u"abc"), 0);
    // Punctuation before digits before letters.
    EXPECT_LT(lstrcmpW(u"_", u"0"), 0);
    EXPECT_LT(lstrcmpW(u"9", u"a"), 0);
    EXPECT_GT(lstrcmpW(u"Z", u"~"), 0);
    // Hyphens count only when nothing else differs.
    EXPECT_LT(lstrcmpW(u"coop", u"co-op"), 0);
    EXPECT_LT(lstrcmpW(u"co-op", u"cop"), 0);
    EXPECT_EQ(Sign(lstrcmpW(u"b", u"a")), -Sign(lstrcmpW(u"a", u"b")));
    EXPECT_LT(lstrcmpW(nullptr, u""), 0);
    EXPECT_EQ(lstrcmpW(nullptr, nullptr), 0);
}

TEST(Strings, CompareIgnoringCase)
{
    EXPECT_EQ(lstrcmpiW(u"Hello", u"hELLO"), 0);
    EXPECT_LT(lstrcmpiW(u"a", u"B"), 0);
    EXPECT_GT(lstrcmpiW(u"b", u"A"), 0);
    EXPECT_LT(lstrcmpiW(u"coop", u"Co-op"), 0);
    EXPECT_GT(lstrcmpiW(u"abc", nullptr), 0);
}

TEST(MulDiv, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(10, 3, 4), 8);
    EXPECT_EQ(MulDiv(-10, 3, 4), -8);
    EXPECT_EQ(MulDiv(10, 3, -4), -8);
    EXPECT_EQ(MulDiv(9, 1, 4), 2);
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);  // 64-bit intermediate
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
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
