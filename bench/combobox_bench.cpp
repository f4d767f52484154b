// The combo box: its field, and its drop-down list once open.
#include <benchmark/benchmark.h>

#include <wincore/host.h>

#include "NavComboboxEx.h"
#include "cases.h"
#include "report.h"
#include "scene.h"

namespace bench {

namespace {

struct Combo : CNavComboboxEx {
    HWND List() { return pDropList ? pDropList->GetSafeHand() : nullptr; }
};

// A 252 x 42 field at (40, 40) with room for eight rows below it.
class ComboScene {
public:
    ComboScene() : owner(800, 480)
    {
        RECT rect = {40, 40, 292, 420};
        combo.SetFont(fonts.title);
        WCHAR text[] = u"Fastest route";
        made = combo.Create(nullptr, WS_VISIBLE, text, rect, owner.hwnd, 20);
        for (int i = 0; i < kRowKinds; i++) combo.AddString(Row(i).title);
        wincore::Pump();
    }

    Session session;
    Owner owner;
    Fonts fonts;
    Combo combo;
    bool made = false;
};

void FieldPaint(benchmark::State& state)
{
    ComboScene scene;
    if (!scene.made) return state.SkipWithError("the combo box was not created");
    for (auto _ : state) Repaint(scene.combo.GetSafeHwnd());
    KeepScreen("combo_field");
}

// A tap on the drop button opens the list after the drop delay.
void OpenListPaint(benchmark::State& state)
{
    ComboScene scene;
    if (!scene.made) return state.SkipWithError("the combo box was not created");
    wincore::PenDown(262, 61);
    wincore::PenUp(262, 61);
    wincore::Advance(200);
    HWND list = scene.combo.List();
    if (!IsWindowVisible(list)) return state.SkipWithError("the list did not open");
    for (auto _ : state) Repaint(list);
    KeepScreen("combo_open_list");
}

}  // namespace

void RegisterComboCases()
{
    RegisterCase("combo field paint 252x42", Area{252, 42}, FieldPaint);
    RegisterCase("combo open list paint 252x336", Area{252, 336}, OpenListPaint);
}

}  // namespace bench
