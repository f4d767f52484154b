// Drawing primitives the controls are built from: a picture stretched as a nine-part frame over
// the whole screen, and one line of text.
#include <benchmark/benchmark.h>

#include <string>

#include "cases.h"
#include "report.h"
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "kit/NinePart.h"
#include "resources/resource.h"
#include "scene.h"

namespace bench {

namespace {

constexpr int kCorner = 22;
constexpr Area kLineArea = {800, 40};
constexpr const char16_t* kLatinLine = u"Riverside Avenue 12, Harbour District N4";
constexpr const char16_t* kChineseLine = u"北京市东城区东长安街天安门广场南侧人民英雄"
                                         u"纪念碑东侧国家博物馆西门停车场北入口处";

// A memory DC with a bitmap of its own.
class Canvas {
public:
    Canvas(int width, int height)
    {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(dc, width, height);
        old = SelectObject(dc, bitmap);
        RECT all = {0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
};

// Corners one to one, edges stretched along, the centre stretched both ways.
void NinePartFrame(benchmark::State& state)
{
    Session session;
    Canvas canvas(800, 480);
    CNavImage frame;
    if (!frame.LoadFromResource(IDR_LIST_FRAME, GetModuleInstance(), TEXT("PNG")))
        return state.SkipWithError("the frame picture did not load");
    const RECT screen = {0, 0, 800, 480};
    for (auto _ : state) kit::DrawNinePart(frame, canvas.dc, screen, kCorner);
}

void Text(benchmark::State& state, const char16_t* text, bool cjk)
{
    Session session;
    Fonts fonts;
    Canvas canvas(kLineArea.width, kLineArea.height);
    SelectObject(canvas.dc, cjk ? fonts.address : fonts.title);
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, kTitleColor);
    RECT line = {0, 0, 800, 40};
    const int length = int(std::u16string(text).size());
    if (length != 40) return state.SkipWithError("the text is not 40 characters long");
    for (auto _ : state) DrawTextW(canvas.dc, text, length, &line, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(canvas.dc, GetStockObject(SYSTEM_FONT));
}

}  // namespace

void RegisterDrawingCases()
{
    RegisterCase("CNavImage nine-part frame to 800x480", Area{800, 480}, NinePartFrame);
    RegisterCase("DrawTextW of 40 characters", kLineArea, Text, kLatinLine, false);
    RegisterCase("DrawTextW of 40 CJK characters", kLineArea, Text, kChineseLine, true);
}

}  // namespace bench
