// Local and global memory blocks: movable ones count locks, fixed ones are their own address.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr SIZE_T kGiB = SIZE_T(1) << 30;
constexpr DWORD kErrorNotLocked = 158;

bool AllZero(const void* data, size_t size)
{
    return std::string(static_cast<const char*>(data), size) == std::string(size, '\0');
}

// Unlocking twice: still locked once, then unlocked without an error; a third time: not locked.
TEST(LocalAlloc, MovableBlockCountsLocksAndItsHandleNeverNamesALaterBlock)
{
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 32);
    auto* data = static_cast<char*>(LocalLock(block));
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(static_cast<void*>(data) != block && AllZero(data, 32) && LocalLock(block) == data);
    const std::vector<DWORD> unlocks = {DWORD(LocalUnlock(block)), DWORD(LocalUnlock(block)), GetLastError(),
                                        DWORD(LocalUnlock(block)), GetLastError()};
    EXPECT_EQ(unlocks, (std::vector<DWORD>{TRUE, FALSE, ERROR_SUCCESS, FALSE, kErrorNotLocked}));
    EXPECT_EQ(LocalSize(block), 32u);
    EXPECT_EQ(LocalFree(block), nullptr);
    HLOCAL later = LocalAlloc(LMEM_MOVEABLE, 8);
    EXPECT_NE(later, block);
    EXPECT_TRUE(!LocalLock(block) && LocalFree(block) == block && LocalSize(block) == 0 && LocalSize(later) == 8);
    LocalFree(later);
}

TEST(LocalAlloc, RejectsHandlesOfOtherKindsAndAbsurdSizes)
{
    HRSRC resource = FindResourceW(nullptr, u"NAMED", RT_RCDATA);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(LocalFree(resource), static_cast<HLOCAL>(resource));
    EXPECT_TRUE(!LocalLock(resource) && !LocalUnlock(resource) && !GlobalReAlloc(resource, 4, GMEM_MOVEABLE));
    EXPECT_NE(SizeofResource(nullptr, resource), 0u) << "untouched";
    SetLastError(0);
    EXPECT_EQ(LocalAlloc(LMEM_FIXED, kGiB + 1), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, std::numeric_limits<SIZE_T>::max()), nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    EXPECT_TRUE(!GlobalReAlloc(block, kGiB + 1, GMEM_MOVEABLE) && GlobalSize(block) == 16);
    GlobalFree(block);
}

// What the controls never ask for, once: fixed blocks (even an empty one has an address) and
// reallocation, where a block grows in place or, when allowed to, moves; growth is zeroed.
TEST(GlobalReAlloc, FixedAndMovableBlocksGrowOnlyWhereAllowed)
{
    auto* empty = static_cast<char*>(LocalAlloc(LPTR, 0));
    EXPECT_TRUE(empty && LocalLock(empty) == empty && LocalSize(empty) == 0 && LocalFree(empty) == nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
    EXPECT_TRUE(!GlobalLock(block) && GlobalReAlloc(block, 4, 0) == block) << "nothing to lock until it grows";
    std::memcpy(GlobalLock(block), "abcd", 4);
    EXPECT_EQ(GlobalReAlloc(block, 4096, GMEM_ZEROINIT | GMEM_MOVEABLE), block);
    auto* data = static_cast<char*>(GlobalLock(block));
    EXPECT_TRUE(std::string(data, 4) == "abcd" && AllZero(data + 4, 4092));
    EXPECT_TRUE(GlobalReAlloc(block, 2, 0) == block && GlobalLock(block) == data && !GlobalReAlloc(block, 8192, 0));
    GlobalFree(block);
    auto* fixed = static_cast<char*>(GlobalAlloc(GPTR, 4));
    std::memcpy(fixed, "wxyz", 4);
    auto* moved = static_cast<char*>(GlobalReAlloc(fixed, 64, GMEM_MOVEABLE | GMEM_ZEROINIT));
    ASSERT_NE(moved, nullptr);
    EXPECT_TRUE(std::string(moved, 4) == "wxyz" && AllZero(moved + 4, 60) && GlobalSize(moved) == 64);
    EXPECT_EQ(GlobalFree(moved), nullptr);
}

}  // namespace
