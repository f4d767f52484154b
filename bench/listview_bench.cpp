// The list view: paints of the ordinary list in its variants, a drag step, a whole glide at the
// ticks and at a display's rate, one smooth frame of a glide and of a spring-back, long lists, and
// the item store's costs.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <wincore/host.h>

#include "cases.h"
#include "report.h"
#include "scene.h"

namespace bench {

namespace {

// Moves the list's view without pen input, to start a case from the same place every time.
struct ScrolledList : NavListViewEx {
    void ScrollTo(int top)
    {
        topIndex = top;
        firstRowBottom = itemHeight;
        Refresh();
        wincore::Pump();
    }
};

// The ordinary list filling a screen of the given size, with `count` rows.
class ListScene : public ListScreen<ScrolledList> {
public:
    ListScene(int width, int height, int count, bool ownerBackground)
        : ListScreen(width, height, RECT{0, 0, width, height}, count, ownerBackground)
    {
    }
};

void Paint(benchmark::State& state, int width, int height, int count, bool ownerBackground, int top,
           const char* picture)
{
    ListScene scene(width, height, count, ownerBackground);
    if (!scene.opened) return state.SkipWithError("the list was not created");
    if (top) scene.list.ScrollTo(top);
    for (auto _ : state) Repaint(scene.Window());
    KeepScreen(picture);
}

void PaintDropDown(benchmark::State& state)
{
    Session session;
    Owner owner(800, 480);
    Fonts fonts;
    NavListViewEx list;
    list.SetFont(fonts.title, nullptr, nullptr);
    list.SetColor(kTitleColor, kSelectionColor);
    for (int i = 0; i < kRowKinds; i++) list.AddItem(Row(i).title, -1, 0);
    if (!OpenList(list, owner.hwnd, RECT{100, 60, 340, 320}, 100)) return state.SkipWithError("no drop-down list");
    for (auto _ : state) Repaint(list.GetSafeHand());
    KeepScreen("list_dropdown");
    list.Destroy();
}

// A pen held on the list moves 8 px up, then back: each step is routed, scrolls and repaints.
void DragStep(benchmark::State& state)
{
    ListScene scene(800, 480, 50, false);
    if (!scene.opened) return state.SkipWithError("the list was not created");
    wincore::PenDown(400, 240);
    int y = 240;
    for (auto _ : state) {
        y = y == 240 ? 232 : 240;
        wincore::PenMove(400, y);
    }
    wincore::PenUp(400, y);
    wincore::Advance(5000);
}

constexpr int kSmoothMs = 16;  // the animation interval of the smooth cases: a 60 Hz display

// A 40 px flick within the glide window.
void Flick()
{
    wincore::PenDown(400, 300);
    wincore::PenMove(400, 260);
    wincore::PenUp(400, 260);
}

void FlickFromTheMiddle(ListScene& scene)
{
    scene.list.ScrollTo(500);
    Flick();
}

// The rows pulled down 140 px at the start of the list and let go slowly.
void PullDown(ListScene& scene)
{
    scene.list.ScrollTo(0);
    wincore::PenDown(400, 100);
    wincore::PenMove(400, 240);
    wincore::Advance(100);
    wincore::PenUp(400, 240);
}

// A whole glide of a 40 px flick, the clock running until the list is at rest, at the ticks or at
// `interval`: the same motion either way, so the two medians compare the work per second of it.
// The list goes back to the middle of its rows between flicks.
void Glide(benchmark::State& state, int interval)
{
    ListScene scene(800, 480, 1000, false);
    if (!scene.opened) return state.SkipWithError("the list was not created");
    scene.list.SetAnimationInterval(interval);
    scene.list.ScrollTo(500);
    for (auto _ : state) {
        Flick();
        wincore::Advance(2000);
        state.PauseTiming();
        scene.list.ScrollTo(500);
        state.ResumeTiming();
    }
}

// One frame of a movement at the smooth interval: the timer, the step along the curve, the paint.
// The movement starts again (untimed) every `frames` frames, before it could come to rest.
void SmoothFrame(benchmark::State& state, void (*start)(ListScene&), int frames)
{
    ListScene scene(800, 480, 1000, false);
    if (!scene.opened) return state.SkipWithError("the list was not created");
    scene.list.SetAnimationInterval(kSmoothMs);
    int frame = 0;
    for (auto _ : state) {
        if (frame++ % frames == 0) {
            state.PauseTiming();
            start(scene);
            state.ResumeTiming();
        }
        wincore::Advance(kSmoothMs);
    }
    wincore::Advance(5000);
}

void AddItems(benchmark::State& state)
{
    Session session;
    Owner owner(800, 480);
    for (auto _ : state) {
        state.PauseTiming();
        auto* list = new NavListViewEx;
        list->Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 480}, owner.hwnd, 7, -1);
        state.ResumeTiming();
        for (int i = 0; i < 100000; i++) list->AddItem(Row(i).title, IconOf(i), 0);
        state.PauseTiming();
        delete list;
        state.ResumeTiming();
    }
}

// An ordinary list with its page bar made and destroyed, as a host does per screen it opens;
// nothing is painted in between.
void CreateDestroy(benchmark::State& state)
{
    Session session;
    Owner owner(800, 480);
    Fonts fonts;
    for (auto _ : state) {
        NavListViewEx list;
        SetUpOrdinaryList(list, fonts, nullptr, false);
        if (!list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 480}, owner.hwnd, 7, -1))
            return state.SkipWithError("the list was not created");
        list.Destroy();
    }
}

void InsertAtFront(benchmark::State& state)
{
    Session session;
    Owner owner(800, 480);
    NavListViewEx list;
    list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 480}, owner.hwnd, 7, -1);
    AddRows(list, 10000);
    for (auto _ : state) {
        list.InsertItem(Row(3).title, 0, IconOf(3), 0);
        state.PauseTiming();
        list.DeleteItem(list.GetItemCount() - 1);
        state.ResumeTiming();
    }
    list.Destroy();
}

// Bytes handed out by malloc, large blocks (mapped on their own) included.
size_t HeapInUse()
{
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap growth while 100,000 rows with three texts are added, per row.
void MemoryPerItem(benchmark::State& state)
{
    Session session;
    Owner owner(800, 480);
    for (auto _ : state) {
        NavListViewEx list;
        list.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 480}, owner.hwnd, 7, -1);
        const size_t before = HeapInUse();
        AddRows(list, 100000);
        const size_t after = HeapInUse();
        state.counters[kBytesPerItem] = double(after - before) / 100000.0;
        list.Destroy();
    }
}

}  // namespace

void RegisterListCases()
{
    using benchmark::RegisterBenchmark;
    const Area screen = {800, 480}, small = {480, 272};
    RegisterCase("list paint 800x480 solid", screen, Paint, 800, 480, 50, false, 0, "list_800x480_solid");
    RegisterCase("list paint 800x480 owner background", screen, Paint, 800, 480, 50, true, 0, "list_800x480_owner");
    RegisterCase("list paint 480x272 solid", small, Paint, 480, 272, 50, false, 0, "list_480x272_solid");
    RegisterCase("list paint 480x272 owner background", small, Paint, 480, 272, 50, true, 0, nullptr);
    RegisterCase("list paint drop-down 240x260", Area{240, 260}, PaintDropDown);
    RegisterCase("list drag step 800x480", screen, DragStep);
    RegisterCase("list glide of a 40 px flick, 800x480", screen, Glide, 0)->Unit(benchmark::kMillisecond);
    RegisterCase("list glide of a 40 px flick at 16 ms, 800x480", screen, Glide, kSmoothMs)
        ->Unit(benchmark::kMillisecond);
    RegisterCase("list glide frame at 16 ms, 800x480", screen, SmoothFrame, FlickFromTheMiddle, 60);
    RegisterCase("list spring-back frame at 16 ms, 800x480", screen, SmoothFrame, PullDown, 15);
    RegisterCase("list paint 10 items", screen, Paint, 800, 480, 10, false, 0, nullptr);
    RegisterCase("list paint 100000 items", screen, Paint, 800, 480, 100000, false, 0, nullptr);
    RegisterCase("list paint 100000 items, at item 50000", screen, Paint, 800, 480, 100000, false, 50000, "list_at_50000");
    RegisterBenchmark("list AddItem x 100000", AddItems)->Unit(benchmark::kMillisecond);
    RegisterCase("list create + destroy", screen, CreateDestroy);
    RegisterBenchmark("list InsertItem at 0 into 10000", InsertAtFront);
    RegisterBenchmark("list memory per item (100000 rows)", MemoryPerItem)->Iterations(1)->Repetitions(1);
}

}  // namespace bench
