// The vector box: its paint at rest and in the middle of a slide, and one frame of a smooth slide.
#include <benchmark/benchmark.h>

#include <wincore/host.h>

#include "NavVectorBox.h"
#include "cases.h"
#include "report.h"
#include "scene.h"

namespace bench {

namespace {

constexpr Area kBoxArea = {252, 42};

struct VectorBox : CNavVectorBox {
    HWND Window() { return hWnd; }
    POINT NextArrow()
    {
        POINT centre = {(passRect[1].left + passRect[1].right) / 2, (passRect[1].top + passRect[1].bottom) / 2};
        MapWindowPoints(hWnd, nullptr, &centre, 1);
        return centre;
    }
    int Slide() const { return slideOffset; }
};

// The route box of the demo's screen, with a row title per item.
bool Open(VectorBox& box, const Owner& owner, const Fonts& fonts)
{
    box.SetFont(fonts.title);
    box.SetTextColor(kTitleColor);
    if (!box.Create(nullptr, WS_CHILD | WS_VISIBLE, u"route", RECT{20, 30, 272, 72}, owner.hwnd, 7, VBOX_HORZ))
        return false;
    for (int i = 0; i < kRowKinds; i++) box.InsertItem(Row(i).title, nullptr);
    return true;
}

// `sliding`: a tap on the next arrow starts a slide, and the clock stops two ticks into it.
void Paint(benchmark::State& state, bool sliding)
{
    Session session;
    Owner owner(800, 480);
    Fonts fonts;
    VectorBox box;
    if (!Open(box, owner, fonts)) return state.SkipWithError("the vector box was not created");
    wincore::Pump();
    if (sliding) {
        POINT arrow = box.NextArrow();
        wincore::PenDown(arrow.x, arrow.y);
        wincore::PenUp(arrow.x, arrow.y);
        wincore::Advance(100);
        if (box.Slide() == 0) return state.SkipWithError("no slide is running");
    }
    for (auto _ : state) Repaint(box.Window());
    KeepScreen(sliding ? "vbox_sliding" : "vbox_rest");
}

constexpr int kFrameMs = 16;
constexpr int kFramesPerSlide = 400 / kFrameMs;  // a 136-pixel slide ends at 400 ms

// One frame of a slide at a 16 ms period (the timer message and the paint it asks for), over
// whole slides: each iteration takes the clock to the next frame; a new slide starts, untimed,
// where one ends.
void SlideFrame(benchmark::State& state)
{
    Session session;
    Owner owner(800, 480);
    Fonts fonts;
    VectorBox box;
    if (!Open(box, owner, fonts)) return state.SkipWithError("the vector box was not created");
    box.SetAnimationInterval(kFrameMs);
    wincore::Pump();
    const POINT arrow = box.NextArrow();
    int frame = 0;
    for (auto _ : state) {
        if (frame++ % kFramesPerSlide == 0) {
            state.PauseTiming();
            wincore::PenDown(arrow.x, arrow.y);
            wincore::PenUp(arrow.x, arrow.y);
            state.ResumeTiming();
        }
        wincore::Advance(kFrameMs);
    }
    KeepScreen("vbox_slide_frame");
}

}  // namespace

void RegisterVectorBoxCases()
{
    RegisterCase("vector box paint 252x42 at rest", kBoxArea, Paint, false);
    RegisterCase("vector box paint 252x42 mid-slide", kBoxArea, Paint, true);
    RegisterCase("vector box slide frame at 16 ms", kBoxArea, SlideFrame);
}

}  // namespace bench
