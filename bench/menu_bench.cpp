// The navigation menu: the pop-up and the open sliding panel, each with eight items, and one frame
// of the panel's smooth opening.
#include <benchmark/benchmark.h>

#include <wincore/host.h>

#include "RKNaviMenu.h"
#include "cases.h"
#include "report.h"
#include "scene.h"

namespace bench {

namespace {

constexpr const char16_t* kItems[] = {u"Navigate home",  u"Search address", u"Points of interest", u"Recent places",
                                      u"Route options",  u"Map view",       u"Settings",           u"Exit"};
constexpr tagMW_FontStysle kItemStyle = {RGB(255, 255, 255), 150};
constexpr UINT kPopup = 1, kSlidingPanel = 0;
constexpr DWORD kPanelTick = 100;  // ms: the panel shows one tick after it is tracked
// The windows the eight items make at (200, 40).
constexpr Area kPopupArea = {245, 269}, kPanelArea = {220, 234};

void Paint(benchmark::State& state, UINT look, const char* picture)
{
    Session session;
    Owner owner(800, 480);
    CRKNaviMenu menu;
    if (!menu.Create(look)) return state.SkipWithError("the menu was not created");
    if (look == kSlidingPanel) menu.SetParam(MOVE_DOWN, 0, nullptr, nullptr, 1);
    UINT id = 1;
    for (const char16_t* text : kItems) menu.AppendItem(MWF_ENABLED | MWF_TEXT, id++, text, kItemStyle, nullptr);
    if (!menu.TrackMenu(owner.hwnd, 200, 40)) return state.SkipWithError("the menu did not open");
    wincore::Advance(kPanelTick);
    if (!IsWindowVisible(menu.GetSafeHwnd())) return state.SkipWithError("the menu is not shown");
    for (auto _ : state) Repaint(menu.GetSafeHwnd());
    KeepScreen(picture);
    menu.Destroy();
}

constexpr int kFrameMs = 16;
constexpr int kFramesPerOpening = 1008 / kFrameMs;  // the bounce settles at 1000 ms

// One frame of the panel's opening at a 16 ms period (the timer message, the move and the paint),
// over whole openings: each iteration takes the clock to the next frame; the panel is tracked
// again, untimed, where an opening ends.
void OpeningFrame(benchmark::State& state)
{
    Session session;
    Owner owner(800, 480);
    CRKNaviMenu menu;
    if (!menu.Create(kSlidingPanel)) return state.SkipWithError("the menu was not created");
    menu.SetAnimationInterval(kFrameMs);
    menu.SetParam(MOVE_DOWN, 1, nullptr, nullptr, 1);
    UINT id = 1;
    for (const char16_t* text : kItems) menu.AppendItem(MWF_ENABLED | MWF_TEXT, id++, text, kItemStyle, nullptr);
    int frame = 0;
    for (auto _ : state) {
        if (frame++ % kFramesPerOpening == 0) {
            state.PauseTiming();
            const int tracked = menu.TrackMenu(owner.hwnd, 200, 40);
            state.ResumeTiming();
            if (!tracked) return state.SkipWithError("the menu did not open");
        }
        wincore::Advance(kFrameMs);
    }
    KeepScreen("menu_panel_frame");
    menu.Destroy();
}

}  // namespace

void RegisterMenuCases()
{
    RegisterCase("pop-up menu paint, 8 items", kPopupArea, Paint, kPopup, "menu_popup");
    RegisterCase("sliding panel paint, 8 items", kPanelArea, Paint, kSlidingPanel, "menu_panel");
    RegisterCase("sliding panel opening frame at 16 ms, 8 items", kPanelArea, OpeningFrame);
}

}  // namespace bench
