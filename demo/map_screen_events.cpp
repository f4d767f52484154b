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

Text ItemText(CNavVectorBox& box, const std::vector<Text>& texts)
{
    int index = box.GetCurSel();
    return index >= 0 && index < int(texts.size()) ? texts[size_t(index)] : Text(TEXT("(none)"));
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
    Text what = OneLine(item->text1);
    if (wParam == kListId && controls_->list.SelectMode())
        what += TEXT("  ·  ") + Number(controls_->list.CheckedCount()) + TEXT(" checked 已选");
    if (wParam != kListId) what = TEXT("route list: ") + what;
    Show(ItemNotice(wParam, *item, what));
}

void MapScreen::OnPageScroll(WPARAM wParam)
{
    Text what;
    switch (HIWORD(wParam)) {
    case 0:
        controls_->list.Page(-1);
        what = TEXT("previous page 上一页");
        break;
    case 1:
        controls_->list.Page(+1);
        what = TEXT("next page 下一页");
        break;
    default:
        controls_->list.SetCheckBox(!controls_->list.SelectMode());
        what = controls_->list.SelectMode() ? TEXT("select mode on: tap rows to check them") : TEXT("select mode off");
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
        Show(CommandNotice(wParam, TEXT("menu button: the sliding panel opens"), TEXT("BN_CLICKED")));
        return;
    default: OnMenuPick(wParam, lParam); return;
    }
}

// Only a pick changes the route; the field's focus notices (EN_SETFOCUS, EN_KILLFOCUS) do not.
void MapScreen::OnRouteChanged(WPARAM wParam)
{
    if (HIWORD(wParam) == 0) {
        Show(CommandNotice(wParam, TEXT("route field tapped")));
        return;
    }
    if (HIWORD(wParam) != CBN_SELCHANGE && HIWORD(wParam) != CBN_DBLCLK) return;
    routeType_ = controls_->routeCombo.GetCurSel();
    RefreshTrip();
    WCHAR text[NAVLV_TEXT_LEN + 1] = {};
    controls_->routeCombo.GetComboxText(text, NAVLV_TEXT_LEN);
    const WCHAR* code = HIWORD(wParam) == CBN_SELCHANGE ? TEXT("CBN_SELCHANGE") : TEXT("CBN_DBLCLK");
    Show(CommandNotice(wParam, TEXT("route type: ") + OneLine(text), code));
}

void MapScreen::OnBoxStepped(WPARAM wParam)
{
    if (LOWORD(wParam) == kModeBoxId) {
        RefreshTrip();
        Show(CommandNotice(wParam, TEXT("travel mode: ") + ItemText(controls_->modeBox, TravelModes()), TEXT("BN_CLICKED")));
        return;
    }
    Show(CommandNotice(wParam, TEXT("map scale: ") + ItemText(controls_->zoomBox, ZoomSteps()), TEXT("BN_CLICKED")));
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
