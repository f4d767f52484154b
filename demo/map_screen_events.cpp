// What the screen does with the controls' notifications and with taps on the map.
#include "map_screen.h"

#include <cstdlib>

#include "layout.h"
#include "trip.h"

namespace demo {

namespace {

constexpr int kTapSlop = 12;  // pixels a tap may wander

bool InMap(int x, int y)
{
    const layout::Box& map = layout::kMapArea;
    return x >= map.left && x < map.right && y >= map.top && y < map.bottom;
}

std::u16string ItemText(CNavVectorBox& box, const std::vector<std::u16string>& texts)
{
    int index = box.GetCurSel();
    return index >= 0 && index < int(texts.size()) ? texts[size_t(index)] : std::u16string(u"(none)");
}

}  // namespace

void MapScreen::Show(const Notice& notice)
{
    notice_ = notice;
    RECT status = {layout::kStatus.left, layout::kStatus.top, layout::kStatus.right, layout::kStatus.bottom};
    InvalidateRect(hwnd_, &status, FALSE);
}

void MapScreen::RefreshTrip()
{
    RECT trip = {layout::kTripInfo.left, layout::kTripInfo.top, layout::kTripInfo.right, layout::kTripInfo.bottom};
    InvalidateRect(hwnd_, &trip, FALSE);
}

void MapScreen::OnItemNotify(WPARAM wParam, const tagNAVLVITME* item)
{
    if (!item) return;
    std::u16string what = OneLine(item->text1);
    if (wParam == kListId && controls_->list.SelectMode())
        what += u"  ·  " + Number(controls_->list.CheckedCount()) + u" checked 已选";
    if (wParam != kListId) what = u"route list: " + what;
    Show(ItemNotice(wParam, *item, what));
}

void MapScreen::OnPageScroll(WPARAM wParam)
{
    std::u16string what;
    switch (HIWORD(wParam)) {
    case 0:
        controls_->list.Page(-1);
        what = u"previous page 上一页";
        break;
    case 1:
        controls_->list.Page(+1);
        what = u"next page 下一页";
        break;
    default:
        controls_->list.SetCheckBox(!controls_->list.SelectMode());
        what = controls_->list.SelectMode() ? u"select mode on: tap rows to check them" : u"select mode off";
        break;
    }
    Show(PageScrollNotice(wParam, what));
}

void MapScreen::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case kRouteComboId: OnRouteChanged(wParam); return;
    case kZoomBoxId:
    case kModeBoxId: OnBoxStepped(wParam); return;
    case kMenuButtonId:
        if (HIWORD(wParam) != BN_CLICKED) return;
        OpenPanel();
        Show(CommandNotice(wParam, u"menu button: the sliding panel opens", u"BN_CLICKED"));
        return;
    default: OnMenuPick(wParam, lParam); return;
    }
}

void MapScreen::OnRouteChanged(WPARAM wParam)
{
    if (HIWORD(wParam) == 0) {
        Show(CommandNotice(wParam, u"route field tapped"));
        return;
    }
    routeType_ = controls_->routeCombo.GetCurSel();
    RefreshTrip();
    WCHAR text[NAVLV_TEXT_LEN + 1] = {};
    controls_->routeCombo.GetComboxText(text, NAVLV_TEXT_LEN);
    const char16_t* code = HIWORD(wParam) == CBN_SELCHANGE ? u"CBN_SELCHANGE" : u"CBN_DBLCLK";
    Show(CommandNotice(wParam, u"route type: " + OneLine(text), code));
}

void MapScreen::OnBoxStepped(WPARAM wParam)
{
    if (LOWORD(wParam) == kModeBoxId) {
        RefreshTrip();
        Show(CommandNotice(wParam, u"travel mode: " + ItemText(controls_->modeBox, TravelModes()), u"BN_CLICKED"));
        return;
    }
    Show(CommandNotice(wParam, u"map scale: " + ItemText(controls_->zoomBox, ZoomSteps()), u"BN_CLICKED"));
}

void MapScreen::OnPenDown(int x, int y)
{
    penDownAt_ = POINT{x, y};
}

void MapScreen::OnPenUp(int x, int y)
{
    const POINT down = penDownAt_;
    penDownAt_ = POINT{-1, -1};
    if (std::abs(x - down.x) > kTapSlop || std::abs(y - down.y) > kTapSlop) return;
    if (InMap(down.x, down.y) && InMap(x, y)) OpenPopup(x, y);
}

}  // namespace demo
