#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <limits>

namespace {

constexpr SIZE_T kGiB = SIZE_T(1) << 30;

bool AllZero(const void* data, size_t size)
{
    auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; i++)
        if (bytes[i]) return false;
    return true;
}

TEST(LocalAlloc, FixedBlockIsItsOwnAddress)
{
    auto* block = static_cast<char*>(LocalAlloc(LPTR, 64));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(AllZero(block, 64));
    strcpy(block, "written through the handle");
    EXPECT_EQ(LocalLock(block), block);
    EXPECT_EQ(LocalSize(block), 64u);
    EXPECT_EQ(LocalFree(block), nullptr);
    // Freed: recognised as no block any more.
    EXPECT_EQ(LocalFree(block), block);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(LocalSize(block), 0u);
}

TEST(LocalAlloc, MovableBlockLocksAndCountsLocks)
{
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 32);
    ASSERT_NE(block, nullptr);
    auto* data = static_cast<char*>(LocalLock(block));
    ASSERT_NE(data, nullptr);
    EXPECT_NE(static_cast<void*>(data), block);
    EXPECT_TRUE(AllZero(data, 32));
    EXPECT_EQ(LocalLock(block), data);
    EXPECT_TRUE(LocalUnlock(block));   // still locked once
    EXPECT_FALSE(LocalUnlock(block));  // now unlocked
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));
    EXPECT_FALSE(LocalUnlock(block));
    EXPECT_EQ(GetLastError(), 158u);  // ERROR_NOT_LOCKED
    EXPECT_EQ(LocalSize(block), 32u);
    EXPECT_EQ(LocalFree(block), nullptr);
    EXPECT_EQ(LocalLock(block), nullptr);
    EXPECT_EQ(LocalFree(block), block);
    EXPECT_EQ(LocalSize(block), 0u);
}

TEST(LocalAlloc, FreedHandleNeverNamesALaterBlock)
{
    HLOCAL first = LocalAlloc(LMEM_MOVEABLE, 8);
    LocalFree(first);
    HLOCAL second = LocalAlloc(LMEM_MOVEABLE, 8);
    EXPECT_NE(first, second);
    EXPECT_EQ(LocalLock(first), nullptr);
    EXPECT_EQ(LocalFree(first), first);
    EXPECT_EQ(LocalSize(second), 8u);
    LocalFree(second);
}

TEST(LocalAlloc, EmptyBlocks)
{
    void* fixed = LocalAlloc(LMEM_FIXED, 0);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(LocalSize(fixed), 0u);
    EXPECT_EQ(LocalFree(fixed), nullptr);
    // A movable block of size zero exists but has nothing to lock.
    HGLOBAL movable = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(movable, nullptr);
    EXPECT_EQ(GlobalLock(movable), nullptr);
    EXPECT_EQ(GlobalReAlloc(movable, 8, GMEM_ZEROINIT), movable);
    void* data = GlobalLock(movable);
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(AllZero(data, 8));
    GlobalUnlock(movable);
    GlobalFree(movable);
}

TEST(LocalAlloc, RefusesAbsurdSizes)
{
    SetLastError(0);
    EXPECT_EQ(LocalAlloc(LMEM_FIXED, kGiB + 1), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, std::numeric_limits<SIZE_T>::max()), nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    EXPECT_EQ(GlobalReAlloc(block, kGiB + 1, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalSize(block), 16u);
    GlobalFree(block);
}

TEST(LocalAlloc, RejectsHandlesOfOtherKinds)
{
    HRSRC resource = FindResourceW(nullptr, u"NAMED", RT_RCDATA);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(LocalFree(resource), static_cast<HLOCAL>(resource));
    EXPECT_EQ(LocalLock(resource), nullptr);
    EXPECT_FALSE(LocalUnlock(resource));
    EXPECT_EQ(GlobalReAlloc(resource, 4, GMEM_MOVEABLE), nullptr);
    EXPECT_NE(SizeofResource(nullptr, resource), 0u);  // untouched
    int local = 0;
    EXPECT_EQ(LocalFree(&local), static_cast<HLOCAL>(&local));
    EXPECT_EQ(LocalFree(nullptr), nullptr);
    EXPECT_EQ(LocalLock(nullptr), nullptr);
}

TEST(GlobalReAlloc, MovableBlockKeepsItsHandleAndContents)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    memcpy(GlobalLock(block), "abcd", 4);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalReAlloc(block, 4096, GMEM_ZEROINIT), block);
    auto* data = static_cast<char*>(GlobalLock(block));
    EXPECT_EQ(memcmp(data, "abcd", 4), 0);
    EXPECT_TRUE(AllZero(data + 4, 4092));
    EXPECT_EQ(GlobalSize(block), 4096u);
    // Locked, it may shrink in place but grow only when allowed to move.
    EXPECT_EQ(GlobalReAlloc(block, 2, 0), block);
    EXPECT_EQ(GlobalLock(block), data);
    EXPECT_EQ(GlobalReAlloc(block, 8192, 0), nullptr);
    EXPECT_EQ(GlobalSize(block), 2u);
    EXPECT_EQ(GlobalReAlloc(block, 8192, GMEM_MOVEABLE), block);
    EXPECT_EQ(memcmp(GlobalLock(block), "ab", 2), 0);
    GlobalFree(block);
}

TEST(GlobalReAlloc, FixedBlockMovesOnlyWhenAllowed)
{
    auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, 4));
    memcpy(block, "wxyz", 4);
    EXPECT_EQ(GlobalReAlloc(block, 64, 0), nullptr);
    EXPECT_EQ(GlobalSize(block), 4u);
    auto* moved = static_cast<char*>(GlobalReAlloc(block, 64, GMEM_MOVEABLE | GMEM_ZEROINIT));
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(memcmp(moved, "wxyz", 4), 0);
    EXPECT_TRUE(AllZero(moved + 4, 60));
    EXPECT_EQ(GlobalSize(moved), 64u);
    EXPECT_EQ(GlobalFree(moved), nullptr);
}

}  // namespace
