// Allocations the code survives: the menu facade's nothrow ones, and bitmaps too large to make.
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "NavComboboxEx.h"
#include "NavListViewEx.h"
#include "NavVectorBox.h"
#include "RKNaviMenu.h"
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
    copied.AppendItem(MWF_ENABLED | MWF_TEXT, 1, TEXT("Home"), {kTextColour, 150}, nullptr);
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

// Off-screen pictures larger than the largest bitmap cannot be made: the controls paint without them.
TEST_F(AllocationTest, ControlsLargerThanAnyBitmapPaint)
{
    NavListViewEx list;
    list.SetColor(kTextColour, RGB(0, 0, 255));
    for (int i = 0; i < 3; i++) list.AddItem(TEXT("Row"), -1, 0);
    ASSERT_EQ(list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 20000, 300}, owner, 7, -1), 1);
    CNavVectorBox box;
    ASSERT_EQ(box.Create(nullptr, WS_CHILD | WS_VISIBLE, nullptr, RECT{0, 300, 17000, 342}, owner, 9, VBOX_HORZ), 1);
    box.InsertItem(TEXT("Item"), nullptr);
    CNavComboboxEx combo;
    RECT field = {0, 400, 18000, 470};
    ASSERT_EQ(combo.Create(nullptr, WS_VISIBLE, nullptr, field, owner, 20), 1);
    CRKNaviMenu menu;
    ASSERT_EQ(menu.Create(0), 1);
    menu.SetBorder(0, 17000, 0, 17000);
    menu.AppendItem(MWF_ENABLED | MWF_TEXT, 1, TEXT("Item"), {kTextColour, 150}, nullptr);
    ASSERT_EQ(menu.TrackMenu(owner, 0, 0), 1);
    wincore::Advance(1500);
    std::vector<std::string> told;
    onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NAVLV_ITEMNOTIFY)
            told.push_back("row " + std::to_string(reinterpret_cast<tagNAVLVITME*>(lParam)->index));
        else if (message == WM_COMMAND)
            told.push_back("command " + std::to_string(LOWORD(wParam)) + " code " + std::to_string(HIWORD(wParam)));
    };
    Tap(100, 30);
    Tap(29, 321);
    wincore::Advance(500);
    EXPECT_EQ(told, (std::vector<std::string>{"row 0", "command 9 code 0"})) << "the controls still take the pen";
    menu.Destroy();
}

// Nothing a handler throws crosses a window procedure: a host's drawing callback that throws ends
// that one paint, and the list goes on taking the pen.
TEST_F(AllocationTest, AnExceptionEndsTheHandlingOfOneMessageOnly)
{
    NavListViewEx list;
    SIZE cell = {20, 20};
    list.SetImageList(nullptr, &cell, [](HDC, RECT*, tagNAVLVITME*) { throw std::runtime_error("host callback"); });
    for (int i = 0; i < 3; i++) list.AddItem(TEXT("Row"), -1, 0);
    ASSERT_EQ(list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{10, 10, 310, 300}, owner, 7, -1), 1);
    EXPECT_NO_THROW(wincore::Pump());
    int tapped = -1;
    onMessage = [&](UINT message, WPARAM, LPARAM lParam) {
        if (message == WM_NAVLV_ITEMNOTIFY) tapped = reinterpret_cast<tagNAVLVITME*>(lParam)->index;
    };
    EXPECT_NO_THROW(Tap(100, 40));
    EXPECT_EQ(tapped, 0);
}

}  // namespace
