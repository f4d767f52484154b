// Painting the screen window: the scene, the title, the status line and the trip summary; the
// backgrounds the controls ask for; the menu button.
#include "map_screen.h"

#include "layout.h"
#include "trip.h"

namespace demo {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMuted = RGB(159, 178, 200);
constexpr COLORREF kAccent = RGB(140, 196, 255);
constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

RECT RectOf(layout::Box box)
{
    return RECT{box.left, box.top, box.right, box.bottom};
}

}  // namespace

void MapScreen::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    scene_.Copy(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint);
    SetBkMode(dc, TRANSPARENT);
    PaintTitle(dc);
    PaintStatus(dc);
    PaintTrip(dc);
    EndPaint(hwnd_, &paint);
}

void MapScreen::PaintText(HDC dc, const Text& text, RECT box, HFONT font, COLORREF color, UINT format)
{
    HGDIOBJ oldFont = SelectObject(dc, font);
    COLORREF oldColor = SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), int(text.size()), &box, format);
    SetTextColor(dc, oldColor);
    SelectObject(dc, oldFont);
}

void MapScreen::PaintTitle(HDC dc)
{
    const layout::Box& box = layout::kTitle;
    PaintText(dc, TEXT("RKNavCtrlEx"), RECT{box.left + 42, 4, box.right, 27}, titleFont_, kWhite, kLine);
    PaintText(dc, TEXT("Navigation demo · 导航演示"), RECT{box.left + 42, 26, box.right, 44}, smallFont_, kMuted, kLine);
}

void MapScreen::PaintStatus(HDC dc)
{
    const layout::Box& box = layout::kStatus;
    PaintText(dc, notice_.headline, RECT{box.left + 10, box.top + 5, box.right - 8, box.top + 21}, smallFont_, kAccent,
              kLine);
    PaintText(dc, notice_.detail, RECT{box.left + 10, box.top + 21, box.right - 8, box.bottom - 4}, statusFont_, kWhite,
              kLine);
}

void MapScreen::PaintTrip(HDC dc)
{
    const layout::Box& box = layout::kTripInfo;
    Trip trip = TripFor(routeType_, controls_->modeBox.GetCurSel());
    PaintText(dc, trip.duration, RECT{box.left + 12, box.top + 3, box.right - 8, box.top + 29}, tripFont_, kWhite,
              kLine);
    PaintText(dc, trip.distance + TEXT("  ·  ") + TravelModes()[size_t(controls_->modeBox.GetCurSel()) % TravelModes().size()],
              RECT{box.left + 12, box.top + 29, box.right - 8, box.bottom - 4}, smallFont_, kMuted, kLine);
}

void MapScreen::PaintBackground(HDC dc, const RECT* area)
{
    if (area) scene_.Copy(dc, 0, 0, *area);
}

void MapScreen::DrawMenuButton(const DRAWITEMSTRUCT& item)
{
    const layout::Box& box = layout::kMenuButton;
    const int w = box.width(), h = box.height();
    scene_.Copy(item.hDC, 0, 0, RectOf(box));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    TransparentImage(item.hDC, 0, 0, w, h, menuButtonPicture_, pressed ? w : 0, 0, w, h, RGB(255, 0, 255));
    SetBkMode(item.hDC, TRANSPARENT);
    PaintText(item.hDC, TEXT("Menu 菜单"), RECT{34, 0, w - 6, h}, statusFont_, kWhite, kLine | DT_CENTER);
}

}  // namespace demo
