// The screen's pictures, fonts and controls.
#include "map_screen.h"

#include "demo_resources.h"
#include "destinations.h"
#include "layout.h"
#include "trip.h"

namespace demo {

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kNameColor = RGB(28, 34, 43);
constexpr COLORREF kDistanceColor = RGB(23, 99, 196);
constexpr COLORREF kAddressColor = RGB(104, 114, 128);
constexpr COLORREF kSelection = RGB(120, 180, 245);
constexpr WCHAR kFace[] = u"WenQuanYi Micro Hei";

RECT RectOf(layout::Box box)
{
    return RECT{box.left, box.top, box.right, box.bottom};
}

HIMAGELIST LoadIcons(HINSTANCE instance, int id, int size)
{
    return ImageList_LoadImage(instance, MAKEINTRESOURCEW(id), size, 0, kKey, IMAGE_BITMAP, 0);
}

}  // namespace

HFONT MapScreen::MakeFont(int pixels, bool bold)
{
    LOGFONTW font = {};
    font.lfHeight = -pixels;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lstrcpynW(font.lfFaceName, kFace, LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&font);
    if (made) fonts_.push_back(made);
    return made;
}

bool MapScreen::CreateResources()
{
    placeIcons_ = LoadIcons(instance_, IDB_PLACES, layout::kPlaceIconSize);
    popupIcons_ = LoadIcons(instance_, IDB_POPUP_ICONS, layout::kMenuIconSize);
    panelIcons_ = LoadIcons(instance_, IDB_PANEL_ICONS, layout::kMenuIconSize);
    panelSkin_ = LoadBitmapW(instance_, MAKEINTRESOURCEW(IDB_PANEL));
    menuButtonPicture_ = LoadBitmapW(instance_, MAKEINTRESOURCEW(IDB_MENU_BUTTON));
    modeFrame_ = LoadBitmapW(instance_, MAKEINTRESOURCEW(IDB_MODE_FRAME));
    for (int id : {IDB_MODE_CAR, IDB_MODE_BIKE, IDB_MODE_WALK, IDB_MODE_BUS})
        modePictures_.push_back(LoadBitmapW(instance_, MAKEINTRESOURCEW(id)));
    titleFont_ = MakeFont(18, true);
    smallFont_ = MakeFont(12, false);
    statusFont_ = MakeFont(14, false);
    tripFont_ = MakeFont(20, true);
    bool ok = placeIcons_ && popupIcons_ && panelIcons_ && panelSkin_ && menuButtonPicture_ && modeFrame_ &&
              titleFont_ && smallFont_ && statusFont_ && tripFont_;
    for (HBITMAP picture : modePictures_) ok = ok && picture;
    return ok;
}

void MapScreen::ReleaseResources()
{
    for (HIMAGELIST* list : {&placeIcons_, &popupIcons_, &panelIcons_}) {
        if (*list) ImageList_Destroy(*list);
        *list = nullptr;
    }
    for (HBITMAP* bitmap : {&panelSkin_, &menuButtonPicture_, &modeFrame_}) {
        if (*bitmap) DeleteObject(*bitmap);
        *bitmap = nullptr;
    }
    for (HBITMAP picture : modePictures_)
        if (picture) DeleteObject(picture);
    modePictures_.clear();
    for (HFONT font : fonts_) DeleteObject(font);
    fonts_.clear();
    titleFont_ = smallFont_ = statusFont_ = tripFont_ = nullptr;
}

bool MapScreen::CreateControls()
{
    CreateList();
    CreateRouteCombo();
    CreateZoomBox();
    CreateModeBox();
    CreateMenuButton();
    return list_.GetSafeHand() && routeCombo_.GetSafeHwnd() && menuButton_;
}

void MapScreen::CreateList()
{
    list_.SetItemHeigh(layout::kRowHeight);
    list_.EnablePageScroll(1);
    list_.SetBkColor(0, 1);  // the map shows through: this window paints beneath the list
    list_.SetRightArrow(1);
    list_.SetColor(kNameColor, kSelection);
    list_.SetFont(MakeFont(17, true), MakeFont(15, true), MakeFont(13, false));
    if (!list_.Create(instance_, WS_CHILD | WS_VISIBLE, RectOf(layout::kList), hwnd_, kListId, -1)) return;
    list_.SetImageList(placeIcons_, nullptr, nullptr);
    const std::vector<Destination>& places = Destinations();
    for (size_t i = 0; i < places.size(); i++) {
        int index = int(i);
        list_.AddItem(places[i].name.c_str(), places[i].icon, 0);
        list_.SetItemText(index, nullptr, places[i].distance.c_str(), places[i].address.c_str());
        list_.SetItemTextColor(index, kNameColor, kDistanceColor, kAddressColor);
    }
    list_.Refresh();
}

void MapScreen::CreateRouteCombo()
{
    routeCombo_.SetFont(MakeFont(16, false));
    RECT area = RectOf(layout::kRouteCombo);
    // The field, and room for its drop-down list below it.
    area.bottom = layout::kRouteCombo.bottom + layout::kRouteComboRows * layout::kRouteCombo.height();
    std::u16string first = RouteTypes()[0];
    if (!routeCombo_.Create(instance_, WS_VISIBLE, first.data(), area, hwnd_, kRouteComboId)) return;
    for (const std::u16string& type : RouteTypes()) routeCombo_.AddString(type.c_str());
    routeCombo_.SetCurSel(0);
}

void MapScreen::CreateZoomBox()
{
    zoomBox_.SetFont(MakeFont(16, true));
    zoomBox_.SetTextColor(RGB(26, 46, 74));
    for (const std::u16string& step : ZoomSteps()) zoomBox_.InsertItem(step.c_str(), nullptr);
    zoomBox_.Create(instance_, WS_CHILD | WS_VISIBLE, u"Zoom", RectOf(layout::kZoomBox), hwnd_, kZoomBoxId, VBOX_HORZ);
    zoomBox_.SetCurSel(2);
}

void MapScreen::CreateModeBox()
{
    modeBox_.SetFont(MakeFont(15, true));
    modeBox_.SetTextColor(RGB(240, 246, 252));
    modeBox_.SetPassControlWidth(layout::kModePassWidth);
    void* frame = modeFrame_;
    modeBox_.SetOwnerDrawBmp(&frame, 0);
    for (size_t i = 0; i < TravelModes().size(); i++) modeBox_.InsertItem(TravelModes()[i].c_str(), modePictures_[i]);
    modeBox_.Create(instance_, WS_CHILD | WS_VISIBLE, u"Travel mode", RectOf(layout::kModeBox), hwnd_, kModeBoxId,
                    VBOX_HORZ);
}

void MapScreen::CreateMenuButton()
{
    const layout::Box& box = layout::kMenuButton;
    menuButton_ = CreateWindowExW(0, u"BUTTON", u"Menu", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, box.left, box.top,
                                  box.width(), box.height(), hwnd_, reinterpret_cast<HMENU>(UINT_PTR(kMenuButtonId)),
                                  instance_, nullptr);
}

}  // namespace demo
