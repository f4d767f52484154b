// Local and global memory blocks as the library and the demo hand them to streams: movable, locked, freed.
#include <gtest/gtest.h>

#include <windows.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr SIZE_T kGiB = SIZE_T(1) << 30;
constexpr DWORD kErrorNotLocked = 158;

// Unlocking twice: still locked once, then unlocked without an error; a third time: not locked.
// Absurd sizes are refused.
TEST(LocalAlloc, MovableBlockCountsLocksAndItsHandleNeverNamesALaterBlock)
{
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 32);
    auto* data = static_cast<char*>(LocalLock(block));
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(static_cast<void*>(data) != block && std::string(data, 32) == std::string(32, '\0') && LocalLock(block) == data);
    const std::vector<DWORD> unlocks = {DWORD(LocalUnlock(block)), DWORD(LocalUnlock(block)), GetLastError(),
                                        DWORD(LocalUnlock(block)), GetLastError()};
    EXPECT_EQ(unlocks, (std::vector<DWORD>{TRUE, FALSE, ERROR_SUCCESS, FALSE, kErrorNotLocked}));
    EXPECT_EQ(LocalSize(block), 32u);
    EXPECT_EQ(LocalFree(block), nullptr);
    HLOCAL later = LocalAlloc(LMEM_MOVEABLE, 8);
    EXPECT_NE(later, block);
    EXPECT_TRUE(!LocalLock(block) && LocalFree(block) == block && LocalSize(block) == 0 && LocalSize(later) == 8);
    LocalFree(later);
    SetLastError(0);
    EXPECT_EQ(LocalAlloc(LMEM_MOVEABLE, kGiB + 1), nullptr) << "an absurd size";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, std::numeric_limits<SIZE_T>::max()), nullptr);
}

}  // namespace
