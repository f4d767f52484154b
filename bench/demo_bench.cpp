// Whole frames, as a user sees them: the demo's map screen, and a small screen with a list and a
// combo box, each repainted whole and each played through a pen tour with every frame timed.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include <objbase.h>
#include <wincore/host.h>

#include "NavComboboxEx.h"
#include "app.h"
#include "cases.h"
#include "layout.h"
#include "map_screen.h"
#include "report.h"
#include "scene.h"

namespace bench {

namespace {

constexpr int kSmallWidth = 480;  // px
constexpr int kSmallHeight = 272;  // px
constexpr RECT kSmallList = {0, 0, 280, kSmallHeight};
// The 42-px field and four rows below it: five would not fit under the field with the list's frame.
constexpr RECT kSmallCombo = {292, 6, 472, 216};
constexpr int kSmallRows = 40;
constexpr int kComboId = 20;
constexpr int kPickedComboRow = 2;

// A drag and a flick of the list, then the combo box opened and its third row picked.
constexpr const char* kSmallTour = R"(wait 100
down 140 200
wait 40
move 140 180
wait 30
move 140 150
wait 30
move 140 120
wait 200
move 140 90
wait 16
move 140 60
wait 16
move 140 30
wait 16
up 140 30
wait 1600
down 452 27
wait 90
up 452 27
wait 400
down 380 153
wait 90
up 380 153
wait 600
)";

// The screen composes when it is read, as a display reads it for every frame it shows.
void Compose()
{
    wincore::ScreenPixel(0, 0);
}

// What RedrawWindow(RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW) does to a window whose
// children are `windows` after it, then the screen composed.
void RepaintWhole(const std::vector<HWND>& windows)
{
    for (HWND hwnd : windows) InvalidateRect(hwnd, nullptr, FALSE);
    wincore::Pump();
    Compose();
}

double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double ThreadSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// A frame is timed on two clocks, each an upper bound of its work: the wall clock takes in whatever
// else the machine ran meanwhile, the thread's CPU clock its own reading, a system call that takes
// microseconds on a virtual machine (more than a frame in which nothing moves). The wall clock is
// read nearest the work on either side, and the frame takes the smaller of the two.
struct Stamp {
    double wall = 0;
    double cpu = 0;
};

Stamp FrameStart()
{
    Stamp stamp;
    stamp.cpu = ThreadSeconds();
    stamp.wall = WallSeconds();
    return stamp;
}

double FrameSeconds(const Stamp& start)
{
    const double wall = WallSeconds();
    return std::min(wall - start.wall, ThreadSeconds() - start.cpu);
}

// The nearest rank.
double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(fraction * double(values.size())));
    return values[std::max<size_t>(rank, 1) - 1];
}

// The demo as its headless run puts it up: the map screen on the manual clock, the controls on
// their ticks.
class DemoScreen {
public:
    DemoScreen()
    {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        made = screen.Create(GetModuleHandleW(nullptr));
        if (made) screen.SetAnimationInterval(demo::AnimationInterval(demo::Options(), false));
    }
    ~DemoScreen()
    {
        screen.Destroy();
        CoUninitialize();
    }

    // The screen's window and its controls, which are its only children.
    std::vector<HWND> Windows() const
    {
        std::vector<HWND> windows = {screen.Window()};
        for (UINT id : {demo::kListId, demo::kRouteComboId, demo::kZoomBoxId, demo::kModeBoxId, demo::kMenuButtonId})
            windows.push_back(GetDlgItem(screen.Window(), int(id)));
        return windows;
    }

    Session session{layout::kScreenWidth, layout::kScreenHeight};
    demo::MapScreen screen;
    bool made = false;
};

// The ordinary list on the left and a combo box at the top right, over the owner's map.
class SmallScreen {
public:
    SmallScreen()
    {
        combo.SetFont(screen.fonts.title);
        WCHAR text[] = u"Fastest route";
        RECT area = kSmallCombo;
        made = screen.opened && combo.Create(nullptr, WS_VISIBLE, text, area, screen.owner.hwnd, kComboId);
        for (int i = 0; i < kRowKinds; i++) combo.AddString(Row(i).title);
        wincore::Pump();
    }

    std::vector<HWND> Windows() { return {screen.owner.hwnd, screen.Window(), combo.GetSafeHwnd()}; }

    ListScreen<NavListViewEx> screen{kSmallWidth, kSmallHeight, kSmallList, kSmallRows, true};
    CNavComboboxEx combo;
    bool made = false;
};

// Plays `script` on the screen put up, each pen input and each step of the clock timed through to
// the composed screen; reports the frames' median and 99th percentile in seconds, and the decoded
// pictures the imaging factories keep afterwards.
void PlayTimed(benchmark::State& state, const demo::Script& script)
{
    std::vector<double> frames;
    Stamp start;
    demo::PlayOptions options;
    options.frameMs = demo::kTickFrameMs;
    options.onFrame = [&] {
        Compose();
        frames.push_back(FrameSeconds(start));
        start = FrameStart();
    };
    demo::PlayReport report;
    std::string error;
    for (auto _ : state) {
        start = FrameStart();
        if (!demo::PlayScript(script, options, &report, &error)) return state.SkipWithError(error.c_str());
    }
    state.counters[kFrameP50] = Percentile(frames, 0.50);
    state.counters[kFrameP99] = Percentile(frames, 0.99);
    state.counters[kFrames] = double(frames.size()) / double(state.iterations());
    state.counters[kCacheBytes] = double(wincore::DecodedPictureBytes());
}

void DemoRepaint(benchmark::State& state)
{
    DemoScreen demo;
    if (!demo.made) return state.SkipWithError("the map screen was not put up");
    const std::vector<HWND> windows = demo.Windows();
    for (auto _ : state) RepaintWhole(windows);
    KeepScreen("demo_screen");
}

// The built-in tour without its shots: the frames are the work, not the files.
void DemoTour(benchmark::State& state)
{
    demo::Script tour;
    std::string error;
    if (!demo::LoadBuiltInTour(&tour, &error)) return state.SkipWithError(error.c_str());
    const auto shot = [](const demo::Step& step) { return step.kind == demo::Step::Kind::Shot; };
    tour.erase(std::remove_if(tour.begin(), tour.end(), shot), tour.end());
    DemoScreen demo;
    if (!demo.made) return state.SkipWithError("the map screen was not put up");
    PlayTimed(state, tour);
    KeepScreen("demo_tour_end");
}

void SmallRepaint(benchmark::State& state)
{
    SmallScreen small;
    if (!small.made) return state.SkipWithError("the small screen was not put up");
    const std::vector<HWND> windows = small.Windows();
    for (auto _ : state) RepaintWhole(windows);
    KeepScreen("small_screen");
}

void SmallTour(benchmark::State& state)
{
    demo::Script tour;
    std::string error;
    if (!demo::ParseScript(kSmallTour, "small tour", &tour, &error)) return state.SkipWithError(error.c_str());
    SmallScreen small;
    if (!small.made) return state.SkipWithError("the small screen was not put up");
    PlayTimed(state, tour);
    if (small.combo.GetCurSel() != kPickedComboRow) state.SkipWithError("the tour did not pick the combo box's row");
    KeepScreen("small_tour_end");
}

}  // namespace

void RegisterDemoCases()
{
    const Area screen{layout::kScreenWidth, layout::kScreenHeight};
    const Area small{kSmallWidth, kSmallHeight};
    RegisterCase("demo screen full repaint 800x480", screen, DemoRepaint);
    // A tour changes the screen it plays on: one play per run, the repetitions play it afresh.
    RegisterCase("demo tour frames 800x480", screen, DemoTour)->Iterations(1);
    RegisterCase("small screen full repaint 480x272", small, SmallRepaint);
    RegisterCase("small screen tour frames 480x272", small, SmallTour)->Iterations(1);
}

}  // namespace bench
