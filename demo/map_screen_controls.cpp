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
constexpr WCHAR kFace[] = TEXT("WenQuanYi Micro Hei");

RECT RectOf(layout::Box box)
{
    return RECT{box.left, box.top, box.right, box.bottom};
}

// Without LR_CREATEDIBSECTION Win32 makes the list of a device-dependent bitmap at 4 bits a pixel.
HIMAGELIST LoadIcons(HINSTANCE instance, int id, int size)
{
    return ImageList_LoadImage(instance, MAKEINTRESOURCEW(id), size, 0, kKey, IMAGE_BITMAP, LR_CREATEDIBSECTION);
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
    return controls_->list.GetSafeHand() && controls_->routeCombo.GetSafeHwnd() && menuButton_;
}

void MapScreen::CreateList()
{
    controls_->list.SetItemHeigh(layout::kRowHeight);
    controls_->list.EnablePageScroll(1);
    controls_->list.SetBkColor(0, 1);  // the map shows through: this window paints beneath the list
    controls_->list.SetRightArrow(1);
    controls_->list.SetColor(kNameColor, kSelection);
    controls_->list.SetFont(MakeFont(17, true), MakeFont(15, true), MakeFont(13, false));
    if (!controls_->list.Create(instance_, WS_CHILD | WS_VISIBLE | WS_TABSTOP, RectOf(layout::kList), hwnd_, kListId, -1)) return;
    controls_->list.SetImageList(placeIcons_, nullptr, nullptr);
    const std::vector<Destination>& places = Destinations();
    for (size_t i = 0; i < places.size(); i++) {
        int index = int(i);
        controls_->list.AddItem(places[i].name.c_str(), places[i].icon, 0);
        controls_->list.SetItemText(index, nullptr, places[i].distance.c_str(), places[i].address.c_str());
        controls_->list.SetItemTextColor(index, kNameColor, kDistanceColor, kAddressColor);
    }
    controls_->list.Refresh();
}

void MapScreen::CreateRouteCombo()
{
    controls_->routeCombo.SetFont(MakeFont(16, false));
    RECT area = RectOf(layout::kRouteCombo);
    // The field, and room for its drop-down list below it.
    area.bottom = layout::kRouteCombo.bottom + layout::kRouteComboRows * layout::kRouteCombo.height();
    Text first = RouteTypes()[0];
    if (!controls_->routeCombo.Create(instance_, WS_VISIBLE, first.data(), area, hwnd_, kRouteComboId)) return;
    for (const Text& type : RouteTypes()) controls_->routeCombo.AddString(type.c_str());
    controls_->routeCombo.SetCurSel(0);
}

void MapScreen::CreateZoomBox()
{
    controls_->zoomBox.SetFont(MakeFont(16, true));
    controls_->zoomBox.SetTextColor(RGB(26, 46, 74));
    for (const Text& step : ZoomSteps()) controls_->zoomBox.InsertItem(step.c_str(), nullptr);
    controls_->zoomBox.Create(instance_, WS_CHILD | WS_VISIBLE | WS_TABSTOP, TEXT("Zoom"), RectOf(layout::kZoomBox), hwnd_,
                              kZoomBoxId, VBOX_HORZ);
    controls_->zoomBox.SetCurSel(2);
}

void MapScreen::CreateModeBox()
{
    controls_->modeBox.SetFont(MakeFont(15, true));
    controls_->modeBox.SetTextColor(RGB(240, 246, 252));
    controls_->modeBox.SetPassControlWidth(layout::kModePassWidth);
    void* frame = modeFrame_;
    controls_->modeBox.SetOwnerDrawBmp(&frame, 0);
    for (size_t i = 0; i < TravelModes().size(); i++) controls_->modeBox.InsertItem(TravelModes()[i].c_str(), modePictures_[i]);
    controls_->modeBox.Create(instance_, WS_CHILD | WS_VISIBLE | WS_TABSTOP, TEXT("Travel mode"), RectOf(layout::kModeBox),
                              hwnd_, kModeBoxId, VBOX_HORZ);
}

void MapScreen::SetAnimationInterval(int ms)
{
    controls_->list.SetAnimationInterval(ms);
    controls_->routeCombo.SetAnimationInterval(ms);
    controls_->zoomBox.SetAnimationInterval(ms);
    controls_->modeBox.SetAnimationInterval(ms);
    controls_->popup.SetAnimationInterval(ms);
    controls_->panel.SetAnimationInterval(ms);
}

void MapScreen::CreateMenuButton()
{
    const layout::Box& box = layout::kMenuButton;
    menuButton_ = CreateWindowExW(0, TEXT("BUTTON"), TEXT("Menu"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, box.left, box.top,
                                  box.width(), box.height(), hwnd_, reinterpret_cast<HMENU>(UINT_PTR(kMenuButtonId)),
                                  instance_, nullptr);
}

}  // namespace demo
