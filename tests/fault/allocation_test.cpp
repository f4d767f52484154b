// Failures the code survives: the menu facade's nothrow allocations, a bitmap too large to make and
// a host callback that throws.
#include <new>
#include <stdexcept>

#include "fault/fault_fixture.h"

namespace {

int refused = -1;  // nothrow allocations refused while a NoMemory lives; -1 outside one

// Fails every nothrow allocation of the process while it lives.
struct NoMemory {
    NoMemory() { refused = 0; }
    ~NoMemory() { refused = -1; }
};

template <class Allocate>
void* Nothrow(std::size_t size, Allocate allocate) noexcept
{
    if (refused >= 0) return refused++, nullptr;
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

// The nothrow forms are replaced for the whole test program; they fail only inside a NoMemory.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Nothrow(size, [](std::size_t bytes) { return ::operator new(bytes); });
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Nothrow(size, [](std::size_t bytes) { return ::operator new[](bytes); });
}

namespace {

using AllocationTest = FaultTest;

TEST_F(AllocationTest, MenuFacadeWithoutMemoryDoesNothing)
{
    CRKNaviMenu menu, copied;
    {
        NoMemory none;
        EXPECT_EQ(menu.Create(1), 0);
        EXPECT_GT(refused, 0);
    }
    EXPECT_EQ(menu.GetSafeHwnd(), nullptr);
    EXPECT_EQ(menu.AppendItem(MWF_ENABLED | MWF_TEXT, 1, TEXT("Home"), {kTextColour, 150}, nullptr), 0);
    EXPECT_EQ(menu.TrackMenu(owner, 10, 10), 0);

    ASSERT_EQ(copied.Create(0), 1);
    AppendItems(copied, 1);
    {
        NoMemory none;
        CRKNaviMenu copy(copied);
        EXPECT_EQ(copy.TrackMenu(owner, 10, 300), 0) << "a copy that could not be made is empty";
        menu = copied;
    }
    EXPECT_EQ(menu.TrackMenu(owner, 10, 300), 0);
    EXPECT_EQ(copied.TrackMenu(owner, 10, 300), 1) << "the original is untouched";
    wincore::Advance(1000);
}

// A list whose paint cannot finish still takes the pen: one larger than any off-screen bitmap (a
// drop-down list cannot copy its backdrop either), and one whose host callback throws (nothing a
// handler throws crosses a window procedure).
TEST_F(AllocationTest, ListWhosePaintFailsStillTakesThePen)
{
    const struct {
        const char* name;
        LONG right;
        int mode;
        bool throwing;
    } cases[] = {{"larger than any bitmap", 20000, NAVLV_MODE_LIST, false},
                 {"a drop-down list larger than any bitmap", 20000, NAVLV_MODE_DROPDOWN, false},
                 {"a throwing host callback", 310, NAVLV_MODE_LIST, true}};
    for (const auto& c : cases) {
        NavListViewEx list;
        SIZE cell = {20, 20};
        if (c.throwing)
            list.SetImageList(nullptr, &cell, [](HDC, RECT*, tagNAVLVITME*) { throw std::runtime_error("host callback"); });
        for (int i = 0; i < 3; i++) list.AddItem(TEXT("Row"), -1, 0);
        const DWORD style = (c.mode == NAVLV_MODE_DROPDOWN ? WS_POPUP : WS_CHILD) | WS_VISIBLE;
        ASSERT_EQ(list.Create(nullptr, style, RECT{10, 10, c.right, 300}, owner, 7, c.mode), 1);
        EXPECT_NO_THROW(wincore::Pump()) << c.name;
        int tapped = -1;
        onMessage = [&](UINT message, WPARAM, LPARAM lParam) {
            if (message == WM_NAVLV_ITEMNOTIFY) tapped = reinterpret_cast<tagNAVLVITME*>(lParam)->index;
        };
        EXPECT_NO_THROW(Tap(100, 40)) << c.name;
        EXPECT_EQ(tapped, 0) << c.name;
        onMessage = nullptr;
    }
}

}  // namespace
