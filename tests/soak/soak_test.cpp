// Soak runs: each control's cycle repeated; live windows, GDI objects and resident memory kept level.
#include <unistd.h>

#include <fstream>

#include "fault/fault_fixture.h"

namespace {

// ASan's quarantine keeps freed memory (its leak checker watches the heap); it and emulation take fewer cycles.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
constexpr int kCycles = 500;
#else
constexpr bool kAddressSanitizer = false;
#if defined(RKNAV_EMULATED)
constexpr int kCycles = 1000;
#else
constexpr int kCycles = 10000;  // 9,500 counted cycles: the 1-MB tolerance catches 110 bytes a cycle
#endif
#endif
constexpr int kCheckEvery = 500;
constexpr long kResidentToleranceKb = 1024;

long ResidentKb()
{
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Soak : public FaultTest {
protected:
    void Run(int picksPerCycle, const std::function<void(int)>& cycle)
    {
        Log().Mute();
        onMessage = [this](UINT message, WPARAM wParam, LPARAM) {
            if (message == WM_COMMAND) picked = LOWORD(wParam), picks++;
        };
        const int warmUp = kCycles / 20;
        for (int i = 0; i < warmUp; i++) cycle(i);
        const int windows = wincore::LiveWindows(), gdi = wincore::LiveGdiObjects();
        const long residentBefore = ResidentKb();
        for (int i = warmUp; i < kCycles; i++) {
            cycle(i);
            if ((i + 1) % kCheckEvery != 0) continue;
            ASSERT_EQ(std::pair(wincore::LiveWindows(), wincore::LiveGdiObjects()), std::pair(windows, gdi))
                << "windows and GDI objects after cycle " << i + 1;
        }
        const long growth = ResidentKb() - residentBefore;
        EXPECT_TRUE(kAddressSanitizer || growth <= kResidentToleranceKb) << "resident memory grew " << growth << " KB";
        EXPECT_EQ(picks, kCycles * picksPerCycle) << "WM_COMMANDs";
    }
    void Track(CRKNaviMenu& menu, UINT items, int x, int y)
    {
        AppendItems(menu, items);
        EXPECT_EQ(menu.TrackMenu(owner, x, y), 1);
        wincore::Pump();
    }

    int picks = 0;
    UINT picked = 0;
};

TEST_F(Soak, CreatePaintDestroyEveryControl)
{
    Run(0, [this](int i) {
        NavListViewEx list;
        list.EnablePageScroll(i % 3 == 0);
        for (int row = 0; row < 4; row++) list.AddItem(TEXT("Row"), -1, 0);
        const bool dropDown = i % 2;
        ASSERT_EQ(list.Create(nullptr, (dropDown ? WS_POPUP : WS_CHILD) | WS_VISIBLE, RECT{10, 10, 250, 300}, owner, 7,
                              dropDown ? NAVLV_MODE_DROPDOWN : NAVLV_MODE_LIST), 1);
        CNavComboboxEx combo;
        RECT rect = {300, 100, 540, 400};
        WCHAR text[] = TEXT("Field");
        ASSERT_EQ(combo.Create(nullptr, WS_VISIBLE, text, rect, owner, 20), 1);
        combo.AddString(TEXT("One"));
        CNavVectorBox box;
        const RECT boxRect = {300, 30, 552, 72};
        ASSERT_EQ(box.Create(nullptr, WS_CHILD | WS_VISIBLE, nullptr, boxRect, owner, 8, dropDown ? VBOX_VERT : VBOX_HORZ), 1);
        box.InsertItem(TEXT("Item"), nullptr);
        CRKNaviMenu menu;
        ASSERT_EQ(menu.Create(dropDown), 1);
        Track(menu, 1, 600, 300);
    });
}

// The combo box's list picks; the pop-up closes at a pick, the panel at its close button.
TEST_F(Soak, OpenPickCloseTheComboBoxsListAndBothMenus)
{
    CNavComboboxEx combo;
    CreateGreekCombo(combo, owner);
    CRKNaviMenu popup, panel;
    ASSERT_EQ(popup.Create(1) + panel.Create(0), 2);
    RECT at = {};
    Run(3, [&](int i) {
        PickInCombo(i % 3);
        ASSERT_EQ(combo.GetCurSel(), i % 3) << "cycle " << i;
        const int item = i % 2;
        Track(popup, 2, 400, 100);
        GetWindowRect(popup.GetSafeHwnd(), &at);
        Tap(at.left + 26, at.top + 26 + item * (at.bottom - at.top - 44) / 2);
        ASSERT_EQ(picked, UINT(item + 1)) << "cycle " << i;
        ASSERT_EQ(popup.GetSafeHwnd(), nullptr) << "cycle " << i;
        Track(panel, 1, 400, 300);
        panel.SetCloseBt(RECT{0, 0, 10, 10}, 1);  // TrackMenu starts without one
        wincore::Advance(200);
        GetWindowRect(panel.GetSafeHwnd(), &at);
        Tap(at.left + 14, at.top + 14);
        ASSERT_EQ(picks, 3 * i + 3) << "cycle " << i;
        Tap(at.left + 3, at.top + 3);
        wincore::Advance(700);
        ASSERT_EQ(panel.GetSafeHwnd(), nullptr) << "cycle " << i;
    });
}

}  // namespace
