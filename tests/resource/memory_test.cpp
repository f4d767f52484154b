// Local and global memory blocks: fixed ones are their own address, movable ones count locks.
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

// Even an empty fixed block has an address; once freed, it is no block any more.
TEST(LocalAlloc, FixedBlockIsItsOwnAddressUntilFreed)
{
    for (SIZE_T size : {SIZE_T(64), SIZE_T(0)}) {
        auto* block = static_cast<char*>(LocalAlloc(LPTR, size));
        ASSERT_NE(block, nullptr) << size;
        EXPECT_TRUE(AllZero(block, size));
        EXPECT_EQ(LocalLock(block), block);
        EXPECT_EQ(LocalSize(block), size);
        EXPECT_EQ(LocalFree(block), nullptr);
        EXPECT_EQ(LocalFree(block), block);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        EXPECT_EQ(LocalSize(block), 0u);
    }
}

TEST(LocalAlloc, MovableBlockCountsLocksAndItsHandleNeverNamesALaterBlock)
{
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 32);
    auto* data = static_cast<char*>(LocalLock(block));
    ASSERT_NE(data, nullptr);
    EXPECT_NE(static_cast<void*>(data), block);
    EXPECT_TRUE(AllZero(data, 32));
    EXPECT_EQ(LocalLock(block), data);
    // Unlocking twice: still locked once, then unlocked without an error; a third time: not locked.
    const std::vector<DWORD> unlocks = {DWORD(LocalUnlock(block)), DWORD(LocalUnlock(block)), GetLastError(),
                                        DWORD(LocalUnlock(block)), GetLastError()};
    EXPECT_EQ(unlocks, (std::vector<DWORD>{TRUE, FALSE, ERROR_SUCCESS, FALSE, kErrorNotLocked}));
    EXPECT_EQ(LocalSize(block), 32u);
    EXPECT_EQ(LocalFree(block), nullptr);

    HLOCAL later = LocalAlloc(LMEM_MOVEABLE, 8);
    EXPECT_NE(later, block);
    EXPECT_EQ(LocalLock(block), nullptr);
    EXPECT_EQ(LocalFree(block), block);
    EXPECT_EQ(LocalSize(block), 0u);
    EXPECT_EQ(LocalSize(later), 8u);
    LocalFree(later);
}

TEST(LocalAlloc, RejectsHandlesOfOtherKindsAndAbsurdSizes)
{
    HRSRC resource = FindResourceW(nullptr, u"NAMED", RT_RCDATA);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(LocalFree(resource), static_cast<HLOCAL>(resource));
    EXPECT_EQ(LocalLock(resource), nullptr);
    EXPECT_FALSE(LocalUnlock(resource));
    EXPECT_EQ(GlobalReAlloc(resource, 4, GMEM_MOVEABLE), nullptr);
    EXPECT_NE(SizeofResource(nullptr, resource), 0u) << "untouched";
    int local = 0;
    EXPECT_EQ(LocalFree(&local), static_cast<HLOCAL>(&local));
    EXPECT_EQ(LocalFree(nullptr), nullptr);
    EXPECT_EQ(LocalLock(nullptr), nullptr);

    SetLastError(0);
    EXPECT_EQ(LocalAlloc(LMEM_FIXED, kGiB + 1), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, std::numeric_limits<SIZE_T>::max()), nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    EXPECT_EQ(GlobalReAlloc(block, kGiB + 1, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalSize(block), 16u);
    GlobalFree(block);
}

// A movable block of size zero exists but has nothing to lock until it grows; a locked one may
// shrink in place but grow only when allowed to move; contents survive and growth is zeroed.
TEST(GlobalReAlloc, MovableBlockKeepsItsHandleAndContents)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalReAlloc(block, 4, 0), block);
    std::memcpy(GlobalLock(block), "abcd", 4);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalReAlloc(block, 4096, GMEM_ZEROINIT), block);
    auto* data = static_cast<char*>(GlobalLock(block));
    EXPECT_EQ(std::string(data, 4), "abcd");
    EXPECT_TRUE(AllZero(data + 4, 4092));
    EXPECT_EQ(GlobalReAlloc(block, 2, 0), block);
    EXPECT_EQ(GlobalLock(block), data);
    EXPECT_EQ(GlobalReAlloc(block, 8192, 0), nullptr);
    EXPECT_EQ(GlobalSize(block), 2u);
    EXPECT_EQ(GlobalReAlloc(block, 8192, GMEM_MOVEABLE), block);
    EXPECT_EQ(std::string(static_cast<char*>(GlobalLock(block)), 2), "ab");
    GlobalFree(block);
}

TEST(GlobalReAlloc, FixedBlockMovesOnlyWhenAllowed)
{
    auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, 4));
    std::memcpy(block, "wxyz", 4);
    EXPECT_EQ(GlobalReAlloc(block, 64, 0), nullptr);
    EXPECT_EQ(GlobalSize(block), 4u);
    auto* moved = static_cast<char*>(GlobalReAlloc(block, 64, GMEM_MOVEABLE | GMEM_ZEROINIT));
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(std::string(moved, 4), "wxyz");
    EXPECT_TRUE(AllZero(moved + 4, 60));
    EXPECT_EQ(GlobalSize(moved), 64u);
    EXPECT_EQ(GlobalFree(moved), nullptr);
}

}  // namespace
