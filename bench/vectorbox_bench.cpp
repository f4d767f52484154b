// The vector box: its paint at rest and in the middle of a slide.
#include <benchmark/benchmark.h>

#include <wincore/host.h>

#include "NavVectorBox.h"
#include "cases.h"
#include "scene.h"

namespace bench {

namespace {

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

// `sliding`: a tap on the next arrow starts a slide, and the clock stops two ticks into it.
void Paint(benchmark::State& state, bool sliding)
{
    Session session;
    Owner owner(800, 480);
    Fonts fonts;
    VectorBox box;
    box.SetFont(fonts.title);
    box.SetTextColor(kTitleColor);
    if (!box.Create(nullptr, WS_CHILD | WS_VISIBLE, u"route", RECT{20, 30, 272, 72}, owner.hwnd, 7, VBOX_HORZ))
        return state.SkipWithError("the vector box was not created");
    for (int i = 0; i < kRowKinds; i++) box.InsertItem(Row(i).title, nullptr);
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

}  // namespace

void RegisterVectorBoxCases()
{
    benchmark::RegisterBenchmark("vector box paint 252x42 at rest", Paint, false);
    benchmark::RegisterBenchmark("vector box paint 252x42 mid-slide", Paint, true);
}

}  // namespace bench
