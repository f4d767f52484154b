// The string helpers the controls call: lengths and bounded copies.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

// lstrcpynW copies at most count - 1 characters and always terminates; a null string has no length.
TEST(Strings, BoundedCopyTerminatesAndNullHasNoLength)
{
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'x');
    EXPECT_EQ(lstrcpynW(buffer, u"abcdef", 4), buffer);
    EXPECT_EQ(std::u16string(buffer, 5), std::u16string(u"abc\0x", 5));
    EXPECT_EQ(lstrlenW(nullptr), 0);
}

}  // namespace
